#include "BoardFixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

std::string layoutText(const Layout& layout, const std::string& separator) {
    std::string text;
    for (const auto& layer : layout.values) {
        for (int row = boardRows - 1; row >= 0; --row) {
            for (int column = 0; column < boardColumns; ++column)
                text += std::to_string(layer[row][column]) + (column + 1 < boardColumns ? " " : "");
            text += separator;
        }
        text += separator;
    }
    return text;
}

TempFile::TempFile(const std::string& contents) {
    static int counter = 0;
    path_ = (std::filesystem::temp_directory_path() / ("veldrin-board-" + std::to_string(getpid()) +
                                                       "-" + std::to_string(counter++) + ".tab"))
                .string();
    std::ofstream(path_, std::ios::binary) << contents;
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

namespace {

// Every cell a tile takes: its own and the ones its shifts reach into.
void markTaken(bool (&taken)[boardLayers][boardRows][boardColumns], const PlacedTile& tile) {
    const int right = (tile.value & shiftRight) != 0 ? 1 : 0;
    const int down = (tile.value & shiftDown) != 0 ? 1 : 0;
    for (int row = tile.row - down; row <= tile.row; ++row)
        for (int column = tile.column; column <= tile.column + right; ++column)
            if (row >= 0 && column < boardColumns) // a bad case may reach past the edge
                taken[tile.layer][row][column] = true;
}

} // namespace

Layout layoutWith(const std::vector<PlacedTile>& placed, std::vector<PlacedTile>* fillers) {
    Layout layout;
    bool taken[boardLayers][boardRows][boardColumns] = {};
    for (const PlacedTile& tile : placed) {
        layout.values[tile.layer][tile.row][tile.column] = tile.value;
        markTaken(taken, tile);
    }
    int count = static_cast<int>(placed.size());
    for (int layer = boardLayers - 1; layer >= 0 && count < layoutTileCount; --layer)
        for (int row = boardRows - 1; row >= 0 && count < layoutTileCount; --row)
            for (int column = 0; column < boardColumns && count < layoutTileCount; ++column) {
                if (taken[layer][row][column])
                    continue;
                layout.values[layer][row][column] = 1;
                taken[layer][row][column] = true;
                ++count;
                if (fillers != nullptr)
                    fillers->push_back({layer, row, column, 1});
            }
    return layout;
}

std::unique_ptr<Mahjong> loadBoard(const char* path) {
    return std::make_unique<Mahjong>(path, 14.0f, 12.0f, 35.0f);
}

std::unique_ptr<Mahjong> loadBoard(const Layout& layout) {
    const TempFile file(layoutText(layout));
    return loadBoard(file.path());
}

std::unique_ptr<Mahjong> scenarioBoard(const std::vector<PlacedTile>& placed) {
    std::vector<PlacedTile> fillers;
    auto board = loadBoard(layoutWith(placed, &fillers));
    for (const PlacedTile& filler : fillers) {
        Tile& cell = board->tiles[filler.layer][filler.row][filler.column];
        cell.present = false;
        cell.face = 0;
    }
    return board;
}

std::string shippedLayout(const char* name) {
    return std::string(VELDRIN_LAYOUT_DIR "/") + name;
}

std::vector<Cell> presentCells(const Mahjong& board) {
    std::vector<Cell> cells;
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row)
            for (int column = 0; column < boardColumns; ++column)
                if (board.tiles[layer][row][column].present)
                    cells.push_back({column, row, layer});
    return cells;
}

std::vector<Cell> freeCells(const Mahjong& board) {
    std::vector<Cell> cells;
    for (const Cell& cell : presentCells(board))
        if (board.isFree(cell.column, cell.row, cell.layer))
            cells.push_back(cell);
    return cells;
}

std::vector<std::int32_t> presentFaces(const Mahjong& board) {
    std::vector<std::int32_t> faces;
    for (const Cell& cell : presentCells(board))
        faces.push_back(board.tiles[cell.layer][cell.row][cell.column].face);
    return faces;
}

bool sameTile(const Tile& a, const Tile& b) {
    return a.present == b.present && a.selected == b.selected && a.face == b.face &&
           a.shiftX == b.shiftX && a.shiftY == b.shiftY && a.x == b.x && a.y == b.y && a.z == b.z;
}
