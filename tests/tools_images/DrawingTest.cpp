#include "BmpBytes.h"

#include "BmpFile.h"
#include "Canvas.h"
#include "FaceKinds.h"
#include "Font.h"
#include "Shapes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(BmpEncoding, PadsRowsToFourBytesAndFillsInTheSizes) {
    struct SizeCase {
        int width;
        int height;
        size_t rowBytes;
    };
    const std::vector<SizeCase> cases = {
        {1, 1, 4}, {3, 2, 12}, {4, 1, 12}, {5, 3, 16}, {64, 64, 192}};
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::vector<std::uint8_t> bytes = encodeBmp(Canvas(c.width, c.height));
        const size_t pixelBytes = c.rowBytes * c.height;
        ASSERT_EQ(bytes.size(), bmpHeader + pixelBytes);
        EXPECT_EQ(le32(bytes, 2), bytes.size());
        EXPECT_EQ(le32(bytes, biSizeImage), pixelBytes);
        EXPECT_EQ(static_cast<int>(le32(bytes, biWidth)), c.width);
        EXPECT_EQ(static_cast<int>(le32(bytes, biHeight)), c.height);
    }
}

TEST(BmpEncoding, StoresTheBottomRowFirstInBlueGreenRedOrder) {
    Canvas canvas(3, 2);                        // odd width: each row carries 3 bytes of padding
    canvas.setPixel(0, 0, rgb(10, 20, 30));     // top left
    canvas.setPixel(2, 1, rgb(40, 50, 60));     // bottom right
    canvas.setPixel(1, 1, {2.0f, -1.0f, 0.5f}); // out of range: clamped
    const std::vector<std::uint8_t> bytes = encodeBmp(canvas);
    const std::vector<std::uint8_t> bottomRow(bytes.begin() + 54, bytes.begin() + 66);
    const std::vector<std::uint8_t> topRow(bytes.begin() + 66, bytes.end());
    EXPECT_EQ(bottomRow, (std::vector<std::uint8_t>{0, 0, 0, 128, 0, 255, 60, 50, 40, 0, 0, 0}));
    EXPECT_EQ(topRow, (std::vector<std::uint8_t>{30, 20, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(BmpEncoding, WritingIntoAMissingFolderFailsWithTheReason) {
    std::string error;
    const std::string path = "/nonexistent-folder-for-test/x.bmp";
    EXPECT_FALSE(writeBmp(path, Canvas(4, 4), error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

// A canvas whose pixels are given row by row as grey values.
Canvas greys(int width, int height, const std::vector<float>& values) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float v = values[y * width + x];
            canvas.setPixel(x, y, {v, v, v});
        }
    return canvas;
}

TEST(Resampling, AveragesTheAreaEachTargetPixelCovers) {
    struct ResampleCase {
        const char* what;
        Canvas source;
        int width;
        int height;
        std::vector<float> expected;
    };
    const std::vector<ResampleCase> cases = {
        {"checker halved",
         greys(4, 4, {0, 1, 0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 0}),
         2,
         2,
         {0.5f, 0.5f, 0.5f, 0.5f}},
        {"three to two across", greys(3, 1, {0, 0.6f, 0.9f}), 2, 1, {0.2f, 0.8f}},
        {"stretch keeps values", greys(2, 1, {0.25f, 0.75f}), 4, 1, {0.25f, 0.25f, 0.75f, 0.75f}},
        {"nine by fourteen to one", Canvas(9, 14, {0.4f, 0.4f, 0.4f}), 1, 1, {0.4f}},
    };
    for (const ResampleCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Canvas out = resampled(c.source, c.width, c.height);
        ASSERT_EQ(out.width(), c.width);
        ASSERT_EQ(out.height(), c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                EXPECT_NEAR(out.pixel(x, y).r, c.expected[y * c.width + x], 1e-5f) << x << "," << y;
                EXPECT_NEAR(out.pixel(x, y).b, c.expected[y * c.width + x], 1e-5f) << x << "," << y;
            }
    }
}

TEST(Shapes, DistancesAreNegativeInsideAndZeroOnTheOutline) {
    struct DistanceCase {
        const char* what;
        float distance;
        float expected;
    };
    const std::vector<Point> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<DistanceCase> cases = {
        {"circle centre", circleDistance({0, 0}, {0, 0}, 5), -5},
        {"circle outside", circleDistance({8, 0}, {0, 0}, 5), 3},
        {"ellipse end of long axis", ellipseDistance({10, 0}, {0, 0}, 10, 4, 0), 0},
        {"ellipse turned upright", ellipseDistance({0, 10}, {0, 0}, 10, 4, 90), 0},
        {"capsule side", capsuleDistance({5, 3}, {0, 0}, {10, 0}, 1), 2},
        {"capsule end", capsuleDistance({13, 0}, {0, 0}, {10, 0}, 1), 2},
        {"box edge", boxDistance({4, 0}, {0, 0}, 4, 2, 0), 0},
        {"box inside", boxDistance({0, 0}, {0, 0}, 4, 2, 0), -2},
        {"rounded box corner", boxDistance({4, 2}, {0, 0}, 4, 2, 1), std::sqrt(2.0f) - 1},
        {"polygon inside", polygonDistance({5, 4}, square), -4},
        {"polygon outside", polygonDistance({13, 5}, square), 3},
        {"empty polygon is far", polygonDistance({0, 0}, {}) > 1e6f ? 1.0f : 0.0f, 1},
    };
    for (const DistanceCase& c : cases)
        EXPECT_NEAR(c.distance, c.expected, 1e-4f) << c.what;
}

TEST(FaceKinds, NumberTheSuitsInDealingOrder) {
    struct KindCase {
        int face;
        Suit suit;
        int rank;
    };
    const std::vector<KindCase> cases = {
        {1, Suit::Dots, 1},     {9, Suit::Dots, 9},        {10, Suit::Bamboo, 1},
        {18, Suit::Bamboo, 9},  {19, Suit::Characters, 1}, {27, Suit::Characters, 9},
        {28, Suit::Flowers, 1}, {31, Suit::Flowers, 4},    {32, Suit::Seasons, 1},
        {35, Suit::Seasons, 4}, {36, Suit::Winds, 1},      {39, Suit::Winds, 4},
        {40, Suit::Dragons, 1}, {42, Suit::Dragons, 3},
    };
    for (const KindCase& c : cases) {
        const FaceKind kind = faceKind(c.face);
        EXPECT_EQ(kind.suit, c.suit) << "face " << c.face;
        EXPECT_EQ(kind.rank, c.rank) << "face " << c.face;
    }
}

TEST(Fonts, AMissingFamilyIsNamedInsteadOfReplaced) {
    std::string error;
    EXPECT_EQ(Font::find({"No Such Family Veldrin", false}, error), nullptr);
    EXPECT_NE(error.find("\"No Such Family Veldrin\" is not installed"), std::string::npos)
        << error;
}

TEST(Fonts, RenderedTextHasInkWithinTheMask) {
    std::string error;
    const auto font = Font::find({"DejaVu Sans", false}, error);
    ASSERT_NE(font, nullptr) << error;
    EXPECT_EQ(font->missingCharacter(U"Keys 123"), 0u);
    const TextMask mask = font->render(U"Hi", 40);
    EXPECT_LT(mask.inkLeft, mask.inkRight);
    EXPECT_LT(mask.inkTop, mask.inkBottom);
    EXPECT_LE(mask.inkBottom, mask.baseline + 1); // no descenders in "Hi"
    EXPECT_GT(mask.advance, 20);
    EXPECT_NEAR(mask.advance, font->measure(U"Hi", 40), 0.01f);
    float ink = 0;
    for (float v : mask.coverage)
        ink += v;
    EXPECT_GT(ink, 100);
}

} // namespace
