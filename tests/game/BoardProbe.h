#pragma once

#include "board/Mahjong.h"

#include <compare>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// What a test can learn from a board the way a player does: which free tiles
// match, and where on the window to click to pick a tile.
namespace boardprobe {

struct Cell {
    int layer = 0;
    int row = 0;
    int column = 0;
    auto operator<=>(const Cell&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

Tile& tileAt(Mahjong& board, const Cell& cell);
std::vector<Cell> presentTiles(const Mahjong& board);
std::vector<Cell> freeTiles(const Mahjong& board);
// The first two free tiles that match, in grid order.
std::optional<std::pair<Cell, Cell>> findFreePair(const Mahjong& board);
// The first two free tiles that do not match.
std::optional<std::pair<Cell, Cell>> findFreeMismatch(const Mahjong& board);

// For every free tile, a window pixel at which a click picks it with the
// pointer at that same pixel (the camera follows the pointer): the board's own
// pick is tried every `step` pixels over viewWidth x viewHeight, and the pixel
// deepest inside each tile's picked area wins. The board is left as it was,
// selection included.
std::map<Cell, PixelPoint> pixelsOfFreeTiles(Mahjong& board, int step = 4);

// Gives the listed cells the listed faces by swapping faces with other tiles,
// so the board keeps its set of faces. False when a face is not to be found.
bool arrangeFaces(Mahjong& board, const std::vector<std::pair<Cell, std::int32_t>>& wanted);
// Takes every tile off except `keep`, two free ones at a time through the
// board's click rules, swapping faces among the tiles that go so that each two
// match. The kept tiles must hold whole pairs of faces. False when the tiles
// that go block each other.
bool clearAllBut(Mahjong& board, const std::vector<Cell>& keep);

} // namespace boardprobe
