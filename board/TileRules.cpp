#include "board/FaceKinds.h"
#include "board/Mahjong.h"

namespace {

bool inGrid(int column, int row, int layer) {
    return column >= 0 && column < boardColumns && row >= 0 && row < boardRows && layer >= 0 &&
           layer < boardLayers;
}

} // namespace

bool Mahjong::isFree(int column, int row, int layer) const {
    if (!inGrid(column, row, layer) || !tiles[layer][row][column].present)
        return false;
    const Tile(&cells)[boardColumns] = tiles[layer][row];
    const bool leftTaken = column != 0 && cells[column - 1].face != 0;
    const bool rightTaken = column != boardColumns - 1 && cells[column + 1].face != 0;
    if (leftTaken && rightTaken)
        return false;
    return layer == boardLayers - 1 || tiles[layer + 1][row][column].face == 0;
}

bool Mahjong::facesMatch(int column1, int row1, int layer1, int column2, int row2,
                         int layer2) const {
    if (!inGrid(column1, row1, layer1) || !inGrid(column2, row2, layer2))
        return false;
    return matchGroup(tiles[layer1][row1][column1].face) ==
           matchGroup(tiles[layer2][row2][column2].face);
}

void Mahjong::selectCell(int column, int row, int layer) {
    selectedColumn = column;
    selectedRow = row;
    selectedLayer = layer;
    selectedTile = &tiles[layer][row][column];
    selectedTile->selected = true;
}

void Mahjong::clearSelection() {
    if (selectedTile != nullptr)
        selectedTile->selected = false;
    selectedTile = nullptr;
}

std::int32_t Mahjong::clickTile(int column, int row, int layer) {
    if (!isFree(column, row, layer))
        return clickNothing;
    if (selectedTile == nullptr) {
        selectCell(column, row, layer);
        return clickSelected;
    }
    if (column == selectedColumn && row == selectedRow && layer == selectedLayer) {
        clearSelection();
        return clickCancelled;
    }
    if (facesMatch(column, row, layer, selectedColumn, selectedRow, selectedLayer)) {
        selectedTile = nullptr;
        removeCell(selectedColumn, selectedRow, selectedLayer);
        removeCell(column, row, layer);
        tilesLeft_ -= 2;
        return clickRemoved;
    }
    clearSelection();
    selectCell(column, row, layer);
    return clickMoved;
}

void Mahjong::removeCell(int column, int row, int layer) {
    if (!inGrid(column, row, layer))
        return;
    Tile& cell = tiles[layer][row][column];
    // A checked layout never fills the stack (at most 4 cells for each of 144
    // tiles); should it be full, the cell is still taken off but cannot come back.
    if (removedCount < removedCapacity)
        removed[removedCount++] = RemovedCell{cell.present, cell.face, column, row, layer};
    if (cell.shiftX == 1)
        removeCell(column + 1, row, layer);
    if (cell.shiftY == 1) {
        removeCell(column, row - 1, layer);
        if (cell.shiftX == 1)
            removeCell(column + 1, row - 1, layer);
    }
    if (selectedTile == &cell)
        selectedTile = nullptr;
    cell.selected = false;
    cell.present = false;
    cell.face = 0;
}

void Mahjong::restoreLastTile() {
    clearSelection();
    if (removedCount == 0)
        return;
    ++tilesLeft_;
    while (removedCount > 0) {
        const RemovedCell& entry = removed[--removedCount];
        Tile& cell = tiles[entry.layer][entry.row][entry.column];
        cell.face = entry.face;
        cell.present = entry.present;
        if (entry.present)
            return;
    }
}
