#pragma once

#include "board/Mahjong.h"
#include "gfx/QuadEmitter.h"

#include <cstdint>

using TileGrid = Tile[boardLayers][boardRows][boardColumns];

// The nine quads of a tile: the textured top, four bevels that drop 0.1 from the
// top's edges to the box's upper edges, and four sides down to z - 0.1.
enum class TilePart {
    Top,
    LowerBevel,
    RightBevel,
    UpperBevel,
    LeftBevel,
    LowerSide,
    UpperSide,
    LeftSide,
    RightSide
};

// The quad of one part of the tile at `tile`'s x, y, z (world units), with its
// normal. The top maps the whole face picture; bevels and sides take texture
// coordinate (0, 1) at every corner, so they show one even mix of the picture's
// corner texels.
Quad tileQuad(TilePart part, const Tile& tile);

// Draws every present tile of the grid as a bevelled box, leaving out tops and
// sides that neighbouring tiles hide; the selected tile gets a red, unlit frame
// on its bevels. Expects lighting and texturing on; leaves them on, colour
// material off and the colour white. A present cell whose face is not 1..42
// (a board drawn before its deal) is drawn with texture name 0.
void drawTiles(const TileGrid& tiles, const std::uint32_t faceTextures[faceKinds],
               QuadEmitter& emitter);

// The board's drawing, once a frame after the camera is set.
void drawBoard(const Mahjong& board, QuadEmitter& emitter = immediateQuads());
