#include "FaceKinds.h"
#include "FacePainter.h"

void drawFaceBase(Sketch& sketch) {
    constexpr Color rim = rgb(224, 211, 178);
    sketch.cover(flat(rim));
    sketch.box(faceCentre, 85, 135, 16, rgb(206, 192, 156));
    sketch.box(faceCentre, 83, 133, 15,
               vertical(ivory, rgb(243, 236, 216), faceCentre.y - 133, faceCentre.y + 133));
}

void drawFace(Sketch& sketch, int face, const FontSet& fonts) {
    drawFaceBase(sketch);
    const FaceKind kind = faceKind(face);
    switch (kind.suit) {
    case Suit::Dots:
        drawDots(sketch, kind.rank);
        break;
    case Suit::Bamboo:
        drawBamboo(sketch, kind.rank);
        break;
    case Suit::Characters:
        drawCharacters(sketch, kind.rank, fonts);
        break;
    case Suit::Flowers:
        drawFlower(sketch, kind.rank, fonts);
        break;
    case Suit::Seasons:
        drawSeason(sketch, kind.rank, fonts);
        break;
    case Suit::Winds:
        drawWind(sketch, kind.rank, fonts);
        break;
    case Suit::Dragons:
        drawDragon(sketch, kind.rank, fonts);
        break;
    }
}
