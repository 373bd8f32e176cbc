#pragma once

#include "board/Mahjong.h"

#include <cstdint>

// Background pictures by the `background` setting (0 or 1; 2 shows none).
constexpr const char* backgroundFiles[2] = {"tex\\background2.bmp", "tex\\background.bmp"};
// Tile-face atlases by the tile size option: a strip one face wide and 42 high,
// face 1 at the top; 64 x 64 faces at index 0, 128 x 128 at index 1.
constexpr const char* tileFiles[2] = {"mahjong\\tile64.bmp", "mahjong\\tile128.bmp"};

constexpr int backgroundTextureSize = 512; // pixels a side
constexpr int effectTextureSize = 64;
constexpr int helpTextureSize = 512;

// Face size in pixels for a tile size option: 128 for 1, 64 for anything else.
int faceSize(int tileSize);

// Loads the BMP file into the given texture name as a size x size RGB texture
// from the start of its pixel block, linear filters, no mipmaps. A picture too
// small for that ends the process like a missing one.
void loadTexture(const char* path, std::uint32_t name, int size);

// Generates the board's 42 face texture names and fills name i with face i + 1,
// the (i + 1)-th square from the top of the atlas. The atlas must hold all 42
// faces of the chosen size, or the process ends like for a missing file.
// Installs the release of face textures that the board's destructor calls.
void loadFaceTextures(Mahjong& board, const char* path, int tileSize);

// Deletes the 42 face texture names of a board in one call.
void releaseFaceTextures(const std::uint32_t names[faceKinds]);

// Replaces the background: deletes name 0 of `sceneTextures`, generates a new
// name into the same slot and loads the file into it at 512 x 512.
void replaceBackground(const char* path);
