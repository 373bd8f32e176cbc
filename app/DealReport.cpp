#include "app/DealReport.h"

#include "board/Mahjong.h"

#include <cstdio>
#include <cstdlib>

namespace {
bool reportWanted() {
    const char* setting = std::getenv("VELDRIN_DEAL_REPORT");
    return setting != nullptr && *setting != '\0';
}
} // namespace

void dealAndReport(Mahjong& board) {
    board.deal();
    if (!reportWanted())
        return;
    std::fputs("deal:", stderr);
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row)
            for (int column = 0; column < boardColumns; ++column) {
                const Tile& cell = board.tiles[layer][row][column];
                if (cell.present)
                    std::fprintf(stderr, " %d,%d,%d,%d", layer, row, column, cell.face);
            }
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
