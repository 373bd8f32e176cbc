#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The pixel block of a 24-bit BMP file, held for the moment of a texture upload.
class RGBImage {
  public:
    // Loads the BMP file at the data path ("tex\bang.bmp"). A file that cannot be
    // opened, or that holds fewer bytes than its headers or its pixel block need,
    // ends the process: the message goes to standard output, exit status 1.
    explicit RGBImage(const char* path);

    // Exchanges the first and third byte of each of the width x height 3-byte
    // pixels counted from the start of `pixels`, without regard to rows. Stops at
    // the end of the block if the header's size disagrees with it.
    void swapRedBlue();

    // Bytes in the pixel block.
    std::size_t size() const { return pixels.size(); }
    // True when `bytes` bytes starting at `offset` lie inside the block.
    bool holds(std::size_t offset, std::size_t bytes) const {
        return offset <= pixels.size() && bytes <= pixels.size() - offset;
    }

    std::vector<std::uint8_t> pixels; // as stored in the file: bottom row first, BGR until swapped
    std::int32_t width = 0;           // biWidth of the file
    std::int32_t height = 0;          // biHeight of the file
};

// The loader's one failure: "Nepodarilo se otevrit soubor *.bmp" on standard
// output, then exit status 1 through the ordinary process exit. Also used by the
// texture uploads when a picture is too small for what is taken from it.
[[noreturn]] void bitmapUnreadable();
