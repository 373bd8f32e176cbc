#include "BoardProbe.h"

#include "board/FaceKinds.h"
#include "board/ViewSize.h"

#include <algorithm>

namespace boardprobe {

Tile& tileAt(Mahjong& board, const Cell& cell) {
    return board.tiles[cell.layer][cell.row][cell.column];
}

std::vector<Cell> presentTiles(const Mahjong& board) {
    std::vector<Cell> cells;
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row)
            for (int column = 0; column < boardColumns; ++column)
                if (board.tiles[layer][row][column].present)
                    cells.push_back({layer, row, column});
    return cells;
}

std::vector<Cell> freeTiles(const Mahjong& board) {
    std::vector<Cell> cells;
    for (const Cell& cell : presentTiles(board))
        if (board.isFree(cell.column, cell.row, cell.layer))
            cells.push_back(cell);
    return cells;
}

namespace {
bool match(const Mahjong& board, const Cell& a, const Cell& b) {
    return board.facesMatch(a.column, a.row, a.layer, b.column, b.row, b.layer);
}

std::optional<std::pair<Cell, Cell>> firstFreePair(const Mahjong& board, bool matching) {
    const std::vector<Cell> cells = freeTiles(board);
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j)
            if (match(board, cells[i], cells[j]) == matching)
                return std::make_pair(cells[i], cells[j]);
    return std::nullopt;
}
} // namespace

std::optional<std::pair<Cell, Cell>> findFreePair(const Mahjong& board) {
    return firstFreePair(board, true);
}

std::optional<std::pair<Cell, Cell>> findFreeMismatch(const Mahjong& board) {
    return firstFreePair(board, false);
}

std::map<Cell, PixelPoint> pixelsOfFreeTiles(Mahjong& board, int step) {
    // The scan clicks; a selection would turn those clicks into moves.
    std::optional<Cell> selection;
    if (board.selectedTile != nullptr) {
        selection = Cell{board.selectedLayer, board.selectedRow, board.selectedColumn};
        board.clickTile(selection->column, selection->row, selection->layer);
    }
    const int columns = viewWidth / step;
    const int rows = viewHeight / step;
    std::vector<int> hit(static_cast<std::size_t>(columns) * rows, -1);
    std::vector<Cell> cells;
    for (int gy = 0; gy < rows; ++gy)
        for (int gx = 0; gx < columns; ++gx) {
            const float x = static_cast<float>(gx * step);
            const float y = static_cast<float>(gy * step);
            if (board.clickAt(x, y) != clickSelected)
                continue;
            const Cell cell{board.selectedLayer, board.selectedRow, board.selectedColumn};
            board.clickTile(cell.column, cell.row, cell.layer); // deselects it again
            auto known = std::find(cells.begin(), cells.end(), cell);
            hit[gy * columns + gx] = static_cast<int>(known - cells.begin());
            if (known == cells.end())
                cells.push_back(cell);
        }
    if (selection)
        board.clickTile(selection->column, selection->row, selection->layer);

    // Deepest inside: the most of the 24 surrounding scan points on the same tile.
    std::vector<int> bestDepth(cells.size(), -1);
    std::map<Cell, PixelPoint> pixels;
    for (int gy = 0; gy < rows; ++gy)
        for (int gx = 0; gx < columns; ++gx) {
            const int index = hit[gy * columns + gx];
            if (index < 0)
                continue;
            int depth = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int nx = gx + dx, ny = gy + dy;
                    if (nx >= 0 && ny >= 0 && nx < columns && ny < rows &&
                        hit[ny * columns + nx] == index)
                        ++depth;
                }
            if (depth > bestDepth[index]) {
                bestDepth[index] = depth;
                pixels[cells[index]] = {gx * step, gy * step};
            }
        }
    return pixels;
}

bool arrangeFaces(Mahjong& board, const std::vector<std::pair<Cell, std::int32_t>>& wanted) {
    std::vector<Cell> fixed;
    for (const auto& [cell, face] : wanted) {
        std::optional<Cell> source;
        for (const Cell& other : presentTiles(board))
            if (tileAt(board, other).face == face &&
                std::find(fixed.begin(), fixed.end(), other) == fixed.end()) {
                source = other;
                break;
            }
        if (!source)
            return false;
        std::swap(tileAt(board, cell).face, tileAt(board, *source).face);
        fixed.push_back(cell);
    }
    return true;
}

bool clearAllBut(Mahjong& board, const std::vector<Cell>& keep) {
    const auto kept = [&](const Cell& cell) {
        return std::find(keep.begin(), keep.end(), cell) != keep.end();
    };
    for (;;) {
        std::vector<Cell> going, freeGoing;
        for (const Cell& cell : presentTiles(board))
            if (!kept(cell)) {
                going.push_back(cell);
                if (board.isFree(cell.column, cell.row, cell.layer))
                    freeGoing.push_back(cell);
            }
        if (going.empty())
            return true;
        if (freeGoing.size() < 2)
            return false;
        const Cell first = freeGoing[0], second = freeGoing[1];
        if (!match(board, first, second)) {
            auto partner = std::find_if(going.begin(), going.end(), [&](const Cell& cell) {
                return cell != first && match(board, cell, first);
            });
            if (partner == going.end())
                return false;
            std::swap(tileAt(board, second).face, tileAt(board, *partner).face);
        }
        if (board.clickTile(first.column, first.row, first.layer) != clickSelected ||
            board.clickTile(second.column, second.row, second.layer) != clickRemoved)
            return false;
    }
}

} // namespace boardprobe
