// Uploads never read past a picture's pixel block: a picture smaller than what
// is taken from it ends the process like a missing one, before any GL call.
#include "gfx/SceneTextures.h"

#include "BmpFixture.h"
#include "LayoutFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include <unistd.h>

namespace {

constexpr const char* unreadableOutput = "^Nepodarilo se otevrit soubor \\*\\.bmp\n$";

BmpFixture grey(std::int32_t width, std::int32_t height) {
    return BmpFixture::filled(width, height, [](std::int32_t, std::int32_t) {
        return std::array<std::uint8_t, 3>{128, 128, 128};
    });
}

struct TooSmallCase {
    const char* name;
    BmpFixture picture;
    // Loads the picture at `path`; `folder` holds a layout for a board.
    std::function<void(const std::string& path, const std::string& folder)> load;
};

void PrintTo(const TooSmallCase& c, std::ostream* os) {
    *os << c.name;
}

class TooSmallPictureDeathTest : public ::testing::TestWithParam<TooSmallCase> {};

TEST_P(TooSmallPictureDeathTest, EndsWithTheLoaderMessage) {
    std::string folder = fixtureFolder();
    std::string path = folder + "/picture.bmp";
    GetParam().picture.write(path);
    std::string layout = writeFlatLayout(folder);
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            GetParam().load(path, folder);
        },
        ::testing::ExitedWithCode(1), unreadableOutput);
}

void asBackground(const std::string& path, const std::string&) {
    loadTexture(path.c_str(), 1, backgroundTextureSize);
}

std::function<void(const std::string&, const std::string&)> asFaceAtlas(int tileSize) {
    return [tileSize](const std::string& path, const std::string& folder) {
        Mahjong board((folder + "/flat.tab").c_str(), 14.0f, 12.0f, 35.0f);
        loadFaceTextures(board, path.c_str(), tileSize);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Uploads, TooSmallPictureDeathTest,
    ::testing::Values(TooSmallCase{"SmallPictureAsBackground", grey(64, 64), asBackground},
                      TooSmallCase{"PictureOneRowShortOfTheBackground", grey(512, 511),
                                   asBackground},
                      TooSmallCase{"EffectSizedUploadOfAnEmptyBlock", grey(0, 0),
                                   [](const std::string& path, const std::string&) {
                                       loadTexture(path.c_str(), 1, effectTextureSize);
                                   }},
                      TooSmallCase{"AtlasMissingItsLastRow", grey(64, 64 * 42 - 1), asFaceAtlas(0)},
                      TooSmallCase{"SmallAtlasForLargeFaces", grey(64, 64 * 42), asFaceAtlas(1)},
                      TooSmallCase{"SingleFace", grey(128, 128), asFaceAtlas(1)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
