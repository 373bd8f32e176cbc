#include "FacePainter.h"

#include <cmath>
#include <vector>

namespace {

struct StickColours {
    Color dark;
    Color light;
};

constexpr StickColours greenStick{rgb(10, 92, 46), rgb(58, 168, 92)};
constexpr StickColours redStick{rgb(150, 18, 26), rgb(224, 78, 78)};
constexpr StickColours blueStick{rgb(20, 52, 128), rgb(82, 128, 208)};

struct Stick {
    Point from;
    Point to;
    StickColours colours;
};

// One bamboo stick from `from` to `to`: a dark rind, a light core, and the
// joints at both ends and in the middle that make it read as bamboo.
void drawStick(Sketch& s, const Stick& stick) {
    constexpr float halfWidth = 12;
    const float dx = stick.to.x - stick.from.x;
    const float dy = stick.to.y - stick.from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    const Point along{dx / length, dy / length};
    const Point across{-along.y, along.x};
    auto at = [&](float t, float side) {
        return Point{stick.from.x + dx * t + across.x * side,
                     stick.from.y + dy * t + across.y * side};
    };
    s.capsule(stick.from, stick.to, halfWidth, stick.colours.dark);
    const float inset = 6 / length;
    s.capsule(at(inset, 0), at(1 - inset, 0), halfWidth - 4.5f, stick.colours.light);
    for (float t : {0.0f, 0.5f, 1.0f}) {
        const float knot = std::clamp(t, 5 / length, 1 - 5 / length);
        s.capsule(at(knot, -halfWidth - 1.5f), at(knot, halfWidth + 1.5f), 3, stick.colours.dark);
    }
    // A highlight down one side gives the stick its roundness.
    s.capsule(at(0.12f, -3.5f), at(0.38f, -3.5f), 1.8f, ivory);
    s.capsule(at(0.62f, -3.5f), at(0.88f, -3.5f), 1.8f, ivory);
}

Stick upright(float x, float y, float length, StickColours c) {
    return {{x, y - length / 2}, {x, y + length / 2}, c};
}

std::vector<Stick> layout(int rank) {
    const StickColours g = greenStick;
    switch (rank) {
    case 2:
        return {upright(90, 80, 96, g), upright(90, 200, 96, blueStick)};
    case 3:
        return {upright(90, 80, 96, g), upright(54, 200, 96, g), upright(126, 200, 96, g)};
    case 4:
        return {upright(54, 80, 96, blueStick), upright(126, 80, 96, g), upright(54, 200, 96, g),
                upright(126, 200, 96, blueStick)};
    case 5:
        return {upright(42, 80, 96, g), upright(138, 80, 96, blueStick),
                upright(90, 140, 96, redStick), upright(42, 200, 96, blueStick),
                upright(138, 200, 96, g)};
    case 6:
        return {upright(40, 80, 96, g),          upright(90, 80, 96, g),
                upright(140, 80, 96, g),         upright(40, 200, 96, blueStick),
                upright(90, 200, 96, blueStick), upright(140, 200, 96, blueStick)};
    case 7:
        return {upright(90, 50, 68, redStick),   upright(40, 134, 68, g),
                upright(90, 134, 68, g),         upright(140, 134, 68, g),
                upright(40, 218, 68, blueStick), upright(90, 218, 68, blueStick),
                upright(140, 218, 68, blueStick)};
    case 8:
        // Two uprights at each side, the inner pairs leaning into an M above a W.
        return {upright(30, 82, 96, g),
                upright(150, 82, 96, g),
                {{64, 36}, {86, 126}, g},
                {{116, 36}, {94, 126}, g},
                upright(30, 198, 96, blueStick),
                upright(150, 198, 96, blueStick),
                {{86, 154}, {64, 244}, blueStick},
                {{94, 154}, {116, 244}, blueStick}};
    case 9: {
        std::vector<Stick> sticks;
        const StickColours columns[] = {g, redStick, blueStick};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                sticks.push_back(
                    upright(40.0f + 50 * column, 56.0f + 84 * row, 66, columns[column]));
        return sticks;
    }
    default:
        return {};
    }
}

// The one of bamboo is a bird perched on a stick.
void drawBird(Sketch& s) {
    constexpr Color plumage = rgb(30, 140, 70);
    constexpr Color deep = rgb(12, 86, 44);
    constexpr Color gold = rgb(232, 160, 30);
    // Tail feathers fanning down to the right, each with an eye.
    const float angles[] = {-38, -18, 2};
    const Color tails[] = {blue, green, blue};
    for (int i = 0; i < 3; ++i) {
        const Point middle = polar({112, 168}, 40, 90 + angles[i]);
        s.ellipse(middle, 11, 40, angles[i], tails[i]);
        s.disc(polar({112, 168}, 64, 90 + angles[i]), 7, gold);
        s.disc(polar({112, 168}, 64, 90 + angles[i]), 3.5f, red);
    }
    // Perch.
    drawStick(s, {{28, 214}, {152, 214}, greenStick});
    // Legs.
    s.capsule({84, 170}, {80, 206}, 2.6f, gold);
    s.capsule({98, 170}, {100, 206}, 2.6f, gold);
    // Body, breast and wing.
    s.ellipse({92, 146}, 42, 30, 32, plumage);
    s.ellipse({76, 140}, 22, 20, 20, rgb(120, 196, 96));
    s.ellipse({106, 144}, 32, 15, 36, deep);
    s.curve({88, 136}, {104, 146}, {124, 164}, 2.5f, 1.5f, plumage);
    s.curve({90, 148}, {104, 156}, {118, 170}, 2.5f, 1.5f, plumage);
    // Neck and head.
    s.curve({76, 132}, {62, 118}, {62, 98}, 24, 18, plumage);
    s.disc({60, 92}, 19, red);
    for (const Point tip : {Point{46, 56}, Point{60, 50}, Point{74, 56}}) {
        s.capsule({60, 78}, tip, 2, red);
        s.disc(tip, 4.5f, gold);
    }
    s.polygon({{44, 86}, {20, 96}, {44, 100}}, gold);
    s.disc({54, 88}, 5.5f, ivory);
    s.disc({53, 88}, 3, ink);
}

} // namespace

void drawBamboo(Sketch& sketch, int rank) {
    if (rank == 1) {
        drawBird(sketch);
        return;
    }
    for (const Stick& stick : layout(rank))
        drawStick(sketch, stick);
}
