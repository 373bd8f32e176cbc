#pragma once

#include "board/Tile.h"

#include <cstdint>

constexpr int boardLayers = 5;
constexpr int boardRows = 8;
constexpr int boardColumns = 15;
constexpr int faceKinds = 42;
constexpr int removedCapacity = 576; // 144 tiles, at most 4 cells each

class RGBImage;

// The board of one game: the grid of tiles, the removal stack, the selection,
// the camera distance and the 42 face textures. World units: a tile is 2 wide,
// 3 high and 1 thick.
class Mahjong {
  public:
    // Reads the layout file; a file that cannot be read or breaks the layout
    // rules ends the process with the construct message.
    Mahjong(const char* layoutPath, float originX, float originY, float cameraDistance);
    ~Mahjong(); // hands the 42 face texture names to `faceTextureRelease`

    float cameraDistance() const { return cameraDistance_; }
    void setCameraDistance(float distance) { cameraDistance_ = distance; }
    std::int32_t tilesLeft() const { return tilesLeft_; }
    bool isCleared() const { return tilesLeft_ == 0; }

    Tile tiles[boardLayers][boardRows][boardColumns];
    RemovedCell removed[removedCapacity];
    std::int32_t removedCount = 0;
    RGBImage* faceAtlas = nullptr;          // only while the face textures load
    std::uint32_t faceTextures[faceKinds] = {}; // GL texture names, index face - 1
    float originX = 0;
    float originY = 0;
    Tile* selectedTile = nullptr;
    std::int32_t selectedColumn = 0;
    std::int32_t selectedRow = 0;
    std::int32_t selectedLayer = 0;

  private:
    float cameraDistance_ = 0;
    std::int32_t tilesLeft_ = 144;
};

// Releases a board's face textures. The graphics code installs it; boards made
// without a display (tests) release nothing.
using FaceTextureRelease = void (*)(const std::uint32_t names[faceKinds]);
extern FaceTextureRelease faceTextureRelease;
