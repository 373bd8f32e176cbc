#pragma once

#include <string_view>

// The 42 face kinds of the tile set, numbered 1 to 42 as the board deals them.
constexpr int faceCount = 42;

enum class Suit {
    Dots,       // faces 1-9: one to nine circles
    Bamboo,     // faces 10-18: one (a bird) to nine bamboo sticks
    Characters, // faces 19-27: the numerals one to nine above the sign for ten thousand
    Flowers,    // faces 28-31: four flowers, any two of which match
    Seasons,    // faces 32-35: four seasons, any two of which match
    Winds,      // faces 36-39: east, south, west, north
    Dragons,    // faces 40-42: red, green, white
};

struct FaceKind {
    Suit suit;
    int rank; // 1-9 in the suits, 1-4 for flowers, seasons and winds, 1-3 for dragons
};

// The kind of face 1..42. Faces outside that range have no kind: callers check.
FaceKind faceKind(int face);

// Every Chinese sign drawn on the faces, for checking the font up front.
constexpr std::u32string_view chineseSigns = U"一二三四五六七八九萬東南西北中發春夏秋冬";
