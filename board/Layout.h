#pragma once

#include "board/Mahjong.h"

#include <cstdint>
#include <cstdio>

// Bits of a layout value: the tile anchored in the cell is shifted half a tile.
constexpr std::int32_t shiftRight = 0x100;    // to the right (1 world unit)
constexpr std::int32_t shiftDown = 0x200;     // downwards (1.5 world units)
constexpr std::int32_t layoutTileMask = 0xFF; // the rest: 1..255 a tile, 0 empty
constexpr int layoutValueCount = boardLayers * boardRows * boardColumns;
constexpr int layoutTileCount = 144;

// The checked contents of a layout file, one value per cell, indexed like
// `Mahjong::tiles` ([layer][row][column], row 0 the lowest on screen).
struct Layout {
    std::int32_t values[boardLayers][boardRows][boardColumns] = {};
};

// Why a layout file was refused; None when it was read and every rule holds.
enum class LayoutError {
    None,
    CannotOpen,       // the file is missing or unreadable
    TooFewNumbers,    // it ends before 600 numbers
    NotANumber,       // a word that is not a decimal integer, or one out of range
    TrailingContent,  // anything but white space after the 600th number
    BadValue,         // negative, bits above 0x3FF, or a shift bit on an empty cell
    TileCount,        // not exactly 144 tiles
    ShiftRightAtEdge, // a tile in column 14 shifted to the right
    ShiftDownAtEdge,  // a tile in row 0 shifted down
    Overlap,          // a cell claimed by two tiles (anchored and covered, or covered twice)
};

// Reads 600 integers (layer 0 to 4, row 7 down to 0, column 0 to 14) from the
// data path into `layout`. `layout` is written only when the whole file is
// read and every rule holds.
LayoutError readLayout(const char* dataPath, Layout& layout);
LayoutError readLayout(std::FILE* file, Layout& layout);

// The rules a layout must keep so that every tile has cells of its own and the
// cover marks never leave the grid.
LayoutError checkLayout(const Layout& layout);
