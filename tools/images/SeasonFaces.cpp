#include "GroupFaces.h"
#include "TextPainter.h"

#include <string_view>
#include <vector>

namespace {

constexpr Color seasonMark = rgb(18, 112, 136);
constexpr Point picture{90, 104}; // centre of the picture above the sign

// Spring: a sprout opening two leaves under a bud.
void drawSpring(Sketch& s) {
    constexpr Color young = rgb(84, 176, 60);
    s.ellipse({90, 160}, 44, 8, 0, rgb(140, 100, 60));
    s.curve({90, 158}, {86, 116}, {92, 72}, 7, 5, rgb(50, 140, 50));
    s.leaf({88, 128}, {30, 96}, 34, rgb(50, 140, 50));
    s.leaf({88, 128}, {34, 98}, 24, young);
    s.leaf({90, 112}, {150, 82}, 34, rgb(50, 140, 50));
    s.leaf({90, 112}, {146, 84}, 24, young);
    s.leaf({92, 80}, {92, 40}, 24, rgb(214, 84, 120));
    s.leaf({92, 78}, {80, 46}, 14, rgb(246, 150, 178));
    s.leaf({92, 78}, {104, 46}, 14, rgb(246, 150, 178));
}

// Summer: a blazing sun.
void drawSummer(Sketch& s) {
    for (int i = 0; i < 12; ++i) {
        const float a = i * 30.0f;
        s.polygon({polar(picture, 38, a - 11), polar(picture, 64, a), polar(picture, 38, a + 11)},
                  rgb(236, 110, 24));
    }
    s.disc(picture, 36, rgb(236, 110, 24));
    s.disc(picture, 31, rgb(250, 178, 32));
    s.disc({picture.x - 6, picture.y - 6}, 18, rgb(255, 218, 96));
}

// Autumn: a maple leaf on its stalk.
void drawAutumn(Sketch& s) {
    const Point c = picture;
    // Right half of the outline, from the top tip down to the stalk; the left
    // half mirrors it.
    const Point half[] = {{0, -62}, {10, -36}, {24, -46}, {22, -16}, {60, -28}, {46, -6},
                          {58, 0},  {34, 12},  {44, 34},  {14, 24},  {4, 36}};
    std::vector<Point> outline;
    for (const Point& p : half)
        outline.push_back({c.x + p.x, c.y + p.y});
    for (int i = static_cast<int>(std::size(half)) - 1; i >= 0; --i)
        outline.push_back({c.x - half[i].x, c.y + half[i].y});
    constexpr Color vein = rgb(150, 34, 18);
    s.capsule({c.x, c.y + 30}, {c.x + 8, c.y + 62}, 2.6f, vein);
    s.polygon(outline, rgb(222, 82, 28));
    const Point stalk{c.x, c.y + 30};
    for (const Point& tip :
         {Point{0, -54}, Point{52, -24}, Point{-52, -24}, Point{38, 28}, Point{-38, 28}})
        s.capsule(stalk, {c.x + tip.x * 0.85f, c.y + tip.y * 0.85f}, 1.6f, vein);
}

// Winter: a six-armed snowflake.
void drawWinter(Sketch& s) {
    constexpr Color ice = rgb(40, 110, 196);
    for (int i = 0; i < 6; ++i) {
        const float a = -90 + i * 60.0f;
        s.capsule(picture, polar(picture, 58, a), 4, ice);
        for (float along : {0.36f, 0.66f}) {
            const Point fork = polar(picture, 58 * along, a);
            const float twig = along < 0.5f ? 14 : 18;
            s.capsule(fork, polar(fork, twig, a - 45), 3, ice);
            s.capsule(fork, polar(fork, twig, a + 45), 3, ice);
        }
        s.disc(polar(picture, 58, a), 5.5f, ice);
    }
    s.disc(picture, 11, ice);
    s.disc(picture, 5, ivory);
}

constexpr std::u32string_view seasons = U"春夏秋冬";

} // namespace

void drawSeason(Sketch& sketch, int rank, const FontSet& fonts) {
    switch (rank) {
    case 1:
        drawSpring(sketch);
        break;
    case 2:
        drawSummer(sketch);
        break;
    case 3:
        drawAutumn(sketch);
        break;
    default:
        drawWinter(sketch);
        break;
    }
    textCentred(sketch, *fonts.chinese, seasons.substr(rank - 1, 1), {90, 214}, 74,
                rgb(12, 74, 92));
    drawGroupMark(sketch, rank, seasonMark, fonts);
}
