// Where to click for a matching free pair in a game run from outside: reads
// the last deal the game reported on standard error (VELDRIN_DEAL_REPORT),
// rebuilds that board from the same layout and prints "x1 y1 x2 y2", the
// window pixels of two free matching tiles. Exit status 1 with a message when
// the report or the layout does not give such a pair.
//
// usage: pair_pixels LAYOUT WIDTH HEIGHT REPORT

#include "BoardProbe.h"
#include "board/ViewSize.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {
int fail(const char* text) {
    std::fprintf(stderr, "pair_pixels: %s\n", text);
    return 1;
}

// The last "deal:" line of the report, without its label.
std::string lastDeal(const char* path) {
    std::ifstream in(path);
    std::string line, deal;
    while (std::getline(in, line))
        if (line.rfind("deal:", 0) == 0)
            deal = line.substr(5);
    return deal;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return fail("usage: pair_pixels LAYOUT WIDTH HEIGHT REPORT");
    viewWidth = std::atoi(argv[2]);
    viewHeight = std::atoi(argv[3]);
    const std::string deal = lastDeal(argv[4]);
    if (deal.empty())
        return fail("no deal in the report");
    Mahjong board(argv[1], 14.0f, 12.0f, 35.0f); // as the game makes it
    std::istringstream entries(deal);
    std::string entry;
    int placed = 0;
    while (entries >> entry) {
        int layer, row, column, face;
        if (std::sscanf(entry.c_str(), "%d,%d,%d,%d", &layer, &row, &column, &face) != 4 ||
            layer < 0 || layer >= boardLayers || row < 0 || row >= boardRows || column < 0 ||
            column >= boardColumns || !board.tiles[layer][row][column].present)
            return fail("the deal does not fit the layout");
        board.tiles[layer][row][column].face = face;
        ++placed;
    }
    if (placed != board.tilesLeft())
        return fail("the deal does not cover the layout");
    const auto pair = boardprobe::findFreePair(board);
    if (!pair)
        return fail("no free matching pair");
    const auto pixels = boardprobe::pixelsOfFreeTiles(board, 2);
    if (!pixels.contains(pair->first) || !pixels.contains(pair->second))
        return fail("a tile of the pair cannot be clicked");
    const auto a = pixels.at(pair->first), b = pixels.at(pair->second);
    std::printf("%d %d %d %d\n", a.x, a.y, b.x, b.y);
    return 0;
}
