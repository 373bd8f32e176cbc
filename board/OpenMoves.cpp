#include "board/FaceKinds.h"
#include "board/Mahjong.h"

#include <algorithm>

namespace {

// At most two row ends for each of 8 rows in 5 layers.
constexpr int maxRowEnds = 2 * boardRows * boardLayers;

} // namespace

std::int32_t Mahjong::countOpenMoves() const {
    std::int32_t groups[maxRowEnds];
    int count = 0;
    const auto countEnd = [&](int layer, int row, int column) {
        const Tile& cell = tiles[layer][row][column];
        const bool uncovered = layer == boardLayers - 1 || tiles[layer + 1][row][column].face == 0;
        if (cell.present && uncovered)
            groups[count++] = matchGroup(cell.face);
    };
    constexpr int last = boardColumns - 1;
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row) {
            const Tile(&cells)[boardColumns] = tiles[layer][row];
            int left = 0;
            while (left < last && cells[left].face == 0)
                ++left;
            countEnd(layer, row, left);
            if (left == last)
                continue; // the left scan has seen the whole row
            int right = last;
            while (right > left + 1 && cells[right].face == 0)
                --right;
            countEnd(layer, row, right);
        }
    std::sort(groups, groups + count);
    const int distinct = static_cast<int>(std::unique(groups, groups + count) - groups);
    return count - distinct;
}
