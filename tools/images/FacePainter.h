#pragma once

#include "FontSet.h"
#include "Sketch.h"

// Tile faces are drawn in face units: the face is 180 units wide and 280 high,
// the proportions of a tile's top (1.8 x 2.8 world units), so circles stay round
// once the square texture is stretched over the tile. The atlas squeezes each
// drawing into a square.
constexpr float faceWide = 180;
constexpr float faceHigh = 280;
constexpr Point faceCentre{faceWide / 2, faceHigh / 2};

// The inks of the tile set.
constexpr Color ink = rgb(22, 28, 52); // near-black blue of the signs
constexpr Color red = rgb(196, 30, 38);
constexpr Color green = rgb(16, 122, 64);
constexpr Color blue = rgb(28, 72, 160);
constexpr Color ivory = rgb(252, 248, 236);

// The ivory face with its cream rim; every face starts with it, so every tile
// has the same colour on its sides (they take the colour of the face's corners).
void drawFaceBase(Sketch& sketch);
// Face 1..42 on top of the base.
void drawFace(Sketch& sketch, int face, const FontSet& fonts);

void drawDots(Sketch& sketch, int rank);
void drawBamboo(Sketch& sketch, int rank);
void drawCharacters(Sketch& sketch, int rank, const FontSet& fonts);
void drawWind(Sketch& sketch, int rank, const FontSet& fonts);
void drawDragon(Sketch& sketch, int rank, const FontSet& fonts);
void drawFlower(Sketch& sketch, int rank, const FontSet& fonts);
void drawSeason(Sketch& sketch, int rank, const FontSet& fonts);
