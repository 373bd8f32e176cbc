#include "gfx/RGBImage.h"

#include "BmpFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>

#include <unistd.h>

namespace {

using Bgr = std::array<std::uint8_t, 3>;

// Blue, green and red differ in every pixel, so swaps and offsets show.
Bgr pattern(std::int32_t column, std::int32_t row) {
    return {static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
            static_cast<std::uint8_t>(200 + (column + row) % 50)};
}

// The stdout message of an unreadable bitmap, and nothing else (no box text).
constexpr const char* unreadableOutput = "^Nepodarilo se otevrit soubor \\*\\.bmp\n$";

// Loads the file with standard output sent to standard error, where the death
// test reads it.
void loadWithStdoutOnStderr(const std::string& path) {
    dup2(STDERR_FILENO, STDOUT_FILENO);
    RGBImage image(path.c_str());
}

TEST(RGBImage, Loads64By64FileWithLowerLeftPixelFirst) {
    std::string path = fixtureFolder() + "/tile.bmp";
    BmpFixture::filled(64, 64, pattern).write(path);
    ASSERT_EQ(std::filesystem::file_size(path), 12342u);

    RGBImage image(path.c_str());
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.height, 64);
    ASSERT_EQ(image.size(), 12288u);
    Bgr first = pattern(0, 0);
    EXPECT_EQ(image.pixels[0], first[0]);
    EXPECT_EQ(image.pixels[1], first[1]);
    EXPECT_EQ(image.pixels[2], first[2]);

    image.swapRedBlue();
    // Every pixel is now red, green, blue: check the first and the last one.
    EXPECT_EQ(image.pixels[0], first[2]);
    EXPECT_EQ(image.pixels[1], first[1]);
    EXPECT_EQ(image.pixels[2], first[0]);
    Bgr last = pattern(63, 63);
    EXPECT_EQ(image.pixels[12285], last[2]);
    EXPECT_EQ(image.pixels[12286], last[1]);
    EXPECT_EQ(image.pixels[12287], last[0]);
}

TEST(RGBImage, ZeroImageSizeLoadsTheSameAsTheTrueSize) {
    std::string folder = fixtureFolder();
    BmpFixture withSize = BmpFixture::filled(64, 64, pattern);
    BmpFixture withoutSize = withSize;
    withoutSize.sizeImage = 0;
    withSize.write(folder + "/sized.bmp");
    withoutSize.write(folder + "/unsized.bmp");

    RGBImage sized((folder + "/sized.bmp").c_str());
    RGBImage unsized((folder + "/unsized.bmp").c_str());
    EXPECT_EQ(unsized.width, sized.width);
    EXPECT_EQ(unsized.height, sized.height);
    EXPECT_EQ(unsized.pixels, sized.pixels);
}

TEST(RGBImage, BackslashDataPathOpensTheNativeFile) {
    std::string folder = fixtureFolder();
    std::filesystem::create_directories(folder + "/tex");
    BmpFixture::filled(2, 2, pattern).write(folder + "/tex/small.bmp");
    RGBImage image((folder + "\\tex\\small.bmp").c_str());
    EXPECT_EQ(image.size(), 12u);
}

TEST(RGBImage, MonochromeFileSkipsItsTwoEntryColourTable) {
    BmpFixture mono;
    mono.width = 8;
    mono.height = 1;
    mono.bitCount = 1;
    // Colour table (8 bytes), then one byte of pixels and row padding.
    mono.block = {0, 0, 0, 0, 255, 255, 255, 0, 0xA5, 0, 0, 0};
    std::string path = fixtureFolder() + "/mono.bmp";
    mono.write(path);

    RGBImage image(path.c_str());
    ASSERT_EQ(image.size(), 1u);
    EXPECT_EQ(image.pixels[0], 0xA5);
}

TEST(RGBImage, SwapStopsAtTheEndOfAShortBlock) {
    // The header claims 4 x 4 pixels but the block holds only two of them.
    BmpFixture bmp = BmpFixture::filled(2, 1, pattern);
    bmp.width = 4;
    bmp.height = 4;
    std::string path = fixtureFolder() + "/short.bmp";
    bmp.write(path);

    RGBImage image(path.c_str());
    image.swapRedBlue();
    ASSERT_EQ(image.size(), 6u);
    EXPECT_EQ((std::vector<std::uint8_t>{bmp.block[2], bmp.block[1], bmp.block[0], bmp.block[5],
                                         bmp.block[4], bmp.block[3]}),
              image.pixels);
}

TEST(RGBImage, HoldsAnswersWhetherARangeLiesInTheBlock) {
    std::string path = fixtureFolder() + "/four.bmp";
    BmpFixture::filled(2, 2, pattern).write(path); // 12 bytes
    RGBImage image(path.c_str());
    struct Case {
        std::size_t offset, bytes;
        bool inside;
    };
    for (Case c : std::vector<Case>{{0, 12, true},
                                    {0, 13, false},
                                    {12, 0, true},
                                    {6, 6, true},
                                    {6, 7, false},
                                    {13, 0, false},
                                    {1, SIZE_MAX, false}})
        EXPECT_EQ(image.holds(c.offset, c.bytes), c.inside) << c.offset << "+" << c.bytes;
}

struct UnreadableCase {
    const char* name;
    std::function<BmpFixture()> make; // null: no file at all
    std::size_t keep;                 // bytes of the file that are written
};

void PrintTo(const UnreadableCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreadableBitmapDeathTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableBitmapDeathTest, PrintsTheMessageAndExitsWithStatusOne) {
    std::string path = fixtureFolder() + "/picture.bmp";
    if (GetParam().make)
        GetParam().make().write(path, GetParam().keep);
    EXPECT_EXIT(loadWithStdoutOnStderr(path), ::testing::ExitedWithCode(1), unreadableOutput);
}

BmpFixture picture64() {
    return BmpFixture::filled(64, 64, pattern);
}

BmpFixture withHeader(std::int32_t width, std::int32_t height, std::uint32_t sizeImage) {
    BmpFixture bmp = BmpFixture::filled(4, 4, pattern);
    bmp.width = width;
    bmp.height = height;
    bmp.sizeImage = sizeImage;
    return bmp;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableBitmapDeathTest,
    ::testing::Values(
        UnreadableCase{"Missing", nullptr, SIZE_MAX}, UnreadableCase{"Empty", picture64, 0},
        UnreadableCase{"ShorterThanFileHeader", picture64, 10},
        UnreadableCase{"ShorterThanInformationHeader", picture64, 40},
        UnreadableCase{"HeadersOnly", picture64, 54},
        UnreadableCase{"PixelBlockCutShort", picture64, 54 + 12287},
        UnreadableCase{"PixelBlockCutShortWithZeroImageSize",
                       [] {
                           BmpFixture bmp = picture64();
                           bmp.sizeImage = 0;
                           return bmp;
                       },
                       54 + 6000},
        UnreadableCase{"MonochromeEndsInColourTable",
                       [] {
                           BmpFixture bmp = withHeader(8, 1, 0);
                           bmp.bitCount = 1;
                           return bmp;
                       },
                       58},
        UnreadableCase{"AbsurdImageSize", [] { return withHeader(4, 4, 0xFFFFFFF0u); }, SIZE_MAX},
        UnreadableCase{"AbsurdWidthAndHeight", [] { return withHeader(100000, 100000, 0); },
                       SIZE_MAX},
        UnreadableCase{"LargestWidthAndHeight",
                       [] { return withHeader(0x7FFFFFFF, 0x7FFFFFFF, 0); }, SIZE_MAX},
        UnreadableCase{"NegativeSizeFromTopDownRows", [] { return withHeader(4, -4, 0); },
                       SIZE_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
