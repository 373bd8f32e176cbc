#pragma once

#include <cstdint>

struct SDL_Window;

// Whether fontconfig knows a family of exactly that name (not a substitute).
bool fontFamilyInstalled(const char* family);
class RGBAImage;

// A system font turned into 256 OpenGL display lists, one a character code
// (0..255, read as Windows-1252). Each list draws its glyph as a bitmap with the
// baseline at the current raster position and moves that position on by the
// glyph's advance width. Made, used and released on the thread that owns the
// rendering context, only while that context exists.
class GLFont {
  public:
    // Builds the lists for `faceName` (first 31 characters) at `height` pixels
    // per em; the context must be current. The device context is the game
    // window's; glyphs come from the font file and need nothing of it.
    // A face that is not installed gets the default sans-serif face. A font
    // that can't be opened at all ends the process with exit status 1 and no
    // message; a failure to build the lists is reported in a box and creation
    // goes on (the font then prints nothing).
    void create(SDL_Window* deviceContext, std::int32_t height, const char* faceName);

    // Draws a zero-terminated text at the current raster position in the
    // current raster colour (set the colour first, then the raster position).
    void print(const char* text) const;
    // Formats into `textBuffer` and prints; text beyond 255 characters is cut.
    void printf(const char* format, ...) __attribute__((__format__(__printf__, 2, 3)));

    // Draws `text` in opaque white with its baseline near (margin, margin) of a
    // fixed 1280 x 1024 projection and reads the covered rectangle, 2 x margin
    // plus the advance widths wide and height() + 2 x margin high, from window
    // position (0, 0) into `image`, which must not be created yet. The caller
    // clears the buffers and switches lighting and texturing off; the modelview
    // matrix is left at identity.
    void renderToImage(const char* text, std::int32_t margin, RGBAImage& image) const;

    // Deletes the 256 lists; the font then prints nothing until created again.
    void release();

    // The pixel height the font was asked for (not measured).
    std::int32_t height() const { return pixelHeight; }

    std::uint32_t listBase = 0;        // first of the 256 lists; 0 while there are none
    std::int32_t pixelHeight = 0;      // requested height, pixels
    std::int32_t charWidths[256] = {}; // advance width of each character code, pixels
    char textBuffer[256] = {};         // where printf formats: 255 characters and the zero
};
