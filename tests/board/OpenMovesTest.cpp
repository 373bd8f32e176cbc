#include "BoardFixture.h"

#include <gtest/gtest.h>

namespace {

struct FacedTile {
    PlacedTile tile;
    std::int32_t face;
};

struct MovesCase {
    const char* name;
    std::vector<FacedTile> tiles;
    std::int32_t moves;
};

std::unique_ptr<Mahjong> facedBoard(const std::vector<FacedTile>& tiles) {
    std::vector<PlacedTile> placed;
    for (const FacedTile& t : tiles)
        placed.push_back(t.tile);
    auto board = scenarioBoard(placed);
    for (const FacedTile& t : tiles)
        board->tiles[t.tile.layer][t.tile.row][t.tile.column].face = t.face;
    return board;
}

class OpenMoves : public testing::TestWithParam<MovesCase> {};

TEST_P(OpenMoves, CountsPairsAmongUncoveredRowEnds) {
    const auto board = facedBoard(GetParam().tiles);
    EXPECT_EQ(board->countOpenMoves(), GetParam().moves);
}

// A row from column 3 to 9 on layer 0 row 2, with the given end and middle faces.
std::vector<FacedTile> row3to9(std::int32_t left, std::int32_t middle, std::int32_t right) {
    std::vector<FacedTile> tiles;
    for (int column = 3; column <= 9; ++column)
        tiles.push_back({{0, 2, column}, column == 3 ? left : column == 9 ? right : middle});
    return tiles;
}

std::vector<FacedTile> plus(std::vector<FacedTile> tiles, const std::vector<FacedTile>& more) {
    tiles.insert(tiles.end(), more.begin(), more.end());
    return tiles;
}

INSTANTIATE_TEST_SUITE_P(
    Board, OpenMoves,
    testing::Values(
        MovesCase{"EmptyBoard", {}, 0},
        MovesCase{"LoneTilesOfOneFace", {{{0, 1, 4}, 7}, {{1, 5, 9}, 7}}, 1},
        MovesCase{"Column14CountsOnce", {{{0, 1, 14}, 7}, {{0, 5, 3}, 7}}, 1},
        MovesCase{"Column0CountsOnce", {{{0, 1, 0}, 7}, {{0, 5, 3}, 7}}, 1},
        MovesCase{"RowEndsMatch", row3to9(7, 9, 7), 1},
        MovesCase{"MiddleTilesAreNotCounted", row3to9(7, 7, 8), 0},
        MovesCase{"TwoEndsNextToEachOther", {{{0, 4, 13}, 7}, {{0, 4, 14}, 7}}, 1},
        MovesCase{"FlowerGroup", {{{0, 1, 1}, 28}, {{0, 3, 1}, 31}}, 1},
        MovesCase{"FlowerAndSeasonDiffer", {{{0, 1, 1}, 28}, {{0, 3, 1}, 32}}, 0},
        MovesCase{"ThreeOfAFace", {{{0, 1, 1}, 7}, {{0, 3, 1}, 7}, {{0, 5, 1}, 7}}, 2},
        MovesCase{"FourAndTwo",
                  {{{0, 0, 1}, 7},
                   {{0, 1, 1}, 7},
                   {{0, 2, 1}, 7},
                   {{0, 3, 1}, 7},
                   {{0, 4, 1}, 40},
                   {{0, 5, 1}, 40}},
                  4},
        MovesCase{"TileAboveHidesTheEnd", {{{0, 1, 1}, 7}, {{0, 3, 1}, 7}, {{1, 3, 1}, 9}}, 0},
        MovesCase{
            "CoverMarkAboveHidesTheEnd", {{{0, 1, 4}, 7}, {{0, 3, 4}, 7}, {{1, 3, 3, 257}, 9}}, 0},
        MovesCase{"RightEndOnlyCoverMarks",
                  plus(row3to9(7, 9, 9), {{{0, 2, 10, 257}, 7}, {{0, 6, 1}, 7}}), 1},
        MovesCase{"RightEndShiftedTileWithoutShift",
                  plus(row3to9(7, 9, 9), {{{0, 2, 10}, 7}, {{0, 6, 1}, 7}}), 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenMovesOnShippedBoard, ClearedBoardGivesZeroAndCountChangesNothing) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    board->deal();
    const std::vector<std::int32_t> faces = presentFaces(*board);
    const std::int32_t moves = board->countOpenMoves();
    EXPECT_GE(moves, 0);
    EXPECT_EQ(board->countOpenMoves(), moves);
    EXPECT_EQ(presentFaces(*board), faces);
    for (const Cell& cell : presentCells(*board))
        board->removeCell(cell.column, cell.row, cell.layer);
    EXPECT_EQ(board->countOpenMoves(), 0);
}

} // namespace
