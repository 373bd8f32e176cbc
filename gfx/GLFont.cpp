#include "gfx/GLFont.h"

#include "gfx/RGBAImage.h"
#include "platform/MessageBox.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kListCount = 256;
constexpr int kGlyphCount = 255; // codes 0..254 get glyphs; list 255 stays empty
constexpr std::size_t kMaxFaceName = 31;
// Larger glyphs than any display shows would only eat memory: 255 one-bit
// bitmaps of this size already take 130 MB.
constexpr std::int32_t kMaxPixelHeight = 2048;
// The fixed projection renderToImage draws in, whatever the window size.
constexpr double kImageProjectionWidth = 1280.0;
constexpr double kImageProjectionHeight = 1024.0;
constexpr std::size_t kMessageBuffer = 256;

// Unicode of the Windows-1252 codes 0x80..0x9F; the five codes the code page
// leaves undefined map to the C1 control of the same value, as Windows does.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t unicodeOf(int code) {
    return code >= 0x80 && code <= 0x9F ? kCp1252High[code - 0x80]
                                        : static_cast<std::uint32_t>(code);
}

// FreeType's own texts for its error codes (its error-string option is off in
// the distribution's build).
const char* freeTypeErrorText(FT_Error error) {
#undef FTERRORS_H_
#define FT_ERRORDEF(e, v, s)                                                                       \
    case v:                                                                                        \
        return s;
#define FT_ERROR_START_LIST switch (error) {
#define FT_ERROR_END_LIST }
#include FT_ERRORS_H
    return "unknown error";
}

struct FontFile {
    std::string path;
    int index = 0;
};

std::optional<FontFile> fileOf(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    return FontFile{reinterpret_cast<const char*>(file), index};
}

// Names compare the way fontconfig compares families: blanks and the case of
// ASCII letters don't count.
bool sameName(const char* a, const char* b) {
    for (;;) {
        while (*a == ' ')
            ++a;
        while (*b == ' ')
            ++b;
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
        if (*a == '\0')
            return true;
        ++a;
        ++b;
    }
}

// A font whose full name is the face name ("DejaVu Sans Bold"), blanks and
// letter case aside, the way a face name may also name one style of a family.
std::optional<FontFile> findByFullName(const std::string& face) {
    FcPattern* scalable = FcPatternBuild(nullptr, FC_SCALABLE, FcTypeBool, FcTrue, nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FULLNAME, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, scalable, objects);
    std::optional<FontFile> found;
    for (int i = 0; fonts != nullptr && i < fonts->nfont && !found; ++i) {
        FcChar8* name = nullptr;
        for (int n = 0;
             !found && FcPatternGetString(fonts->fonts[i], FC_FULLNAME, n, &name) == FcResultMatch;
             ++n)
            if (sameName(reinterpret_cast<const char*>(name), face.c_str()))
                found = fileOf(fonts->fonts[i]);
    }
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(scalable);
    return found;
}

// The installed family of that name, else the default sans-serif face. Without
// the explicit sans-serif fallback fontconfig's chain for some well-known
// display faces ends in a dingbat font, which would print symbols for letters.
std::optional<FontFile> findByFamily(const std::string& face) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::optional<FontFile> found;
    if (match != nullptr) {
        found = fileOf(match);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

// Faces the game names that a Linux desktop seldom has, with the installed face
// closest in shape. Impact is a heavy condensed sans: the heads-up panel is
// sized for its narrow figures, which a regular-width face would overrun.
struct StandIn {
    const char* face;
    const char* fullName;
};
constexpr StandIn standIns[] = {{"Impact", "Nimbus Sans Narrow Bold"},
                                {"Impact", "DejaVu Sans Condensed Bold"}};

// The first installed stand-in, tried in the table's order.
std::optional<FontFile> findStandIn(const std::string& face) {
    for (const StandIn& standIn : standIns)
        if (sameName(face.c_str(), standIn.face) && !fontFamilyInstalled(face.c_str()))
            if (std::optional<FontFile> file = findByFullName(standIn.fullName))
                return file;
    return std::nullopt;
}

std::optional<FontFile> findFontFile(const std::string& face) {
    if (!FcInit())
        return std::nullopt;
    if (std::optional<FontFile> file = findByFullName(face))
        return file;
    if (std::optional<FontFile> file = findStandIn(face))
        return file;
    return findByFamily(face);
}

// The glyph's rows bottom-up, one bit a pixel, most significant bit first, each
// row padded to whole bytes: the layout glBitmap takes with an unpack
// alignment of 1.
std::vector<GLubyte> bottomUpBits(const FT_Bitmap& bitmap) {
    const unsigned rowBytes = (bitmap.width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<std::size_t>(rowBytes) * bitmap.rows, 0);
    const int pitch = bitmap.pitch;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* source = pitch >= 0
                                          ? bitmap.buffer + static_cast<std::size_t>(row) * pitch
                                          : bitmap.buffer + (bitmap.rows - 1 - row) * -pitch;
        GLubyte* target = bits.data() + static_cast<std::size_t>(bitmap.rows - 1 - row) * rowBytes;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            std::memcpy(target, source, rowBytes);
            continue;
        }
        // Embedded grey bitmaps: a pixel counts when at least half covered.
        for (unsigned x = 0; x < bitmap.width; ++x)
            if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && source[x] >= 128)
                target[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
    }
    return bits;
}

int advanceOf(const FT_GlyphSlot glyph) {
    return static_cast<int>((glyph->advance.x + 32) >> 6);
}

// Compiles list `list` to draw the glyph just rendered in the slot.
void compileGlyph(GLuint list, const FT_GlyphSlot glyph) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    std::vector<GLubyte> bits = bottomUpBits(bitmap);
    // glBitmap puts the bitmap's lower left corner at the raster position
    // minus the origin: the baseline stays on the raster position.
    const GLfloat xOrigin = static_cast<GLfloat>(-glyph->bitmap_left);
    const GLfloat yOrigin = static_cast<GLfloat>(static_cast<int>(bitmap.rows) - glyph->bitmap_top);
    glNewList(list, GL_COMPILE);
    glBitmap(static_cast<GLsizei>(bitmap.width), static_cast<GLsizei>(bitmap.rows), xOrigin,
             yOrigin, static_cast<GLfloat>(advanceOf(glyph)), 0.0f,
             bits.empty() ? nullptr : bits.data());
    glEndList();
}

// Renders every code into its list and fills the widths. Returns the first
// FreeType error, 0 when every glyph was built.
FT_Error buildGlyphs(FT_Face face, std::int32_t height, GLuint listBase, std::int32_t* widths) {
    if (height < 1 || height > kMaxPixelHeight)
        return FT_Err_Invalid_Pixel_Size;
    if (FT_Error error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(height)))
        return error;
    FT_Select_Charmap(face, FT_ENCODING_UNICODE); // fonts without one keep their own
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    FT_Error firstError = 0;
    for (int code = 0; code < kListCount; ++code) {
        FT_UInt glyphIndex = FT_Get_Char_Index(face, unicodeOf(code));
        FT_Error error = FT_Load_Glyph(face, glyphIndex, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
        if (error != 0) {
            firstError = firstError != 0 ? firstError : error;
            widths[code] = 0;
            continue;
        }
        widths[code] = advanceOf(face->glyph);
        // Code 255 keeps its width but its list stays empty.
        if (code < kGlyphCount && listBase != 0)
            compileGlyph(listBase + code, face->glyph);
    }
    glPopClientAttrib();
    return firstError;
}

void reportGlyphFailure(const char* faceName, std::int32_t height, FT_Error error) {
    char text[kMessageBuffer];
    std::snprintf(text, sizeof text,
                  "Nepodarilo se vytvorit font %s %d!\nGL ERROR %d\nWindows ERROR %s", faceName,
                  height, static_cast<int>(glGetError()), freeTypeErrorText(error));
    messageBox(text, "CreateFont ERROR - wglUseFontBitmaps", BoxIcon::Error);
}

} // namespace

void GLFont::create(SDL_Window* /*deviceContext*/, std::int32_t height, const char* faceName) {
    if (listBase != 0)
        release();
    const std::string face =
        std::string(faceName != nullptr ? faceName : "").substr(0, kMaxFaceName);
    std::optional<FontFile> file = findFontFile(face);
    FT_Library library = nullptr;
    FT_Face ftFace = nullptr;
    if (!file || FT_Init_FreeType(&library) != 0)
        std::exit(1);
    if (FT_New_Face(library, file->path.c_str(), file->index, &ftFace) != 0) {
        FT_Done_FreeType(library);
        std::exit(1);
    }
    pixelHeight = height;
    listBase = glGenLists(kListCount);
    if (listBase == 0)
        messageBox("List arr neni vporadku ...", "CreateFont - wglUseFontBitmaps", BoxIcon::Error);
    // Without lists of its own the font builds none: list names from 1 up may
    // belong to someone else. The widths are measured all the same.
    if (FT_Error error = buildGlyphs(ftFace, height, listBase, charWidths))
        reportGlyphFailure(faceName != nullptr ? faceName : "", height, error);
    FT_Done_Face(ftFace);
    FT_Done_FreeType(library);
}

void GLFont::print(const char* text) const {
    if (listBase == 0 || text == nullptr)
        return;
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glListBase(0);
}

void GLFont::printf(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(textBuffer, sizeof textBuffer, format, arguments);
    va_end(arguments);
    print(textBuffer);
}

void GLFont::renderToImage(const char* text, std::int32_t margin, RGBAImage& image) const {
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, kImageProjectionWidth, 0.0, kImageProjectionHeight);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glRasterPos2i(margin, margin);
    std::int32_t width = 2 * margin;
    for (const char* c = text != nullptr ? text : ""; *c != '\0'; ++c) {
        const auto code = static_cast<unsigned char>(*c);
        width += charWidths[code];
        if (listBase != 0)
            glCallList(listBase + code);
    }
    image.create(width, pixelHeight + 2 * margin);
    image.readPixels(0, 0);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void GLFont::release() {
    if (listBase != 0)
        glDeleteLists(listBase, kListCount);
    listBase = 0;
}

bool fontFamilyInstalled(const char* family) {
    if (!FcInit())
        return false;
    FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString,
                                        reinterpret_cast<const FcChar8*>(family), nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool installed = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return installed;
}
