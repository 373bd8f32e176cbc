#include "FontSet.h"

#include "FaceKinds.h"

#include <cstdio>

namespace {

std::unique_ptr<Font> loadOne(const FontRequest& request, std::u32string_view needed,
                              std::string& error) {
    std::unique_ptr<Font> font = Font::find(request, error);
    if (!font)
        return nullptr;
    if (const char32_t missing = font->missingCharacter(needed)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(missing));
        error = "font \"" + request.family + "\" (" + font->file() + ") has no glyph for " + code;
        return nullptr;
    }
    return font;
}

// Latin letters, digits and the signs the help screen uses.
constexpr std::u32string_view latin =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;()+-/\u2212\u2013\u2190"
    U"\u2191\u2192\u2193";

} // namespace

bool FontSet::load(std::string& error) {
    sans = loadOne({"DejaVu Sans", false}, latin, error);
    if (sans)
        sansBold = loadOne({"DejaVu Sans", true}, latin, error);
    if (sansBold)
        condensedBold = loadOne({"DejaVu Sans Condensed", true}, latin, error);
    if (condensedBold)
        chinese = loadOne({"WenQuanYi Zen Hei", false}, chineseSigns, error);
    return chinese != nullptr;
}
