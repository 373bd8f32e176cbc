#include "BmpBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const std::string runDir = VELDRIN_RUN_DIR;

struct PictureCase {
    std::string path; // below the run folder
    int width;
    int height;
};

// Every picture the game loads, with the size it uploads from it.
const std::vector<PictureCase> pictures = {
    {"mahjong/tile64.bmp", 64, 64 * 42},
    {"mahjong/tile128.bmp", 128, 128 * 42},
    {"tex/background.bmp", 512, 512},
    {"tex/background2.bmp", 512, 512},
    {"tex/bang.bmp", 64, 64},
    {"tex/combo.bmp", 64, 64},
    {"tex/turbo.bmp", 64, 64},
    {"tex/help.bmp", 512, 512},
};

TEST(GeneratedPictures, AreUncompressed24BitBottomUpBitmapsOfTheLoadedSize) {
    for (const PictureCase& c : pictures) {
        SCOPED_TRACE(c.path);
        const std::vector<std::uint8_t> bytes = fileBytes(runDir + "/" + c.path);
        const size_t pixelBytes = static_cast<size_t>(c.width) * c.height * 3;
        ASSERT_EQ(bytes.size(), bmpHeader + pixelBytes);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(le32(bytes, 2), bytes.size());
        EXPECT_EQ(le32(bytes, 10), bmpHeader);
        EXPECT_EQ(le32(bytes, 14), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, biWidth)), c.width);
        EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, biHeight)), c.height);
        EXPECT_EQ(le16(bytes, biBitCount), 24);
        EXPECT_EQ(le32(bytes, biCompression), 0u);
        EXPECT_EQ(le32(bytes, biSizeImage), pixelBytes);
        // A picture of one flat colour would mean nothing was drawn.
        const auto [low, high] = std::minmax_element(bytes.begin() + bmpHeader, bytes.end());
        EXPECT_GT(*high - *low, 64);
    }
}

// Face k (1..42) of an atlas of face size s, as the game uploads it: s * s
// pixels from byte (42 - k) * s * s * 3 of the pixel block.
std::vector<std::uint8_t> face(const std::vector<std::uint8_t>& atlas, int size, int k) {
    const size_t faceBytes = static_cast<size_t>(size) * size * 3;
    const auto start = atlas.begin() + bmpHeader + (42 - k) * faceBytes;
    return {start, start + faceBytes};
}

// Share of the pixels in which two faces differ clearly (by more than 32 in
// some channel).
double differingShare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); i += 3)
        if (std::abs(a[i] - b[i]) > 32 || std::abs(a[i + 1] - b[i + 1]) > 32 ||
            std::abs(a[i + 2] - b[i + 2]) > 32)
            ++differing;
    return static_cast<double>(differing) / (a.size() / 3);
}

struct AtlasCase {
    std::string path;
    int size;
};

const std::vector<AtlasCase> atlases = {{"mahjong/tile64.bmp", 64}, {"mahjong/tile128.bmp", 128}};

TEST(GeneratedPictures, EveryTwoFacesDifferVisibly) {
    for (const AtlasCase& c : atlases) {
        const std::vector<std::uint8_t> atlas = fileBytes(runDir + "/" + c.path);
        ASSERT_EQ(atlas.size(), bmpHeader + static_cast<size_t>(c.size) * c.size * 3 * 42)
            << c.path;
        for (int a = 1; a <= 42; ++a)
            for (int b = a + 1; b <= 42; ++b)
                EXPECT_GT(differingShare(face(atlas, c.size, a), face(atlas, c.size, b)), 0.01)
                    << c.path << ": faces " << a << " and " << b << " look alike";
    }
}

// Counts of strongly red, green and blue pixels of a face (stored as BGR).
struct Inks {
    int red = 0;
    int green = 0;
    int blue = 0;
};

Inks inks(const std::vector<std::uint8_t>& bgr) {
    Inks n;
    for (size_t i = 0; i < bgr.size(); i += 3) {
        const int b = bgr[i];
        const int g = bgr[i + 1];
        const int r = bgr[i + 2];
        n.red += r > 150 && g < 90 && b < 90;
        n.green += g > 90 && r < 80 && b < 120 && g > b + 30;
        n.blue += b > 120 && r < 90 && g < 130;
    }
    return n;
}

// The game finds face k at its offset only if face 1 is the top square of
// the picture; the dragons at the bottom show whether the order holds.
TEST(GeneratedPictures, FacesSitInDealingOrderFromTheTop) {
    struct InkCase {
        int face;
        const char* what;
        bool red;
        bool green;
        bool blue;
    };
    const std::vector<InkCase> cases = {
        {40, "red dragon", true, false, false},
        {41, "green dragon", false, true, false},
        {42, "white dragon (blue frame)", false, false, true},
        {19, "one of characters (red sign)", true, false, false},
        {8, "eight of dots (all blue)", false, false, true},
    };
    for (const AtlasCase& atlasCase : atlases) {
        const std::vector<std::uint8_t> atlas = fileBytes(runDir + "/" + atlasCase.path);
        ASSERT_EQ(atlas.size(),
                  bmpHeader + static_cast<size_t>(atlasCase.size) * atlasCase.size * 3 * 42);
        const int enough = atlasCase.size * atlasCase.size / 50;
        for (const InkCase& c : cases) {
            SCOPED_TRACE(atlasCase.path + ": face " + std::to_string(c.face) + ", " + c.what);
            const Inks n = inks(face(atlas, atlasCase.size, c.face));
            EXPECT_EQ(n.red > enough, c.red) << n.red;
            EXPECT_EQ(n.green > enough, c.green) << n.green;
            EXPECT_EQ(n.blue > enough, c.blue) << n.blue;
        }
    }
}

// Rows are stored bottom row first, so the first half of a face's block is
// the lower half of the face as the tile shows it.
TEST(GeneratedPictures, FacesStandUpright) {
    struct UprightCase {
        int face;
        const char* what;
        bool redBelow; // the face's red ink lies in its lower half
    };
    const std::vector<UprightCase> cases = {
        {19, "characters: red sign under the numeral", true},
        {36, "east wind: red letter in the top corner", false},
    };
    for (const AtlasCase& atlasCase : atlases) {
        const std::vector<std::uint8_t> atlas = fileBytes(runDir + "/" + atlasCase.path);
        ASSERT_EQ(atlas.size(),
                  bmpHeader + static_cast<size_t>(atlasCase.size) * atlasCase.size * 3 * 42);
        for (const UprightCase& c : cases) {
            SCOPED_TRACE(atlasCase.path + ": face " + std::to_string(c.face) + ", " + c.what);
            const std::vector<std::uint8_t> block = face(atlas, atlasCase.size, c.face);
            const auto middle = block.begin() + block.size() / 2;
            const int lower = inks({block.begin(), middle}).red;
            const int upper = inks({middle, block.end()}).red;
            EXPECT_EQ(lower > upper, c.redBelow) << "lower " << lower << ", upper " << upper;
        }
    }
}

} // namespace
