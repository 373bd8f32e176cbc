#pragma once

#include "board/Layout.h"
#include "board/Mahjong.h"

#include <memory>
#include <string>
#include <vector>

// A tile of a test layout: its cell and its layout value (1, 257, 513, 769).
struct PlacedTile {
    int layer;
    int row;
    int column;
    std::int32_t value = 1;
};

// The 600 values in file order (layer 0 to 4, row 7 down to 0, column 0 to 14),
// each row on its own line unless `separator` says otherwise.
std::string layoutText(const Layout& layout, const std::string& separator = "\n");

// A file in the temporary folder that is removed again with the object.
class TempFile {
  public:
    explicit TempFile(const std::string& contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};

// The given tiles, then plain tiles in the first free cells from layer 4 down
// until the layout holds 144. `fillers` receives the cells added.
Layout layoutWith(const std::vector<PlacedTile>& placed,
                  std::vector<PlacedTile>* fillers = nullptr);

std::unique_ptr<Mahjong> loadBoard(const Layout& layout);
std::unique_ptr<Mahjong> loadBoard(const char* path);

// A board that holds only the given tiles: it is built from a full layout and
// the filler tiles are then taken off the grid (tilesLeft stays 144).
std::unique_ptr<Mahjong> scenarioBoard(const std::vector<PlacedTile>& placed);

// Where the game's layouts are kept in the source tree.
std::string shippedLayout(const char* name);

// The cells of present tiles, in layer, row, column order.
struct Cell {
    int column;
    int row;
    int layer;
    bool operator==(const Cell&) const = default;
};
std::vector<Cell> presentCells(const Mahjong& board);
std::vector<Cell> freeCells(const Mahjong& board);

// The faces of the present tiles, in layer, row, column order.
std::vector<std::int32_t> presentFaces(const Mahjong& board);

// Every field of two cells is equal.
bool sameTile(const Tile& a, const Tile& b);
