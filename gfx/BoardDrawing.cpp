#include "gfx/BoardDrawing.h"

#include <cstddef>

namespace {

constexpr float diagonal = 0.707f; // bevel normals, as given, not normalised further

struct Corner {
    float dx, dy, dz; // offset from the tile's (x, y, z)
};

struct PartShape {
    float normal[3];
    Corner corner[4];
};

// Indexed by TilePart; corners counter-clockwise from outside the tile.
constexpr PartShape partShapes[] = {
    {{0, 0, 1}, {{0.1f, 0.1f, 1}, {1.9f, 0.1f, 1}, {1.9f, 2.9f, 1}, {0.1f, 2.9f, 1}}},
    {{0, -diagonal, diagonal}, {{2, 0, 0.9f}, {1.9f, 0.1f, 1}, {0.1f, 0.1f, 1}, {0, 0, 0.9f}}},
    {{diagonal, 0, diagonal}, {{1.9f, 2.9f, 1}, {1.9f, 0.1f, 1}, {2, 0, 0.9f}, {2, 3, 0.9f}}},
    {{0, diagonal, diagonal}, {{0, 3, 0.9f}, {0.1f, 2.9f, 1}, {1.9f, 2.9f, 1}, {2, 3, 0.9f}}},
    {{-diagonal, 0, diagonal}, {{0, 3, 0.9f}, {0, 0, 0.9f}, {0.1f, 0.1f, 1}, {0.1f, 2.9f, 1}}},
    {{0, -1, 0}, {{2, 0, 0.9f}, {0, 0, 0.9f}, {0, 0, -0.1f}, {2, 0, -0.1f}}},
    {{0, 1, 0}, {{0, 3, 0.9f}, {2, 3, 0.9f}, {2, 3, -0.1f}, {0, 3, -0.1f}}},
    {{-1, 0, 0}, {{0, 0, 0.9f}, {0, 3, 0.9f}, {0, 3, -0.1f}, {0, 0, -0.1f}}},
    {{1, 0, 0}, {{2, 3, 0.9f}, {2, 0, 0.9f}, {2, 0, -0.1f}, {2, 3, -0.1f}}},
};

// The top's texture coordinates; every other part uses (0, 1).
constexpr float topTexture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

constexpr TilePart bevels[] = {TilePart::LowerBevel, TilePart::RightBevel, TilePart::UpperBevel,
                               TilePart::LeftBevel};

// A neighbouring cell holds a tile: a face value that is not a cover marker.
bool holdsTile(const Tile& cell) {
    return cell.face != 0 && cell.face < coverFromLeft;
}

// An unshifted tile straight above hides the top and its bevels.
bool topCovered(const TileGrid& tiles, int layer, int row, int column) {
    if (layer >= boardLayers - 1)
        return false;
    const Tile& above = tiles[layer + 1][row][column];
    return above.present && above.shiftX == 0 && above.shiftY == 0;
}

std::uint32_t faceTexture(const Tile& tile, const std::uint32_t faceTextures[faceKinds]) {
    return tile.face >= 1 && tile.face <= faceKinds ? faceTextures[tile.face - 1] : 0;
}

// Lower, right, upper and left bevel; the red frame gives no normals.
void emitBevels(QuadEmitter& emitter, const Tile& tile, bool withNormals) {
    for (TilePart part : bevels) {
        Quad quad = tileQuad(part, tile);
        quad.hasNormal = withNormals;
        emitter.quad(quad);
    }
}

void drawRedFrame(QuadEmitter& emitter, const Tile& tile) {
    emitter.setSwitch(DrawSwitch::Lighting, false);
    emitter.setSwitch(DrawSwitch::Texturing, false);
    emitter.colour(1, 0, 0);
    emitter.beginQuads();
    emitBevels(emitter, tile, false);
    emitter.endQuads();
    emitter.setSwitch(DrawSwitch::Texturing, true);
    emitter.setSwitch(DrawSwitch::Lighting, true);
}

void drawTile(const TileGrid& tiles, const std::uint32_t faceTextures[faceKinds],
              QuadEmitter& emitter, int layer, int row, int column) {
    const Tile& tile = tiles[layer][row][column];
    const auto& cells = tiles[layer];
    emitter.setSwitch(DrawSwitch::ColourMaterial, true);
    emitter.colourMaterialFrontDiffuse();
    if (tile.selected)
        drawRedFrame(emitter, tile);

    emitter.colour(1, 1, 1);
    emitter.bindTexture(faceTexture(tile, faceTextures));
    emitter.beginQuads();
    if (!topCovered(tiles, layer, row, column)) {
        emitter.quad(tileQuad(TilePart::Top, tile));
        if (!tile.selected)
            emitBevels(emitter, tile, true);
    }
    if (!(row > 0 && holdsTile(cells[row - 1][column])))
        emitter.quad(tileQuad(TilePart::LowerSide, tile));
    if (!(row < boardRows - 1 && holdsTile(cells[row + 1][column])))
        emitter.quad(tileQuad(TilePart::UpperSide, tile));
    const Tile* left = column > 0 ? &cells[row][column - 1] : nullptr;
    if (!(left != nullptr && holdsTile(*left) && left->shiftY == 0))
        emitter.quad(tileQuad(TilePart::LeftSide, tile));
    const Tile* right = column < boardColumns - 1 ? &cells[row][column + 1] : nullptr;
    if (!(right != nullptr && holdsTile(*right) && right->shiftY == 0))
        emitter.quad(tileQuad(TilePart::RightSide, tile));
    emitter.endQuads();
}

} // namespace

Quad tileQuad(TilePart part, const Tile& tile) {
    const PartShape& shape = partShapes[static_cast<std::size_t>(part)];
    Quad quad{true, {shape.normal[0], shape.normal[1], shape.normal[2]}, {}};
    for (int i = 0; i < 4; ++i) {
        const Corner& c = shape.corner[i];
        bool top = part == TilePart::Top;
        quad.corner[i] = {tile.x + c.dx, tile.y + c.dy, tile.z + c.dz, top ? topTexture[i][0] : 0,
                          top ? topTexture[i][1] : 1};
    }
    return quad;
}

void drawTiles(const TileGrid& tiles, const std::uint32_t faceTextures[faceKinds],
               QuadEmitter& emitter) {
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = 0; row < boardRows; ++row)
            for (int column = 0; column < boardColumns; ++column)
                if (tiles[layer][row][column].present)
                    drawTile(tiles, faceTextures, emitter, layer, row, column);
    emitter.colour(1, 1, 1);
    emitter.setSwitch(DrawSwitch::ColourMaterial, false);
    emitter.colour(1, 1, 1);
}

void drawBoard(const Mahjong& board, QuadEmitter& emitter) {
    drawTiles(board.tiles, board.faceTextures, emitter);
}
