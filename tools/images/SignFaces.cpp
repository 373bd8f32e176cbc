#include "FacePainter.h"
#include "TextPainter.h"

#include <string_view>

namespace {

constexpr std::u32string_view numerals = U"一二三四五六七八九";
constexpr std::u32string_view winds = U"東南西北";
constexpr std::u32string_view windLetters = U"ESWN";

std::u32string_view sign(std::u32string_view signs, int rank) {
    return signs.substr(rank - 1, 1);
}

} // namespace

void drawCharacters(Sketch& sketch, int rank, const FontSet& fonts) {
    textCentred(sketch, *fonts.chinese, sign(numerals, rank), {90, 76}, 98, ink);
    textCentred(sketch, *fonts.chinese, U"萬", {90, 194}, 124, red);
}

void drawWind(Sketch& sketch, int rank, const FontSet& fonts) {
    textCentred(sketch, *fonts.chinese, sign(winds, rank), {90, 150}, 150, ink);
    // The compass letter in the corner helps players who do not read the sign.
    textCentred(sketch, *fonts.sansBold, sign(windLetters, rank), {32, 38}, 38, red);
}

void drawDragon(Sketch& sketch, int rank, const FontSet& fonts) {
    switch (rank) {
    case 1:
        textCentred(sketch, *fonts.chinese, U"中", faceCentre, 168, red);
        break;
    case 2:
        textCentred(sketch, *fonts.chinese, U"發", faceCentre, 156, green);
        break;
    default:
        // The white dragon: an empty frame, doubled so it reads at a glance.
        sketch.frame(faceCentre, 60, 104, 10, 10, blue);
        sketch.frame(faceCentre, 44, 88, 4, 4, blue);
        break;
    }
}
