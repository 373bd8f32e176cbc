#pragma once

#include "TextMask.h"

#include <memory>
#include <string>
#include <string_view>

struct FT_FaceRec_;

// What to ask fontconfig for.
struct FontRequest {
    std::string family;
    bool bold = false;
};

// One font file opened with FreeType, found by family name through fontconfig.
class Font {
  public:
    // The installed font of the requested family. When fontconfig can only offer
    // another family (the requested one is not installed) or the file does not
    // open, returns null and says why in error.
    static std::unique_ptr<Font> find(const FontRequest& request, std::string& error);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const std::string& file() const { return file_; }
    // The first character of text that the font has no glyph for, or 0.
    char32_t missingCharacter(std::u32string_view text) const;
    // The text set on one line at a size of pixelSize pixels to the em.
    TextMask render(std::u32string_view text, float pixelSize) const;
    // The pen advance of the text at that size, in pixels.
    float measure(std::u32string_view text, float pixelSize) const;

  private:
    Font(FT_FaceRec_* face, std::string file) : face_(face), file_(std::move(file)) {}
    void setSize(float pixelSize) const;

    FT_FaceRec_* face_;
    std::string file_;
};
