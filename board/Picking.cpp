#include "board/Mahjong.h"

#include "board/ViewSize.h"

#include <cmath>

namespace {

// The pointer at a window edge turns the board by 80 degrees (in radians).
constexpr double maxTurn = 1.3962634015954636;
// Half-cells: a tile is two half-columns (1 world unit each) wide and two
// half-rows (1.5 world units each) high.
constexpr int halfColumns = 2 * boardColumns;
constexpr int halfRows = 2 * boardRows;

} // namespace

void Mahjong::aimRay(float x, float y) {
    // A window without size has no view; the angles stay 0 rather than divide by it.
    const int w = viewWidth > 0 ? viewWidth : 1;
    const int h = viewHeight > 0 ? viewHeight : 1;
    yaw = static_cast<float>((x - w / 2) * 2 * maxTurn / w);
    pitch = static_cast<float>((y - h / 2) * 2 * maxTurn / h);
    rayX = x - static_cast<float>(w / 2);
    rayY = -(y - static_cast<float>(h / 2));
    rayZ = static_cast<float>(-focalLength);
    cosYaw = std::cos(yaw);
    sinYaw = std::sin(yaw);
    cosPitch = std::cos(pitch);
    sinPitch = std::sin(pitch);
}

// The board is drawn after translate(0, 0, -cameraDistance), rotate(-yaw) about
// y and rotate(-pitch) about x; this inverts that view for the plane z = layer + 1.
void Mahjong::hitPlane(int layer) {
    const double na = -static_cast<double>(cosPitch) * sinYaw;
    const double nb = sinPitch;
    const double nc = static_cast<double>(cosPitch) * cosYaw;
    const double level = layer + 1;
    const double distance = cameraDistance_;
    const double towardsPlane = na * rayX + nb * rayY + nc * rayZ;
    const double t = (level - nc * distance) / towardsPlane;
    // A ray parallel to the plane, or one that meets it only behind the eye,
    // does not hit it.
    hitValid = std::isfinite(t) && t > 0;
    if (!hitValid)
        return;
    const double px = t * rayX - na * level;
    const double py = t * rayY - nb * level;
    const double pz = t * rayZ - nc * level + distance;
    const double boardX = px * cosYaw + pz * sinYaw;
    const double boardY = px * sinYaw * sinPitch + py * cosPitch - pz * cosYaw * sinPitch;
    hitX = static_cast<float>(boardX);
    hitY = static_cast<float>(boardY);
    hitValid = std::isfinite(hitX) && std::isfinite(hitY);
}

// The cell of the tile of `layer` whose top face the pick ray crosses. The
// crossing is taken to half-cells and then to the cell the tile over that
// half-cell is anchored in: a shifted tile reaches into the neighbouring cells
// that hold its cover marks. Its half-cells must then lie under the crossing,
// so the half a shifted tile has left empty picks nothing.
bool Mahjong::tileUnderHit(int layer, int& column, int& row) {
    hitPlane(layer);
    if (!hitValid)
        return false;
    // Range tests before any conversion: a far or not-a-number crossing stays
    // a double and simply fails them.
    const double halfColumn = std::floor((hitX + originX) * 2.0 / 2.0);
    const double halfRow = std::floor((hitY + originY) * 2.0 / 3.0);
    if (!(halfColumn >= 0 && halfColumn < halfColumns && halfRow >= 0 && halfRow < halfRows))
        return false;
    const int hx = static_cast<int>(halfColumn);
    const int hy = static_cast<int>(halfRow);

    const Tile& hitCell = tiles[layer][hy / 2][hx / 2];
    int anchorX = hx;
    int anchorY = hy;
    if (hitCell.face < coverFromLeft) {
        anchorX -= hitCell.shiftX;
        anchorY += hitCell.shiftY;
    } else {
        anchorX -= (hitCell.face & coverFromLeft) != 0 ? 1 : 0;
        anchorY += (hitCell.face & coverFromAbove) != 0 ? 1 : 0;
    }
    column = anchorX / 2;
    row = anchorY / 2;
    if (column < 0 || column >= boardColumns || row < 0 || row >= boardRows)
        return false;
    const Tile& tile = tiles[layer][row][column];
    if (!tile.present)
        return false;
    const int left = 2 * column + tile.shiftX;
    const int bottom = 2 * row - tile.shiftY;
    return hx >= left && hx <= left + 1 && hy >= bottom && hy <= bottom + 1;
}

std::int32_t Mahjong::clickAt(float x, float y) {
    if (viewWidth <= 0 || viewHeight <= 0)
        return clickNothing;
    aimRay(x, y);
    // From the top down: a tile that may not be taken lets the search go on
    // to a free tile further along the ray.
    for (int layer = boardLayers - 1; layer >= 0; --layer) {
        int column = 0;
        int row = 0;
        if (tileUnderHit(layer, column, row) && isFree(column, row, layer))
            return clickTile(column, row, layer);
    }
    return clickNothing;
}
