#include "BoardFixture.h"

#include "board/FaceKinds.h"
#include "platform/Clock.h"
#include "platform/GameRandom.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::uint32_t fixedTick = 0;
std::uint32_t fixedTickSource() {
    return fixedTick;
}

// The clock stands still at a chosen tick for the length of a test.
class Dealing : public testing::Test {
  protected:
    void SetUp() override {
        setTickSource(fixedTickSource);
        board = loadBoard(shippedLayout("classic.tab").c_str());
    }
    void TearDown() override { setTickSource(nullptr); }

    std::array<int, faceKinds + 1> faceHistogram() const {
        std::array<int, faceKinds + 1> counts{};
        for (const Cell& cell : presentCells(*board)) {
            const std::int32_t face = board->tiles[cell.layer][cell.row][cell.column].face;
            EXPECT_GE(face, 1);
            EXPECT_LE(face, faceKinds);
            if (face >= 1 && face <= faceKinds)
                ++counts[face];
        }
        return counts;
    }

    void expectFullSet() const {
        const auto counts = faceHistogram();
        for (int face = 1; face <= faceKinds; ++face)
            EXPECT_EQ(counts[face], faceCounts[face - 1]) << "face " << face;
    }

    // Gives the free tile at `cell` the face `face` by swapping faces with a
    // tile that holds it, so the board keeps a full set.
    // `keep` is a tile whose face must not be taken.
    void giveFace(const Cell& cell, std::int32_t face, const Cell& keep) {
        Tile& target = board->tiles[cell.layer][cell.row][cell.column];
        if (target.face == face)
            return;
        for (const Cell& other : presentCells(*board)) {
            Tile& holder = board->tiles[other.layer][other.row][other.column];
            if (holder.face == face && !(other == keep)) {
                std::swap(holder.face, target.face);
                return;
            }
        }
    }

    void removePair(std::int32_t face1, std::int32_t face2) {
        const std::vector<Cell> free = freeCells(*board);
        // Two free tiles that are not neighbours in one row, so both stay free.
        const Cell first = free.front();
        const Cell second = free.back();
        giveFace(first, face1, second);
        giveFace(second, face2, first);
        ASSERT_EQ(board->clickTile(first.column, first.row, first.layer), clickSelected);
        ASSERT_EQ(board->clickTile(second.column, second.row, second.layer), clickRemoved);
    }

    std::unique_ptr<Mahjong> board;
};

TEST_F(Dealing, FreshDealUsesTheFullSetOnce) {
    fixedTick = 4711;
    board->deal();
    expectFullSet();
}

TEST_F(Dealing, FaceCountsHoldAFullSet) {
    int total = 0;
    for (int face = 1; face <= faceKinds; ++face) {
        const int expected = face >= 28 && face <= 35 ? 1 : 4;
        EXPECT_EQ(faceCounts[face - 1], expected) << face;
        total += faceCounts[face - 1];
    }
    EXPECT_EQ(total, 144);
}

TEST_F(Dealing, RedealLeavesTheFacesOfRemovedTilesOut) {
    fixedTick = 1;
    board->deal();
    removePair(3, 3);
    removePair(29, 30);
    const int stackSize = board->removedCount;
    std::vector<RemovedCell> stack(board->removed, board->removed + stackSize);
    const Cell selected = freeCells(*board).front();
    ASSERT_EQ(board->clickTile(selected.column, selected.row, selected.layer), clickSelected);

    fixedTick = 2;
    board->deal();
    const auto counts = faceHistogram();
    EXPECT_EQ(counts[3], 2);
    EXPECT_EQ(counts[29], 0);
    EXPECT_EQ(counts[30], 0);
    EXPECT_EQ(counts[28], 1);
    EXPECT_EQ(counts[31], 1);
    EXPECT_EQ(counts[4], 4);
    EXPECT_EQ(board->tilesLeft(), 140);
    ASSERT_EQ(board->removedCount, stackSize);
    for (int i = 0; i < stackSize; ++i) {
        const RemovedCell& entry = board->removed[i];
        EXPECT_EQ(entry.face, stack[i].face);
        EXPECT_EQ(entry.present, stack[i].present);
        EXPECT_EQ(entry.column, stack[i].column);
        const Tile& cell = board->tiles[entry.layer][entry.row][entry.column];
        EXPECT_FALSE(cell.present);
        EXPECT_EQ(cell.face, 0);
    }
    ASSERT_NE(board->selectedTile, nullptr);
    EXPECT_EQ(board->selectedTile, &board->tiles[selected.layer][selected.row][selected.column]);
    EXPECT_TRUE(board->selectedTile->selected);
}

TEST_F(Dealing, RestoredTilesComeBackIntoThePool) {
    fixedTick = 99;
    board->deal();
    removePair(29, 30);
    board->restoreLastTile();
    board->restoreLastTile();
    fixedTick = 100;
    board->deal();
    expectFullSet();
}

TEST_F(Dealing, SameTickGivesTheSameFaces) {
    struct Case {
        std::uint32_t tick;
    };
    for (const Case& c : {Case{0}, Case{12345}, Case{0xFFFFFFFFu}}) {
        fixedTick = c.tick;
        board->deal();
        const std::vector<std::int32_t> first = presentFaces(*board);
        board->deal();
        EXPECT_EQ(presentFaces(*board), first) << "tick " << c.tick;
    }
}

TEST_F(Dealing, CoverCellsAndEmptyCellsKeepTheirValues) {
    fixedTick = 7;
    board->deal();
    // The classic layout's lone tiles and top tile are shifted: their cover marks stay.
    EXPECT_EQ(board->tiles[0][3][0].face, coverFromAbove);
    EXPECT_EQ(board->tiles[4][3][7].face, coverFromLeft | coverFromAbove);
    EXPECT_EQ(board->tiles[4][0][0].face, 0);
}

// More tiles than faces left cannot come from a checked layout; the deal must
// still end and give every tile a real face.
TEST_F(Dealing, MoreTilesThanFacesStillEnds) {
    fixedTick = 5;
    board->deal();
    removePair(7, 7);
    // Put the removed tiles back by hand, behind the stack's back.
    for (int i = 0; i < board->removedCount; ++i) {
        const RemovedCell& entry = board->removed[i];
        if (entry.present)
            board->tiles[entry.layer][entry.row][entry.column].present = true;
    }
    board->deal();
    EXPECT_EQ(presentCells(*board).size(), 144u);
    faceHistogram(); // checks every face lies in 1..42
}

TEST(GameRandom, DrawUniformIsUniformOver42Faces) {
    seedGameRandom(20240607);
    constexpr int perFace = 2000;
    constexpr int draws = perFace * faceKinds;
    std::array<int, faceKinds> counts{};
    for (int i = 0; i < draws; ++i) {
        const int face = drawUniform(faceKinds);
        ASSERT_GE(face, 0);
        ASSERT_LT(face, faceKinds);
        ++counts[face];
    }
    double chiSquare = 0;
    for (int count : counts)
        chiSquare += (count - perFace) * double(count - perFace) / perFace;
    // 41 degrees of freedom: the 0.1 % critical value is 74.7.
    EXPECT_LT(chiSquare, 74.7);
}

} // namespace
