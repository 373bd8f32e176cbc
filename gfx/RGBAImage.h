#pragma once

#include <cstdint>

// A block of 8-bit RGBA pixels in the layout of OpenGL's pixel transfers: rows
// bottom-up, no padding. Either not created (`pixels` null) or created with
// exactly width x height x 4 bytes.
class RGBAImage {
  public:
    RGBAImage() = default; // not created
    ~RGBAImage();          // destroys the pixels only if created
    RGBAImage(const RGBAImage&) = delete;
    RGBAImage& operator=(const RGBAImage&) = delete;

    // Allocates width x height x 4 bytes, not cleared. A negative size counts as 0.
    // On a created image: the box "Obraz je uz vytvoren !" / "RGBAImage creation
    // ERROR", then exit status 1.
    void create(std::int32_t width, std::int32_t height);
    // Frees the pixels. On an image that is not created: the box "Obraz jeste
    // nebyl vytvoren !" / "RGBAImage destroying ERROR", then exit status 1.
    void destroy();
    bool created() const { return pixels != nullptr; }

    // `create` with the source's size, then a copy of its bytes (a source that is
    // not created gives a created 0 x 0 image).
    void copyFrom(const RGBAImage& source);
    // One pass of a 3 x 3 box filter over all four channels; the sum of the
    // neighbours inside the image is divided by 9 even at the borders, so edges
    // darken and lose alpha. Does nothing to an image that is not created.
    void blur();

    // Fills the pixels from the current read buffer, lower left corner at window
    // position (x, y). Needs a current GL context; does nothing if not created.
    void readPixels(std::int32_t x, std::int32_t y);
    // Draws the pixels at the current raster position; nothing if not created.
    void drawPixels() const;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }

    std::uint8_t* pixels = nullptr; // red, green, blue, alpha a pixel; null: not created

  private:
    std::int32_t width_ = 0;  // pixels a row
    std::int32_t height_ = 0; // rows
};
