#pragma once

#include "board/Tile.h"

#include <cstdint>

constexpr int boardLayers = 5;
constexpr int boardRows = 8;
constexpr int boardColumns = 15;
constexpr int faceKinds = 42;
constexpr int removedCapacity = 576; // 144 tiles, at most 4 cells each

// Result codes of a click on the board.
constexpr std::int32_t clickNothing = 0;   // no selectable tile under the pointer; nothing changed
constexpr std::int32_t clickSelected = 1;  // nothing was selected; the clicked tile now is
constexpr std::int32_t clickRemoved = 2;   // it matched the selection; both tiles are removed
constexpr std::int32_t clickCancelled = 3; // it was the selection; now nothing is selected
constexpr std::int32_t clickMoved = 4;     // it does not match; it replaces the selection

// The distance, in pixels, from the eye to the image plane of the game's
// perspective projection (45 degrees vertically over `viewHeight` pixels). Set
// by every Mahjong constructor, read by the pick.
extern double focalLength;

class RGBImage;

// The board of one game: the grid of tiles, the removal stack, the selection,
// the camera distance and the 42 face textures. World units: a tile is 2 wide,
// 3 high and 1 thick.
class Mahjong {
  public:
    // Reads the layout file; a file that cannot be read or breaks the layout
    // rules ends the process with the construct message and exit code 1.
    Mahjong(const char* layoutPath, float originX, float originY, float cameraDistance);
    ~Mahjong(); // hands the 42 face texture names to `faceTextureRelease`
    Mahjong(const Mahjong&) = delete;
    Mahjong& operator=(const Mahjong&) = delete;

    float cameraDistance() const { return cameraDistance_; }
    void setCameraDistance(float distance) { cameraDistance_ = distance; }
    std::int32_t tilesLeft() const { return tilesLeft_; }
    bool isCleared() const { return tilesLeft_ == 0; }

    // A left click at window pixel (x, y), origin top-left, with the board
    // drawn under the view that follows a pointer at the same pixel. Returns
    // one of the click codes above.
    std::int32_t clickAt(float x, float y);
    // The selection step of a click that landed on the tile anchored at
    // (column, row, layer): codes 1 to 4, or 0 when no free tile stands there.
    std::int32_t clickTile(int column, int row, int layer);
    // Puts the most recently removed tile back unselected, with the face it
    // had; always clears the selection. Twice undoes one pair.
    void restoreLastTile();
    // Gives every tile on the board a face drawn at random from the faces not
    // yet removed; seeds the game's generator with the tick count.
    void deal();
    // Pairs of matching tiles among the uncovered ends of every row.
    std::int32_t countOpenMoves() const;

    // A tile is anchored at the cell, nothing is directly above it, and at
    // least one side (or the grid's edge) is open. Cover marks count as
    // occupied for both tests.
    bool isFree(int column, int row, int layer) const;
    bool facesMatch(int column1, int row1, int layer1, int column2, int row2, int layer2) const;
    // Takes the tile anchored at the cell off the board, pushing its cell and
    // then the cells it covers on the removal stack.
    void removeCell(int column, int row, int layer);

    // The pick: the eye-space ray through a window pixel, and its crossing
    // with the plane of a layer's top faces in board coordinates (hitX, hitY).
    void aimRay(float x, float y);
    void hitPlane(int layer);

    Tile tiles[boardLayers][boardRows][boardColumns];
    RemovedCell removed[removedCapacity];
    std::int32_t removedCount = 0;
    RGBImage* faceAtlas = nullptr;              // only while the face textures load
    std::uint32_t faceTextures[faceKinds] = {}; // GL texture names, index face - 1
    // Scratch of the last pick: its angles (radians), their cosines and sines,
    // the ray's direction in eye space (pixels) and its last plane crossing.
    float cosYaw = 1, sinYaw = 0, cosPitch = 1, sinPitch = 0;
    float yaw = 0, pitch = 0;
    float hitX = 0, hitY = 0;
    float rayX = 0, rayY = 0, rayZ = 0;
    bool hitValid = false; // the last plane crossing exists and is finite
    float originX = 0;     // world x of column 0 is -originX
    float originY = 0;     // world y of row 0 is -originY
    Tile* selectedTile = nullptr;
    std::int32_t selectedColumn = 0;
    std::int32_t selectedRow = 0;
    std::int32_t selectedLayer = 0;

  private:
    void placeCell(int column, int row, int layer, std::int32_t layoutValue);
    bool tileUnderHit(int layer, int& column, int& row);
    void selectCell(int column, int row, int layer);
    void clearSelection();

    float cameraDistance_ = 0;
    std::int32_t tilesLeft_ = 144;
};

// Releases a board's face textures. The graphics code installs it; boards made
// without a display (tests) release nothing.
using FaceTextureRelease = void (*)(const std::uint32_t names[faceKinds]);
extern FaceTextureRelease faceTextureRelease;
