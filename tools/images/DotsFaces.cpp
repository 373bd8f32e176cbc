#include "FacePainter.h"

#include <vector>

namespace {

struct Dot {
    Point at;
    float radius;
    Color colour;
};

// One circle of the suit: a coloured rim, an ivory ring and a coloured heart
// with an ivory eye, so it reads as a coin rather than a blot.
void drawDot(Sketch& s, const Dot& d) {
    s.disc(d.at, d.radius, d.colour);
    s.disc(d.at, d.radius * 0.76f, ivory);
    s.disc(d.at, d.radius * 0.56f, d.colour);
    s.disc(d.at, d.radius * 0.2f, ivory);
}

// The one circle is a large rosette.
void drawOne(Sketch& s) {
    const Point c = faceCentre;
    s.disc(c, 66, green);
    s.disc(c, 59, ivory);
    for (int i = 0; i < 12; ++i)
        s.disc(polar(c, 48, i * 30.0f), 7.5f, i % 2 ? blue : red);
    s.disc(c, 36, blue);
    s.disc(c, 29, ivory);
    for (int i = 0; i < 8; ++i)
        s.ellipse(polar(c, 19, i * 45.0f), 8, 3.5f, i * 45.0f, green);
    s.disc(c, 9, red);
    s.disc(c, 3.5f, ivory);
}

// The classic arrangements of two to nine circles.
std::vector<Dot> layout(int rank) {
    switch (rank) {
    case 2:
        return {{{90, 78}, 38, green}, {{90, 202}, 38, blue}};
    case 3:
        return {{{46, 62}, 32, blue}, {{90, 140}, 32, red}, {{134, 218}, 32, green}};
    case 4:
        return {{{50, 88}, 33, blue},
                {{130, 88}, 33, green},
                {{50, 192}, 33, green},
                {{130, 192}, 33, blue}};
    case 5:
        return {{{47, 68}, 30, blue},
                {{133, 68}, 30, green},
                {{90, 140}, 30, red},
                {{47, 212}, 30, green},
                {{133, 212}, 30, blue}};
    case 6:
        return {{{52, 58}, 28, green}, {{128, 58}, 28, green}, {{52, 140}, 28, red},
                {{128, 140}, 28, red}, {{52, 222}, 28, red},   {{128, 222}, 28, red}};
    case 7:
        return {{{40, 44}, 22, green}, {{90, 76}, 22, green}, {{140, 108}, 22, green},
                {{56, 166}, 26, red},  {{124, 166}, 26, red}, {{56, 226}, 26, red},
                {{124, 226}, 26, red}};
    case 8:
        return {{{54, 50}, 24, blue},   {{126, 50}, 24, blue}, {{54, 110}, 24, blue},
                {{126, 110}, 24, blue}, {{54, 170}, 24, blue}, {{126, 170}, 24, blue},
                {{54, 230}, 24, blue},  {{126, 230}, 24, blue}};
    case 9: {
        std::vector<Dot> dots;
        const Color rows[] = {blue, red, green};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                dots.push_back({{40.0f + 50 * column, 58.0f + 82 * row}, 23, rows[row]});
        return dots;
    }
    default:
        return {};
    }
}

} // namespace

void drawDots(Sketch& sketch, int rank) {
    if (rank == 1) {
        drawOne(sketch);
        return;
    }
    for (const Dot& d : layout(rank))
        drawDot(sketch, d);
}
