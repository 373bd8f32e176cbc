#include "gfx/RGBAImage.h"

#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void fill(RGBAImage& image, const Bytes& bytes) {
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(image.width() * image.height() * 4));
    std::copy(bytes.begin(), bytes.end(), image.pixels);
}

Bytes contents(const RGBAImage& image) {
    return Bytes(image.pixels, image.pixels + image.width() * image.height() * 4);
}

Bytes uniform(int pixels, std::uint8_t value) {
    return Bytes(pixels * 4, value);
}

struct BlurCase {
    const char* name;
    std::int32_t width, height;
    Bytes before, after;
};

void PrintTo(const BlurCase& c, std::ostream* os) {
    *os << c.name;
}

class Blur : public ::testing::TestWithParam<BlurCase> {};

TEST_P(Blur, DividesTheNeighbourhoodSumByNine) {
    const BlurCase& c = GetParam();
    RGBAImage image;
    image.create(c.width, c.height);
    fill(image, c.before);
    image.blur();
    EXPECT_EQ(image.width(), c.width);
    EXPECT_EQ(image.height(), c.height);
    EXPECT_EQ(contents(image), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Images, Blur,
    ::testing::Values(
        // The single pixel only sees itself: each channel divided by 9.
        BlurCase{"OneByOne", 1, 1, {90, 9, 255, 17}, {10, 1, 28, 1}},
        // Ends see two pixels, the middle all three; channels stay apart.
        BlurCase{"ThreeByOne",
                 3,
                 1,
                 {90, 0, 9, 255, 45, 18, 9, 255, 0, 36, 9, 255},
                 {15, 2, 2, 56, 15, 6, 3, 85, 5, 6, 2, 56}},
        // A uniform 90: inner pixel 90, edges 60, corners 40.
        BlurCase{"UniformThreeByThree", 3, 3, uniform(9, 90), {40, 40, 40, 40, 60, 60, 60, 60, 40,
                                                               40, 40, 40, 60, 60, 60, 60, 90, 90,
                                                               90, 90, 60, 60, 60, 60, 40, 40, 40,
                                                               40, 60, 60, 60, 60, 40, 40, 40, 40}},
        // Sums of nine full channels (2295) must not wrap in a byte.
        BlurCase{"SaturatedCentreOfThreeByThree", 3, 3, uniform(9, 255),
                 [] {
                     Bytes b = uniform(9, 170);
                     for (int corner : {0, 2, 6, 8})
                         std::fill_n(b.begin() + corner * 4, 4, 113);
                     std::fill_n(b.begin() + 16, 4, 255);
                     return b;
                 }()},
        // A lone bright pixel spreads a ninth of itself to every neighbour, rows
        // and columns alike (the image is wider than high, so a row/column mix-up shows).
        BlurCase{"SpotInFourByThree", 4, 3,
                 [] {
                     Bytes b = uniform(12, 0);
                     std::fill_n(b.begin() + (1 * 4 + 1) * 4, 4, 90);
                     return b;
                 }(),
                 [] {
                     Bytes b = uniform(12, 0);
                     for (int row = 0; row < 3; ++row)
                         for (int column = 0; column < 3; ++column)
                             std::fill_n(b.begin() + (row * 4 + column) * 4, 4, 10);
                     return b;
                 }()},
        BlurCase{"Empty", 0, 0, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RGBAImage, CreateRecordsTheSizeAndDestroyMarksNotCreated) {
    RGBAImage image;
    EXPECT_FALSE(image.created());
    image.create(5, 3);
    EXPECT_TRUE(image.created());
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.height(), 3);
    image.destroy();
    EXPECT_FALSE(image.created());
    EXPECT_EQ(image.pixels, nullptr);
    image.create(2, 2); // a destroyed image may be created again
    EXPECT_TRUE(image.created());
}

TEST(RGBAImage, NegativeSizeCreatesAnEmptyImage) {
    RGBAImage image;
    image.create(-3, 4);
    EXPECT_TRUE(image.created());
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 4);
    image.blur();
    EXPECT_TRUE(image.created());
}

TEST(RGBAImage, CopyFromTakesSizeAndBytes) {
    RGBAImage source;
    source.create(2, 1);
    fill(source, {1, 2, 3, 4, 5, 6, 7, 8});
    RGBAImage copy;
    copy.copyFrom(source);
    EXPECT_EQ(copy.width(), 2);
    EXPECT_EQ(copy.height(), 1);
    EXPECT_EQ(contents(copy), contents(source));
    EXPECT_NE(copy.pixels, source.pixels);

    RGBAImage never;
    RGBAImage copyOfNothing;
    copyOfNothing.copyFrom(never);
    EXPECT_TRUE(copyOfNothing.created());
    EXPECT_EQ(copyOfNothing.width(), 0);
    EXPECT_EQ(copyOfNothing.height(), 0);
}

// Writes the box's icon next to its text, so a death test sees both.
void reportIcon(const char*, const char*, BoxIcon icon) {
    std::fprintf(stderr, "icon %d\n", static_cast<int>(icon));
}

TEST(RGBAImageDeathTest, MisuseShowsTheErrorBoxAndExits) {
    setMessageBoxDisplay(reportIcon);
    const std::string errorIcon = "icon " + std::to_string(static_cast<int>(BoxIcon::Error));
    EXPECT_EXIT(
        {
            RGBAImage image;
            image.create(2, 2);
            image.create(2, 2);
        },
        ::testing::ExitedWithCode(1),
        "^RGBAImage creation ERROR: Obraz je uz vytvoren !\n" + errorIcon + "\n$");
    EXPECT_EXIT(
        {
            RGBAImage source;
            source.create(1, 1);
            RGBAImage target;
            target.create(1, 1);
            target.copyFrom(source);
        },
        ::testing::ExitedWithCode(1),
        "^RGBAImage creation ERROR: Obraz je uz vytvoren !\n" + errorIcon + "\n$");
    EXPECT_EXIT(
        {
            RGBAImage image;
            image.create(2, 2);
            image.destroy();
            image.destroy();
        },
        ::testing::ExitedWithCode(1),
        "^RGBAImage destroying ERROR: Obraz jeste nebyl vytvoren !\n" + errorIcon + "\n$");
    EXPECT_EXIT(
        {
            RGBAImage image;
            image.destroy();
        },
        ::testing::ExitedWithCode(1),
        "^RGBAImage destroying ERROR: Obraz jeste nebyl vytvoren !\n" + errorIcon + "\n$");
    setMessageBoxDisplay(nullptr);
}

TEST(RGBAImageDeathTest, DeletingImagesThatAreNotCreatedIsSilent) {
    EXPECT_EXIT(
        {
            { RGBAImage never; }
            {
                RGBAImage destroyed;
                destroyed.create(1, 1);
                destroyed.destroy();
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^$");
}

} // namespace
