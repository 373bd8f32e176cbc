#include "GroupFaces.h"

#include "TextPainter.h"

#include <string>

void drawGroupMark(Sketch& sketch, int rank, Color colour, const FontSet& fonts) {
    sketch.frame(faceCentre, 72, 122, 12, 3.5f, colour);
    const Point corner{37, 40};
    sketch.disc(corner, 19, colour);
    const std::u32string number(1, static_cast<char32_t>(U'0' + rank));
    textCentred(sketch, *fonts.sansBold, number, corner, 32, ivory);
}
