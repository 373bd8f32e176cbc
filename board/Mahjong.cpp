#include "board/Mahjong.h"

#include "board/Layout.h"
#include "board/ViewSize.h"
#include "platform/MessageBox.h"

#include <cmath>
#include <cstdlib>

double focalLength = 0;
FaceTextureRelease faceTextureRelease = nullptr;

namespace {

// Half of the projection's 45 degree vertical field of view, in radians.
constexpr double halfFieldOfView = 0.3926875;

[[noreturn]] void refuseLayout() {
    messageBox("Nepodarilo se otevrit soubor.", "MAHJONG CONSTRUCT", BoxIcon::None);
    std::exit(1);
}

} // namespace

Mahjong::Mahjong(const char* layoutPath, float originX, float originY, float cameraDistance)
    : originX(originX), originY(originY), cameraDistance_(cameraDistance) {
    focalLength = static_cast<double>(viewHeight / 2) / std::tan(halfFieldOfView);

    Layout layout;
    if (readLayout(layoutPath, layout) != LayoutError::None)
        refuseLayout();

    // Every covered cell comes after the tile that covers it in this order, so
    // its own value 0 leaves the cover marks in place.
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = boardRows - 1; row >= 0; --row)
            for (int column = 0; column < boardColumns; ++column)
                placeCell(column, row, layer, layout.values[layer][row][column]);
}

// The layout is checked: a shifted tile never reaches past the grid's edge.
void Mahjong::placeCell(int column, int row, int layer, std::int32_t value) {
    Tile& cell = tiles[layer][row][column];
    std::int32_t cover = 0;
    if ((value & shiftRight) != 0)
        cover |= coverFromLeft;
    if ((value & shiftDown) != 0)
        cover |= coverFromAbove;
    if (cover == (coverFromLeft | coverFromAbove))
        tiles[layer][row - 1][column + 1].face |= cover;
    cell.shiftX = (value & shiftRight) != 0 ? 1 : 0;
    if (cell.shiftX == 1)
        tiles[layer][row][column + 1].face |= cover;
    cell.shiftY = (value & shiftDown) != 0 ? 1 : 0;
    if (cell.shiftY == 1)
        tiles[layer][row - 1][column].face |= cover;
    value &= ~(shiftRight | shiftDown);
    cell.x = (column + cell.shiftX / 2.0f) * 2 - originX;
    cell.y = (row - cell.shiftY / 2.0f) * 3 - originY;
    cell.z = static_cast<float>(layer);
    if (cell.face == 0)
        cell.face = value;
    cell.present = value > 0 && value < 256;
    cell.selected = false;
}

Mahjong::~Mahjong() {
    if (faceTextureRelease != nullptr)
        faceTextureRelease(faceTextures);
}
