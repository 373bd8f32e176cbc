#include "BoardFixture.h"

#include "board/ViewSize.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CoveredCell {
    int row;
    int column;
    std::int32_t face;
};

struct ShiftCase {
    const char* name;
    PlacedTile tile;
    int shiftX;
    int shiftY;
    float x;
    float y;
    std::vector<CoveredCell> covered;
};

class ShiftedTile : public testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftedTile, SetsPositionAndCoverMarks) {
    const ShiftCase& c = GetParam();
    const auto board = loadBoard(layoutWith({c.tile}));
    const Tile& tile = board->tiles[c.tile.layer][c.tile.row][c.tile.column];
    EXPECT_TRUE(tile.present);
    EXPECT_EQ(tile.face, c.tile.value & layoutTileMask);
    EXPECT_EQ(tile.shiftX, c.shiftX);
    EXPECT_EQ(tile.shiftY, c.shiftY);
    EXPECT_FLOAT_EQ(tile.x, c.x);
    EXPECT_FLOAT_EQ(tile.y, c.y);
    EXPECT_FLOAT_EQ(tile.z, static_cast<float>(c.tile.layer));
    for (const CoveredCell& cover : c.covered) {
        const Tile& cell = board->tiles[c.tile.layer][cover.row][cover.column];
        EXPECT_EQ(cell.face, cover.face) << "row " << cover.row << " column " << cover.column;
        EXPECT_FALSE(cell.present);
        EXPECT_EQ(cell.shiftX, 0);
        EXPECT_EQ(cell.shiftY, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Construction, ShiftedTile,
    testing::Values(
        ShiftCase{"Plain", {2, 6, 0, 1}, 0, 0, -14.0f, 6.0f, {{6, 1, 0}}},
        ShiftCase{"Right", {0, 3, 5, 257}, 1, 0, -3.0f, -3.0f, {{3, 6, 0x400}}},
        ShiftCase{"Down", {0, 3, 5, 513}, 0, 1, -4.0f, -4.5f, {{2, 5, 0x800}}},
        ShiftCase{"Both",
                  {0, 3, 5, 769},
                  1,
                  1,
                  -3.0f,
                  -4.5f,
                  {{3, 6, 0xC00}, {2, 5, 0xC00}, {2, 6, 0xC00}}},
        ShiftCase{"DownInColumn14", {1, 1, 14, 513}, 0, 1, 14.0f, -10.5f, {{0, 14, 0x800}}},
        ShiftCase{"RightInRow0", {4, 0, 13, 257}, 1, 0, 13.0f, -12.0f, {{0, 14, 0x400}}}),
    [](const auto& info) { return std::string(info.param.name); });

// 144 plain tiles: layers 0 and 1 (120 cells) full and 24 more on layer 2.
Layout plainLayout() {
    Layout layout;
    int count = 0;
    for (auto& layer : layout.values)
        for (auto& row : layer)
            for (auto& value : row)
                if (count < layoutTileCount) {
                    value = 1;
                    ++count;
                }
    return layout;
}

TEST(Construction, PlainLayoutBuildsEveryTileUnshifted) {
    const auto board = loadBoard(plainLayout());
    EXPECT_EQ(presentCells(*board).size(), 144u);
    for (const Cell& cell : presentCells(*board)) {
        const Tile& tile = board->tiles[cell.layer][cell.row][cell.column];
        EXPECT_EQ(tile.shiftX, 0);
        EXPECT_EQ(tile.shiftY, 0);
        EXPECT_EQ(tile.face, 1);
        EXPECT_FALSE(tile.selected);
        EXPECT_FLOAT_EQ(tile.x, 2.0f * cell.column - 14.0f);
        EXPECT_FLOAT_EQ(tile.y, 3.0f * cell.row - 12.0f);
    }
    EXPECT_EQ(board->tilesLeft(), 144);
    EXPECT_FALSE(board->isCleared());
    EXPECT_EQ(board->removedCount, 0);
    EXPECT_EQ(board->selectedTile, nullptr);
    EXPECT_FLOAT_EQ(board->cameraDistance(), 35.0f);
    EXPECT_FLOAT_EQ(board->originX, 14.0f);
    EXPECT_FLOAT_EQ(board->originY, 12.0f);
}

TEST(Construction, CameraDistanceIsPlainGetAndSet) {
    const auto board = loadBoard(plainLayout());
    for (float distance : {35.0f, 35.1f, -3.0f, 1000.0f}) {
        board->setCameraDistance(distance);
        EXPECT_EQ(board->cameraDistance(), distance);
    }
}

TEST(Construction, WhiteSpaceArrangementDoesNotMatter) {
    const Layout layout =
        layoutWith({{0, 3, 5, 769}, {0, 7, 0, 513}, {1, 4, 13, 257}, {3, 2, 2, 1}});
    const auto reference = loadBoard(layout);
    for (const char* separator : {" ", "\t", "\r\n", "\n\n  \t"}) {
        const TempFile file(layoutText(layout, separator));
        const auto board = loadBoard(file.path());
        for (int layer = 0; layer < boardLayers; ++layer)
            for (int row = 0; row < boardRows; ++row)
                for (int column = 0; column < boardColumns; ++column)
                    EXPECT_TRUE(sameTile(board->tiles[layer][row][column],
                                         reference->tiles[layer][row][column]))
                        << "separator " << testing::PrintToString(separator) << " cell " << layer
                        << "/" << row << "/" << column;
    }
}

TEST(Construction, FocalLengthFollowsViewHeight) {
    struct Case {
        std::int32_t height;
        double expected;
    };
    const std::int32_t savedHeight = viewHeight;
    for (const Case& c :
         {Case{1024, 512 / std::tan(0.3926875)}, Case{768, 384 / std::tan(0.3926875)},
          Case{601, 300 / std::tan(0.3926875)}}) {
        viewHeight = c.height;
        loadBoard(plainLayout());
        EXPECT_DOUBLE_EQ(focalLength, c.expected) << c.height;
    }
    viewHeight = savedHeight;
}

TEST(Construction, DestructorHandsFaceTexturesToTheReleaseHook) {
    static std::vector<std::uint32_t> released;
    released.clear();
    faceTextureRelease = [](const std::uint32_t names[faceKinds]) {
        released.assign(names, names + faceKinds);
    };
    {
        const auto board = loadBoard(plainLayout());
        for (int i = 0; i < faceKinds; ++i)
            board->faceTextures[i] = 100 + i;
    }
    faceTextureRelease = nullptr;
    ASSERT_EQ(released.size(), static_cast<size_t>(faceKinds));
    for (int i = 0; i < faceKinds; ++i)
        EXPECT_EQ(released[i], static_cast<std::uint32_t>(100 + i));
}

// Bad files: text and the refusal expected of it.
struct BadFile {
    const char* name;
    std::string text;
    LayoutError error;
};

std::string withValue(std::vector<PlacedTile> placed) {
    // layoutWith fills to 144, so the extra tiles of a bad case come on top.
    return layoutText(layoutWith(placed));
}

std::string withCount(int tiles) {
    Layout layout;
    int count = 0;
    for (auto& layer : layout.values)
        for (auto& row : layer)
            for (auto& value : row)
                if (count++ < tiles)
                    value = 1;
    return layoutText(layout);
}

std::string plainText() {
    return layoutText(plainLayout());
}

std::vector<BadFile> badFiles() {
    std::string cutShort = plainText();
    cutShort.resize(cutShort.rfind('1')); // the last number is gone
    std::string word = plainText();
    word.replace(word.find('1'), 1, "one");
    std::string glued = plainText();
    glued.replace(glued.find('1'), 1, "1x");
    std::string huge = plainText();
    huge.replace(huge.find('1'), 1, "99999999999");
    std::string lonelySign = plainText();
    lonelySign.replace(lonelySign.find('1'), 1, "-");
    return {
        {"Empty", "", LayoutError::TooFewNumbers},
        {"OneNumberShort", cutShort, LayoutError::TooFewNumbers},
        {"Word", word, LayoutError::NotANumber},
        {"NumberGluedToText", glued, LayoutError::NotANumber},
        {"Overflow", huge, LayoutError::NotANumber},
        {"SignWithoutDigits", lonelySign, LayoutError::NotANumber},
        {"ExtraNumber", plainText() + "1\n", LayoutError::TrailingContent},
        {"TrailingText", plainText() + "end\n", LayoutError::TrailingContent},
        {"Negative", withValue({{0, 3, 3, -1}}), LayoutError::BadValue},
        {"UnknownHighBit", withValue({{0, 3, 3, 0x401}}), LayoutError::BadValue},
        {"ShiftOnEmptyCell", withValue({{0, 3, 3, 256}}), LayoutError::BadValue},
        {"TooFewTiles", withCount(143), LayoutError::TileCount},
        {"TooManyTiles", withCount(145), LayoutError::TileCount},
        {"NoTiles", withCount(0), LayoutError::TileCount},
        {"ShiftRightInColumn14", withValue({{0, 3, 14, 257}}), LayoutError::ShiftRightAtEdge},
        {"ShiftDownInRow0", withValue({{0, 0, 3, 513}}), LayoutError::ShiftDownAtEdge},
        {"BothShiftsInRow0", withValue({{2, 0, 3, 769}}), LayoutError::ShiftDownAtEdge},
        {"TileInCellCoveredFromLeft", withValue({{0, 3, 5, 257}, {0, 3, 6, 1}}),
         LayoutError::Overlap},
        {"TileInCellCoveredFromAbove", withValue({{0, 3, 5, 513}, {0, 2, 5, 1}}),
         LayoutError::Overlap},
        {"TileInDiagonalCover", withValue({{0, 3, 5, 769}, {0, 2, 6, 1}}), LayoutError::Overlap},
        {"RightShiftedRow", withValue({{0, 3, 5, 257}, {0, 3, 6, 257}}), LayoutError::Overlap},
        {"CellCoveredTwice", withValue({{0, 3, 5, 769}, {0, 4, 6, 513}}), LayoutError::Overlap},
    };
}

class BadLayoutFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadLayoutFile, IsRefusedWithoutTouchingTheResult) {
    const TempFile file(GetParam().text);
    Layout layout;
    layout.values[1][2][3] = 77;
    EXPECT_EQ(readLayout(file.path(), layout), GetParam().error);
    EXPECT_EQ(layout.values[1][2][3], 77);
    EXPECT_EQ(layout.values[0][0][0], 0);
}

INSTANTIATE_TEST_SUITE_P(Layout, BadLayoutFile, testing::ValuesIn(badFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

using BadLayoutFileDeathTest = BadLayoutFile;

TEST_P(BadLayoutFileDeathTest, EndsTheProgramWithTheConstructMessage) {
    const TempFile file(GetParam().text);
    EXPECT_EXIT(loadBoard(file.path()), testing::ExitedWithCode(1),
                "MAHJONG CONSTRUCT: Nepodarilo se otevrit soubor\\.");
}

INSTANTIATE_TEST_SUITE_P(Layout, BadLayoutFileDeathTest, testing::ValuesIn(badFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutDeathTest, MissingFileEndsTheProgramWithTheConstructMessage) {
    Layout layout;
    EXPECT_EQ(readLayout("mahjong\\no-such-layout.tab", layout), LayoutError::CannotOpen);
    EXPECT_EXIT(loadBoard("mahjong\\no-such-layout.tab"), testing::ExitedWithCode(1),
                "MAHJONG CONSTRUCT: Nepodarilo se otevrit soubor\\.");
}

TEST(Layout, GoodFileIsReadIntoTheResult) {
    const Layout expected = layoutWith({{0, 3, 5, 769}, {1, 7, 14, 513}});
    const TempFile file(layoutText(expected));
    Layout layout;
    ASSERT_EQ(readLayout(file.path(), layout), LayoutError::None);
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row)
            for (int column = 0; column < boardColumns; ++column)
                EXPECT_EQ(layout.values[layer][row][column], expected.values[layer][row][column]);
}

} // namespace
