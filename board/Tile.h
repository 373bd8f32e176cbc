#pragma once

#include <cstdint>

// Cover marks kept in the `face` of a cell that a shifted neighbour reaches into.
constexpr std::int32_t coverFromLeft = 0x400;  // the tile to the left is shifted right into it
constexpr std::int32_t coverFromAbove = 0x800; // the tile one row up is shifted down into it

// One cell of the board's grid.
struct Tile {
    bool present = false;    // a tile is anchored here and has not been removed
    bool selected = false;   // this tile is the current selection
    std::int32_t face = 0;   // 0 empty; 1..42 face kind once dealt; cover marks 0x400/0x800
    std::int32_t shiftX = 0; // 1: shifted right by half a tile (1 world unit)
    std::int32_t shiftY = 0; // 1: shifted down by half a tile (1.5 world units)
    float x = 0;             // world x of the tile's left side
    float y = 0;             // world y of the tile's bottom side
    float z = 0;             // world z of the tile's bottom face: the layer number
};

// One entry of the removal stack.
struct RemovedCell {
    bool present = false;  // the cell held an anchored tile (false: a covered cell)
    std::int32_t face = 0; // the cell's face value when it was removed
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t layer = 0;
};
