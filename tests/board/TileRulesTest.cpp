#include "BoardFixture.h"

#include "board/FaceKinds.h"

#include <gtest/gtest.h>

namespace {

// Free-tile rule: the tiles of a scenario, the cell asked about, the answer.
struct FreeCase {
    const char* name;
    std::vector<PlacedTile> tiles;
    Cell cell;
    bool free;
};

class FreeRule : public testing::TestWithParam<FreeCase> {};

TEST_P(FreeRule, AnswersForTheCell) {
    const FreeCase& c = GetParam();
    const auto board = scenarioBoard(c.tiles);
    EXPECT_EQ(board->isFree(c.cell.column, c.cell.row, c.cell.layer), c.free);
    // A click on the tile itself agrees: it selects only a free tile.
    const std::int32_t code = board->clickTile(c.cell.column, c.cell.row, c.cell.layer);
    EXPECT_EQ(code, c.free ? clickSelected : clickNothing);
}

INSTANTIATE_TEST_SUITE_P(
    TileRules, FreeRule,
    testing::Values(
        FreeCase{"Lone", {{0, 3, 5}}, {5, 3, 0}, true},
        FreeCase{"BothSidesTaken", {{0, 3, 4}, {0, 3, 5}, {0, 3, 6}}, {5, 3, 0}, false},
        FreeCase{"LeftEmpty", {{0, 3, 5}, {0, 3, 6}}, {5, 3, 0}, true},
        FreeCase{"RightEmpty", {{0, 3, 4}, {0, 3, 5}}, {5, 3, 0}, true},
        FreeCase{
            "NeighbourInOtherRowDoesNotBlock", {{0, 2, 4}, {0, 3, 5}, {0, 4, 6}}, {5, 3, 0}, true},
        FreeCase{"CoverMarksCountAsTaken",
                 {{0, 3, 3, 257}, {0, 3, 5}, {0, 4, 6, 513}},
                 {5, 3, 0},
                 false},
        FreeCase{"Column0NeverBlockedSideways", {{0, 3, 0}, {0, 3, 1}}, {0, 3, 0}, true},
        FreeCase{"Column14NeverBlockedSideways", {{0, 3, 13}, {0, 3, 14}}, {14, 3, 0}, true},
        FreeCase{"RightShiftedWithLeftNeighbour", {{0, 3, 4}, {0, 3, 5, 257}}, {5, 3, 0}, false},
        FreeCase{"RightShiftedWithLeftEmpty", {{0, 3, 5, 257}, {0, 3, 7}}, {5, 3, 0}, true},
        FreeCase{"RightShiftedInColumn0", {{0, 3, 0, 257}, {0, 3, 2}}, {0, 3, 0}, true},
        FreeCase{"TileDirectlyAbove", {{0, 3, 5}, {1, 3, 5}}, {5, 3, 0}, false},
        FreeCase{"CoverMarkAbove", {{0, 3, 5}, {1, 3, 4, 257}}, {5, 3, 0}, false},
        FreeCase{"CoverMarkFromAboveAndLeft", {{0, 3, 5}, {1, 4, 4, 769}}, {5, 3, 0}, false},
        FreeCase{"OverlapWithoutCoverMarkAbove", {{0, 3, 5, 257}, {1, 3, 6}}, {5, 3, 0}, true},
        FreeCase{"TwoLayersUpDoesNotCover", {{0, 3, 5}, {2, 3, 5}}, {5, 3, 0}, true},
        FreeCase{"Layer4NeverCovered", {{4, 3, 5}}, {5, 3, 4}, true},
        FreeCase{"EmptyCell", {{0, 3, 5}}, {6, 3, 0}, false},
        FreeCase{"CoverCellIsNoTile", {{0, 3, 5, 257}}, {6, 3, 0}, false},
        FreeCase{"OutsideTheGrid", {{0, 3, 5}}, {15, 3, 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TileRules, EmptyingEitherNeighbourFreesABlockedTile) {
    for (int emptied : {4, 6}) {
        const auto board = scenarioBoard({{0, 3, 4}, {0, 3, 5}, {0, 3, 6}});
        ASSERT_FALSE(board->isFree(5, 3, 0));
        board->removeCell(emptied, 3, 0);
        EXPECT_TRUE(board->isFree(5, 3, 0)) << "emptied column " << emptied;
    }
}

TEST(TileRules, FaceGroups) {
    struct Case {
        std::int32_t face1;
        std::int32_t face2;
        bool match;
    };
    const std::vector<Case> cases = {{29, 31, true},  {33, 35, true},  {28, 32, false},
                                     {27, 28, false}, {5, 5, true},    {28, 31, true},
                                     {31, 32, false}, {35, 36, false}, {42, 42, true},
                                     {1, 2, false},   {32, 32, true}};
    const auto board = scenarioBoard({{0, 3, 1}, {0, 5, 1}});
    for (const Case& c : cases) {
        board->tiles[0][3][1].face = c.face1;
        board->tiles[0][5][1].face = c.face2;
        EXPECT_EQ(board->facesMatch(1, 3, 0, 1, 5, 0), c.match) << c.face1 << " " << c.face2;
        EXPECT_EQ(board->facesMatch(1, 5, 0, 1, 3, 0), c.match) << c.face2 << " " << c.face1;
        EXPECT_EQ(matchGroup(c.face1) == matchGroup(c.face2), c.match);
    }
}

TEST(TileRules, MatchGroupNamesTheGroup) {
    struct Case {
        std::int32_t face;
        std::int32_t group;
    };
    for (const Case& c : std::vector<Case>{
             {1, 1}, {27, 27}, {28, 28}, {31, 28}, {32, 32}, {35, 32}, {36, 36}, {42, 42}})
        EXPECT_EQ(matchGroup(c.face), c.group) << c.face;
}

// Three free tiles far apart: A and B of face 5, C of face 6.
class Selection : public testing::Test {
  protected:
    void SetUp() override {
        board = scenarioBoard({{0, 1, 1}, {0, 5, 7}, {2, 3, 12}});
        board->tiles[0][1][1].face = 5;
        board->tiles[0][5][7].face = 5;
        board->tiles[2][3][12].face = 6;
    }
    std::int32_t click(const Cell& cell) {
        return board->clickTile(cell.column, cell.row, cell.layer);
    }
    void expectSelected(const Cell& cell) {
        ASSERT_NE(board->selectedTile, nullptr);
        EXPECT_EQ(board->selectedTile, &board->tiles[cell.layer][cell.row][cell.column]);
        EXPECT_EQ(board->selectedColumn, cell.column);
        EXPECT_EQ(board->selectedRow, cell.row);
        EXPECT_EQ(board->selectedLayer, cell.layer);
        int flagged = 0;
        for (const auto& layer : board->tiles)
            for (const auto& row : layer)
                for (const Tile& tile : row)
                    flagged += tile.selected ? 1 : 0;
        EXPECT_EQ(flagged, 1);
        EXPECT_TRUE(board->selectedTile->selected);
    }
    void expectNoneSelected() {
        EXPECT_EQ(board->selectedTile, nullptr);
        for (const auto& layer : board->tiles)
            for (const auto& row : layer)
                for (const Tile& tile : row)
                    EXPECT_FALSE(tile.selected);
    }

    std::unique_ptr<Mahjong> board;
    const Cell a{1, 1, 0};
    const Cell b{7, 5, 0};
    const Cell c{12, 3, 2};
};

TEST_F(Selection, ResultCodesFollowTheSelection) {
    EXPECT_EQ(click(a), clickSelected);
    expectSelected(a);
    EXPECT_EQ(click(a), clickCancelled);
    expectNoneSelected();
    EXPECT_EQ(click(a), clickSelected);
    expectSelected(a);
    EXPECT_EQ(click(c), clickMoved);
    expectSelected(c);
    EXPECT_FALSE(board->tiles[0][1][1].selected);
    EXPECT_EQ(click(b), clickMoved);
    expectSelected(b);
    EXPECT_EQ(board->tilesLeft(), 144);
    EXPECT_EQ(click(a), clickRemoved);
    expectNoneSelected();
    EXPECT_EQ(board->tilesLeft(), 142);
    EXPECT_FALSE(board->tiles[0][1][1].present);
    EXPECT_FALSE(board->tiles[0][5][7].present);
    EXPECT_EQ(board->tiles[0][1][1].face, 0);
    EXPECT_EQ(board->tiles[0][5][7].face, 0);
    ASSERT_EQ(board->removedCount, 2);
    // The selected tile goes first, the tile clicked second after it.
    EXPECT_EQ(board->removed[0].column, b.column);
    EXPECT_EQ(board->removed[1].column, a.column);
}

TEST_F(Selection, ClickOnATileThatIsNotFreeKeepsTheSelection) {
    ASSERT_EQ(click(a), clickSelected);
    EXPECT_EQ(board->clickTile(3, 3, 0), clickNothing); // empty cell
    board->tiles[3][3][12].present = true;              // now c is covered
    board->tiles[3][3][12].face = 9;
    EXPECT_EQ(click(c), clickNothing);
    expectSelected(a);
}

TEST_F(Selection, RestoreClearsTheSelectionAndPutsTilesBackInReverseOrder) {
    ASSERT_EQ(click(b), clickSelected);
    ASSERT_EQ(click(a), clickRemoved);
    ASSERT_EQ(click(c), clickSelected);
    board->restoreLastTile();
    expectNoneSelected();
    EXPECT_TRUE(board->tiles[0][1][1].present); // clicked second, back first
    EXPECT_FALSE(board->tiles[0][5][7].present);
    EXPECT_EQ(board->tilesLeft(), 143);
    board->restoreLastTile();
    EXPECT_TRUE(board->tiles[0][5][7].present);
    EXPECT_EQ(board->tiles[0][5][7].face, 5);
    EXPECT_EQ(board->tilesLeft(), 144);
}

TEST_F(Selection, RestoreOnAnEmptyStackOnlyClearsTheSelection) {
    ASSERT_EQ(click(c), clickSelected);
    board->restoreLastTile();
    expectNoneSelected();
    EXPECT_EQ(board->tilesLeft(), 144);
    EXPECT_EQ(board->removedCount, 0);
    EXPECT_TRUE(board->tiles[2][3][12].present);
}

// A removed pair: the two tiles, their layout values and the stack entries it takes.
struct PairCase {
    const char* name;
    PlacedTile first;
    PlacedTile second;
    int entries;
};

class RemoveAndRestore : public testing::TestWithParam<PairCase> {};

TEST_P(RemoveAndRestore, GivesBackTheEarlierBoardExceptTheSelection) {
    const PairCase& p = GetParam();
    // Neighbours around both tiles so that cover marks and faces of others are in play.
    const auto board = scenarioBoard({p.first, p.second, {0, 7, 0}, {1, 7, 14}, {0, 5, 13}});
    board->deal();
    board->tiles[p.first.layer][p.first.row][p.first.column].face = 30;
    board->tiles[p.second.layer][p.second.row][p.second.column].face = 29;
    std::vector<Tile> before;
    for (const auto& layer : board->tiles)
        for (const auto& row : layer)
            before.insert(before.end(), std::begin(row), std::end(row));
    const int tilesBefore = board->tilesLeft();

    ASSERT_EQ(board->clickTile(p.first.column, p.first.row, p.first.layer), clickSelected);
    ASSERT_EQ(board->clickTile(p.second.column, p.second.row, p.second.layer), clickRemoved);
    EXPECT_EQ(board->removedCount, p.entries);
    EXPECT_EQ(board->tilesLeft(), tilesBefore - 2);
    for (int i = 0; i < board->removedCount; ++i) {
        const RemovedCell& entry = board->removed[i];
        EXPECT_EQ(board->tiles[entry.layer][entry.row][entry.column].face, 0);
        EXPECT_FALSE(board->tiles[entry.layer][entry.row][entry.column].present);
    }
    board->restoreLastTile();
    board->restoreLastTile();
    EXPECT_EQ(board->removedCount, 0);
    EXPECT_EQ(board->tilesLeft(), tilesBefore);
    EXPECT_EQ(board->selectedTile, nullptr);
    int index = 0;
    for (const auto& layer : board->tiles)
        for (const auto& row : layer)
            for (const Tile& tile : row)
                EXPECT_TRUE(sameTile(tile, before[index++])) << "cell index " << index - 1;
}

INSTANTIATE_TEST_SUITE_P(
    TileRules, RemoveAndRestore,
    testing::Values(PairCase{"Plain", {0, 3, 5}, {2, 6, 9}, 2},
                    PairCase{"RightAndDown", {0, 3, 5, 257}, {1, 4, 9, 513}, 4},
                    PairCase{"BothWaysAndPlain", {0, 3, 5, 769}, {2, 1, 2}, 5},
                    PairCase{"BothWaysTwice", {0, 3, 5, 769}, {4, 6, 13, 769}, 8}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
