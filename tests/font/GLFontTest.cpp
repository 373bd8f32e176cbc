// The bitmap font on a real OpenGL context: glyph placement, widths, images
// read back from the frame buffer and the creation failures.
#include "GLTestWindow.h"

#include "gfx/GLFont.h"
#include "gfx/RGBAImage.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Rgba {
    int r, g, b, a;
};

Rgba pixelAt(const RGBAImage& image, std::int32_t x, std::int32_t y) {
    const std::uint8_t* p = image.pixels + (static_cast<std::size_t>(y) * image.width() + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

bool isWhite(Rgba p) {
    return p.r == 255 && p.g == 255 && p.b == 255;
}

std::vector<std::int32_t> whiteRows(const RGBAImage& image) {
    std::vector<std::int32_t> counts(image.height(), 0);
    for (std::int32_t y = 0; y < image.height(); ++y)
        for (std::int32_t x = 0; x < image.width(); ++x)
            counts[y] += isWhite(pixelAt(image, x, y)) ? 1 : 0;
    return counts;
}

bool samePixels(const RGBAImage& a, const RGBAImage& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::memcmp(a.pixels, b.pixels, static_cast<std::size_t>(a.width()) * a.height() * 4) ==
               0;
}

class GLFontTest : public GLTest<640, 480> {
  protected:
    std::unique_ptr<RGBAImage> render(const GLFont& font, const char* text) {
        auto image = std::make_unique<RGBAImage>();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        font.renderToImage(text, 2, *image);
        return image;
    }

    std::unique_ptr<RGBAImage> renderWith(const char* face, std::int32_t height, const char* text) {
        GLFont font;
        font.create(gl->sdlWindow(), height, face);
        auto image = render(font, text);
        font.release();
        return image;
    }

    // A pixel projection with the origin at the lower left, as glRasterPos
    // takes window coordinates then.
    void pixelProjection() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kWidth, 0, kHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    GLfloat rasterX() {
        GLfloat position[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
        return position[0];
    }

    // Where the raster position stands after printing `text` from x = 50.
    GLfloat printedTo(const GLFont& font, const char* text) {
        pixelProjection();
        glRasterPos2i(50, 100);
        font.print(text);
        return rasterX();
    }
};

TEST_F(GLFontTest, ImageOfTwoLettersIsMarginsPlusTheirWidths) {
    GLFont font;
    font.create(gl->sdlWindow(), 40, "DejaVuSans");
    EXPECT_EQ(font.height(), 40);
    ASSERT_GT(font.charWidths['A'], 0);
    ASSERT_GT(font.charWidths['B'], 0);
    auto image = render(font, "AB");
    EXPECT_EQ(image->width(), 4 + font.charWidths['A'] + font.charWidths['B']);
    EXPECT_EQ(image->height(), 40 + 4);
    std::int32_t white = 0;
    for (std::int32_t count : whiteRows(*image))
        white += count;
    EXPECT_GT(white, 100);
    font.release();
}

TEST_F(GLFontTest, EmptyTextHoldsOnlyTheClearedBackground) {
    GLFont font;
    font.create(gl->sdlWindow(), 30, "DejaVuSans");
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    auto image = render(font, "");
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    ASSERT_EQ(image->width(), 4);
    ASSERT_EQ(image->height(), 34);
    const Rgba first = pixelAt(*image, 0, 0);
    EXPECT_NEAR(first.r, 64, 1);
    EXPECT_NEAR(first.g, 128, 1);
    EXPECT_NEAR(first.b, 191, 1);
    for (std::int32_t y = 0; y < image->height(); ++y)
        for (std::int32_t x = 0; x < image->width(); ++x) {
            const Rgba p = pixelAt(*image, x, y);
            EXPECT_TRUE(p.r == first.r && p.g == first.g && p.b == first.b) << x << "," << y;
        }
    font.release();
}

struct HudCase {
    std::int32_t windowWidth;
    std::int32_t height;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const HudCase& c, std::ostream* out) {
    *out << c.windowWidth;
}

class HudFontHeight : public GLFontTest, public testing::WithParamInterface<HudCase> {};

// The heads-up font is asked for 2 % of the window width, truncated.
TEST_P(HudFontHeight, IsTwoPercentOfTheWidthAndPrintsLetters) {
    GLFont font;
    font.create(gl->sdlWindow(), static_cast<std::int32_t>(GetParam().windowWidth * 0.02f),
                "Impact");
    EXPECT_EQ(font.height(), GetParam().height);
    auto image = render(font, "HIGHSCORE: 0");
    std::vector<std::int32_t> rows = whiteRows(*image);
    std::int32_t inked = 0;
    for (std::int32_t count : rows)
        inked += count > 0 ? 1 : 0;
    // Capital letters stand roughly three quarters of the height tall.
    EXPECT_GE(inked, GetParam().height / 2);
    EXPECT_LE(inked, GetParam().height + 4);
    font.release();
}

INSTANTIATE_TEST_SUITE_P(Font, HudFontHeight, testing::Values(HudCase{1024, 20}, HudCase{800, 16}),
                         [](const auto& info) { return std::to_string(info.param.windowWidth); });

// A face that is not installed prints with the default sans-serif face, never
// with a symbol font that fontconfig's own fallback chain may end in.
TEST_F(GLFontTest, FaceThatIsNotInstalledPrintsLikeTheDefaultSansFace) {
    auto reference = renderWith("sans-serif", 24, "HIGHSCORE: 1234 MOVES 17");
    EXPECT_TRUE(samePixels(*renderWith("Veldrin Missing Face", 24, "HIGHSCORE: 1234 MOVES 17"),
                           *reference));
}

// The heads-up face, where it is missing, takes the heavy condensed face closest
// to it, so the panel's texts keep within the panel.
TEST_F(GLFontTest, MissingImpactTakesTheCondensedBoldFace) {
    if (fontFamilyInstalled("Impact"))
        GTEST_SKIP() << "Impact itself is installed";
    auto impact = renderWith("Impact", 20, "NEXT MOVE +20");
    auto narrow = renderWith("Nimbus Sans Narrow Bold", 20, "NEXT MOVE +20");
    auto regular = renderWith("sans-serif", 20, "NEXT MOVE +20");
    EXPECT_TRUE(samePixels(*impact, *narrow));
    EXPECT_LT(impact->width(), regular->width() * 9 / 10);
}

TEST_F(GLFontTest, FullNameSelectsThatStyle) {
    auto regular = renderWith("DejaVuSans", 30, "MENU");
    auto bold = renderWith("DejaVuSansBold", 30, "MENU");
    auto boldWithBlanks = renderWith("DejaVu Sans Bold", 30, "MENU");
    EXPECT_FALSE(samePixels(*regular, *bold));
    EXPECT_TRUE(samePixels(*bold, *boldWithBlanks));
    EXPECT_GT(bold->width(), regular->width());
}

// Only the first 31 characters name the face: here they name a monospaced
// face, while the whole name would name none and give a proportional one.
TEST_F(GLFontTest, FaceNameIsCutToThirtyOneCharacters) {
    std::string name = "DejaVuSansMono";
    name.resize(31, ' ');
    name += "Nonexistent";
    GLFont font;
    font.create(gl->sdlWindow(), 20, name.c_str());
    EXPECT_EQ(font.charWidths['i'], font.charWidths['M']);
    GLFont proportional;
    proportional.create(gl->sdlWindow(), 20, "DejaVuSansMonoNonexistent");
    EXPECT_NE(proportional.charWidths['i'], proportional.charWidths['M']);
    font.release();
    proportional.release();
}

TEST_F(GLFontTest, BaselineSitsOnTheRasterPositionAndRowsAreUpright) {
    GLFont font;
    font.create(gl->sdlWindow(), 48, "DejaVuSans");
    auto lowestWhiteRow = [&](const char* text) {
        auto image = render(font, text);
        std::vector<std::int32_t> rows = whiteRows(*image);
        for (std::int32_t y = 0; y < static_cast<std::int32_t>(rows.size()); ++y)
            if (rows[y] > 0)
                return y;
        return -1;
    };
    // renderToImage puts the baseline at 2 units of 1024, about 1 pixel here.
    const std::int32_t baseline = lowestWhiteRow("x");
    EXPECT_GE(baseline, 0);
    EXPECT_LE(baseline, 2);
    // A descender reaches below the baseline, where the image ends.
    EXPECT_EQ(lowestWhiteRow("p"), 0);
    // The bar of a T is at the top: wider there than at the foot of the stem.
    auto image = render(font, "T");
    std::vector<std::int32_t> rows = whiteRows(*image);
    std::int32_t top = static_cast<std::int32_t>(rows.size()) - 1;
    while (top > 0 && rows[top] == 0)
        --top;
    EXPECT_GT(rows[top], 3 * rows[baseline]);
    font.release();
}

TEST_F(GLFontTest, CodesAboveAsciiDrawTheirOwnWindows1252Glyphs) {
    GLFont font;
    font.create(gl->sdlWindow(), 32, "DejaVuSans");
    auto plainE = render(font, "E");
    auto acuteE = render(font, "\xC9"); // E with acute
    EXPECT_EQ(acuteE->width(), 4 + font.charWidths[0xC9]);
    EXPECT_FALSE(samePixels(*plainE, *acuteE));
    // Above the plain E's cap height the accent shows.
    std::vector<std::int32_t> plainRows = whiteRows(*plainE);
    std::vector<std::int32_t> acuteRows = whiteRows(*acuteE);
    std::int32_t capTop = static_cast<std::int32_t>(plainRows.size()) - 1;
    while (capTop > 0 && plainRows[capTop] == 0)
        --capTop;
    std::int32_t accent = 0;
    for (std::int32_t y = capTop + 2; y < acuteE->height(); ++y)
        accent += acuteRows[y];
    EXPECT_GT(accent, 0);
    // 0x80 is the euro sign; 0x81 has no character and gets the font's empty box.
    auto euro = render(font, "\x80");
    auto undefined = render(font, "\x81");
    EXPECT_FALSE(samePixels(*euro, *undefined));
    EXPECT_GT(font.charWidths[0x80], 0);
    font.release();
}

TEST_F(GLFontTest, PrintfPrintsTheFormattedTextAndMovesTheRasterPosition) {
    GLFont font;
    font.create(gl->sdlWindow(), 20, "DejaVuSans");
    pixelProjection();
    glRasterPos2i(20, 100);
    font.printf("%d/144", 17);
    EXPECT_STREQ(font.textBuffer, "17/144");
    std::int32_t advance = 0;
    for (const char* c = "17/144"; *c != '\0'; ++c)
        advance += font.charWidths[static_cast<unsigned char>(*c)];
    EXPECT_FLOAT_EQ(rasterX(), 20.0f + advance);
    font.release();
}

TEST_F(GLFontTest, PrintfCutsTextBeyondTwoHundredFiftyFiveCharacters) {
    GLFont font;
    font.create(gl->sdlWindow(), 10, "DejaVuSans");
    pixelProjection();
    glRasterPos2i(0, 100);
    const std::string longText(400, 'i');
    font.printf("%s", longText.c_str());
    EXPECT_EQ(std::strlen(font.textBuffer), 255u);
    EXPECT_FLOAT_EQ(rasterX(), 255.0f * font.charWidths['i']);
    font.release();
}

TEST_F(GLFontTest, CodeTwoHundredFiftyFiveDrawsNothingButCountsItsWidth) {
    GLFont font;
    font.create(gl->sdlWindow(), 24, "DejaVuSans");
    ASSERT_GT(font.charWidths[255], 0);
    EXPECT_FLOAT_EQ(printedTo(font, "\xFF"), 50.0f);
    auto image = render(font, "\xFF");
    EXPECT_EQ(image->width(), 4 + font.charWidths[255]);
    for (std::int32_t count : whiteRows(*image))
        EXPECT_EQ(count, 0);
    font.release();
}

TEST_F(GLFontTest, ReleasedFontDeletesItsListsAndPrintsNothing) {
    GLFont font;
    font.create(gl->sdlWindow(), 24, "DejaVuSans");
    const std::uint32_t base = font.listBase;
    ASSERT_NE(base, 0u);
    EXPECT_TRUE(glIsList(base + 'A'));
    font.release();
    EXPECT_EQ(font.listBase, 0u);
    EXPECT_FALSE(glIsList(base + 'A'));
    EXPECT_FLOAT_EQ(printedTo(font, "ABC"), 50.0f);
}

TEST_F(GLFontTest, NoListsToReserveIsReportedAndCreationGoesOn) {
    GLFont font;
    testing::internal::CaptureStderr();
    glBegin(GL_POINTS); // no list can be reserved between begin and end
    font.create(gl->sdlWindow(), 24, "DejaVuSans");
    glEnd();
    const std::string output = testing::internal::GetCapturedStderr();
    clearGLErrors();
    EXPECT_NE(output.find("CreateFont - wglUseFontBitmaps: List arr neni vporadku ...\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(font.listBase, 0u);
    EXPECT_GT(font.charWidths['A'], 0);
    EXPECT_FLOAT_EQ(printedTo(font, "ABC"), 50.0f);
}

TEST_F(GLFontTest, GlyphsThatCannotBeBuiltAreReportedAndCreationGoesOn) {
    GLFont font;
    testing::internal::CaptureStderr();
    font.create(gl->sdlWindow(), 0, "DejaVuSans");
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_EQ(output,
              "CreateFont ERROR - wglUseFontBitmaps: Nepodarilo se vytvorit font DejaVuSans "
              "0!\nGL ERROR 0\nWindows ERROR invalid pixel size\n");
    EXPECT_EQ(font.height(), 0);
    auto image = render(font, "ABC");
    for (std::int32_t count : whiteRows(*image))
        EXPECT_EQ(count, 0);
    font.release();
}

// With no font known to fontconfig at all nothing can be created: the process
// ends with status 1 and says nothing.
TEST(GLFontDeathTest, FontThatCannotBeCreatedEndsTheProcessSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string config = testing::TempDir() + "veldrin-no-fonts.conf";
    std::FILE* file = std::fopen(config.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n", file);
    std::fclose(file);
    EXPECT_EXIT(
        {
            setenv("FONTCONFIG_FILE", config.c_str(), 1);
            GLFont font;
            font.create(nullptr, 20, "DejaVuSans");
        },
        testing::ExitedWithCode(1), "^$");
}

} // namespace
