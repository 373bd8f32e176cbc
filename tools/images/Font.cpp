#include "Font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <strings.h>
#include <vector>

namespace {

// The one FreeType library of the program; it outlives every Font.
FT_Library freeType() {
    struct Library {
        FT_Library handle = nullptr;
        Library() {
            if (FT_Init_FreeType(&handle) != 0)
                handle = nullptr;
        }
        ~Library() {
            if (handle)
                FT_Done_FreeType(handle);
        }
    };
    static Library library;
    return library.handle;
}

struct FontFile {
    std::string path;
    int index = 0;
    std::string offered; // the family fontconfig matched, for the error message
    bool matches = false;
};

// Asks fontconfig for the best file of the family and checks that the match
// really is that family and not a stand-in.
FontFile lookUp(const FontRequest& request) {
    FontFile found;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(request.family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return found;
    FcChar8* text = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &text) == FcResultMatch)
        found.path = reinterpret_cast<const char*>(text);
    FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &text) == FcResultMatch; ++i) {
        const char* family = reinterpret_cast<const char*>(text);
        if (i == 0)
            found.offered = family;
        if (strcasecmp(family, request.family.c_str()) == 0)
            found.matches = true;
    }
    FcPatternDestroy(match);
    return found;
}

struct PlacedGlyph {
    int left = 0; // pixel column of the bitmap's left edge, from the pen origin
    int top = 0;  // pixel row of the bitmap's top edge, above the baseline
    int width = 0;
    int rows = 0;
    std::vector<unsigned char> gray;
};

} // namespace

std::unique_ptr<Font> Font::find(const FontRequest& request, std::string& error) {
    const FontFile file = lookUp(request);
    if (!file.matches || file.path.empty()) {
        error = "font \"" + request.family + "\" is not installed" +
                (file.offered.empty() ? std::string()
                                      : " (fontconfig offers \"" + file.offered + "\" instead)");
        return nullptr;
    }
    FT_Library library = freeType();
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) {
        error = "cannot open font file " + file.path;
        return nullptr;
    }
    return std::unique_ptr<Font>(new Font(face, file.path));
}

Font::~Font() {
    FT_Done_Face(face_);
}

char32_t Font::missingCharacter(std::u32string_view text) const {
    for (char32_t c : text)
        if (c != U' ' && FT_Get_Char_Index(face_, c) == 0)
            return c;
    return 0;
}

void Font::setSize(float pixelSize) const {
    // 26.6 fixed point at 72 dpi: points equal pixels.
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72);
}

float Font::measure(std::u32string_view text, float pixelSize) const {
    setSize(pixelSize);
    FT_Pos pen = 0;
    for (char32_t c : text)
        if (FT_Load_Char(face_, c, FT_LOAD_NO_HINTING) == 0)
            pen += face_->glyph->advance.x;
    return pen / 64.0f;
}

TextMask Font::render(std::u32string_view text, float pixelSize) const {
    setSize(pixelSize);
    std::vector<PlacedGlyph> glyphs;
    FT_Pos pen = 0;
    for (char32_t c : text) {
        if (FT_Load_Char(face_, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0)
            continue;
        const FT_GlyphSlot slot = face_->glyph;
        PlacedGlyph g;
        g.left = static_cast<int>(pen >> 6) + slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(slot->bitmap.width);
        g.rows = static_cast<int>(slot->bitmap.rows);
        for (int y = 0; y < g.rows; ++y) {
            const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
            g.gray.insert(g.gray.end(), row, row + g.width);
        }
        glyphs.push_back(std::move(g));
        pen += slot->advance.x;
    }
    // The mask spans the pen's run and the font's line height, widened to any
    // glyph that reaches beyond them.
    const auto& metrics = face_->size->metrics;
    int left = 0;
    int right = static_cast<int>(std::ceil(pen / 64.0));
    int ascent = static_cast<int>(std::ceil(metrics.ascender / 64.0));
    int descent = static_cast<int>(std::ceil(-metrics.descender / 64.0));
    for (const PlacedGlyph& g : glyphs) {
        left = std::min(left, g.left);
        right = std::max(right, g.left + g.width);
        ascent = std::max(ascent, g.top);
        descent = std::max(descent, g.rows - g.top);
    }
    TextMask mask;
    mask.width = right - left;
    mask.height = ascent + descent;
    mask.baseline = ascent;
    mask.origin = -left;
    mask.advance = pen / 64.0f;
    mask.coverage.assign(static_cast<size_t>(mask.width) * mask.height, 0.0f);
    mask.inkLeft = mask.width;
    mask.inkTop = mask.height;
    for (const PlacedGlyph& g : glyphs)
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x) {
                const float v = g.gray[y * g.width + x] / 255.0f;
                if (v <= 0)
                    continue;
                const int mx = g.left - left + x;
                const int my = ascent - g.top + y;
                float& cell = mask.coverage[my * mask.width + mx];
                cell = std::min(1.0f, cell + v);
                mask.inkLeft = std::min(mask.inkLeft, mx);
                mask.inkTop = std::min(mask.inkTop, my);
                mask.inkRight = std::max(mask.inkRight, mx + 1);
                mask.inkBottom = std::max(mask.inkBottom, my + 1);
            }
    return mask;
}
