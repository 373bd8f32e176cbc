#include "BoardFixture.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace {

std::uint32_t seedTick = 0;
std::uint32_t seedTickSource() {
    return seedTick;
}

struct PlayResult {
    int tilesLeft;
    int redeals;
};

// A plain greedy player: any free matching pair, chosen at random; a re-deal
// when no pair is free, at most `maxRedeals` times.
PlayResult playGreedy(Mahjong& board, std::uint32_t seed, int maxRedeals) {
    std::mt19937 choose(seed);
    seedTick = seed;
    board.deal();
    int redeals = 0;
    while (!board.isCleared()) {
        const std::vector<Cell> free = freeCells(board);
        std::vector<std::pair<Cell, Cell>> pairs;
        for (size_t i = 0; i < free.size(); ++i)
            for (size_t j = i + 1; j < free.size(); ++j)
                if (board.facesMatch(free[i].column, free[i].row, free[i].layer, free[j].column,
                                     free[j].row, free[j].layer))
                    pairs.push_back({free[i], free[j]});
        if (pairs.empty()) {
            if (redeals == maxRedeals || free.size() < 2)
                break;
            ++redeals;
            ++seedTick;
            board.deal();
            continue;
        }
        const auto& [first, second] = pairs[choose() % pairs.size()];
        EXPECT_EQ(board.clickTile(first.column, first.row, first.layer), clickSelected);
        EXPECT_EQ(board.clickTile(second.column, second.row, second.layer), clickRemoved);
    }
    return {board.tilesLeft(), redeals};
}

class ShippedLayout : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { setTickSource(seedTickSource); }
    void TearDown() override { setTickSource(nullptr); }
    std::string path() const { return shippedLayout(GetParam()); }
};

TEST_P(ShippedLayout, IsReadableFifteenNumbersALineAndALayerABlock) {
    std::ifstream file(path());
    ASSERT_TRUE(file);
    std::string line;
    int numberLines = 0;
    int blankLines = 0;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        int count = 0;
        for (int value; words >> value;)
            ++count;
        if (count == 0) {
            ++blankLines;
            continue;
        }
        EXPECT_EQ(count, boardColumns) << "line " << numberLines + blankLines + 1;
        ++numberLines;
        if (numberLines % boardRows == 0 && numberLines < boardLayers * boardRows) {
            ASSERT_TRUE(std::getline(file, line));
            EXPECT_TRUE(line.find_first_not_of(" \t\r") == std::string::npos)
                << "a blank line between layers";
            ++blankLines;
        }
    }
    EXPECT_EQ(numberLines, boardLayers * boardRows);
    EXPECT_EQ(blankLines, boardLayers - 1);
}

TEST_P(ShippedLayout, LoadsWith144TilesOnAllFiveLayersAndManyFree) {
    Layout layout;
    ASSERT_EQ(readLayout(path().c_str(), layout), LayoutError::None);
    const auto board = loadBoard(path().c_str());
    const std::vector<Cell> present = presentCells(*board);
    EXPECT_EQ(present.size(), 144u);
    EXPECT_EQ(board->tilesLeft(), 144);
    bool layerUsed[boardLayers] = {};
    for (const Cell& cell : present)
        layerUsed[cell.layer] = true;
    for (int layer = 0; layer < boardLayers; ++layer)
        EXPECT_TRUE(layerUsed[layer]) << "layer " << layer;
    const size_t free = freeCells(*board).size();
    std::printf("%s: %zu tiles free at the start\n", GetParam(), free);
    RecordProperty("freeAtStart", static_cast<int>(free));
    EXPECT_GE(free, 20u);
}

TEST_P(ShippedLayout, GreedyPlayClearsOrNearlyClearsMostSeeds) {
    constexpr int seeds = 100;
    constexpr int maxRedeals = 10;
    int cleared = 0;
    int nearlyCleared = 0; // four tiles or fewer left
    int tilesLeft = 0;
    int redeals = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const auto board = loadBoard(path().c_str());
        const PlayResult result =
            playGreedy(*board, static_cast<std::uint32_t>(seed * 7919), maxRedeals);
        cleared += result.tilesLeft == 0 ? 1 : 0;
        nearlyCleared += result.tilesLeft <= 4 ? 1 : 0;
        tilesLeft += result.tilesLeft;
        redeals += result.redeals;
    }
    std::printf("%s: %d seeds, %d cleared, %d with at most 4 tiles left, %.2f tiles left and "
                "%.2f re-deals on average\n",
                GetParam(), seeds, cleared, nearlyCleared, double(tilesLeft) / seeds,
                double(redeals) / seeds);
    RecordProperty("cleared", cleared);
    RecordProperty("nearlyCleared", nearlyCleared);
    EXPECT_GE(nearlyCleared, seeds * 3 / 4);
    EXPECT_GE(cleared, seeds / 3);
}

INSTANTIATE_TEST_SUITE_P(Board, ShippedLayout, testing::Values("classic.tab", "cube.tab"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
