#include "GroupFaces.h"

namespace {

constexpr Color flowerMark = rgb(196, 44, 104);
constexpr Color leafGreen = rgb(46, 142, 62);
constexpr Color bark = rgb(104, 64, 36);

// Plum: a crooked branch with round five-petalled blossoms.
void drawPlum(Sketch& s) {
    s.curve({40, 252}, {70, 206}, {92, 160}, 10, 7, bark);
    s.curve({92, 160}, {112, 118}, {140, 78}, 7, 3, bark);
    s.curve({84, 176}, {56, 150}, {48, 116}, 5, 2.5f, bark);
    auto blossom = [&](Point c, float r) {
        for (int k = 0; k < 5; ++k)
            s.disc(polar(c, r * 0.52f, -90 + 72.0f * k), r * 0.52f, rgb(214, 92, 128));
        for (int k = 0; k < 5; ++k)
            s.disc(polar(c, r * 0.52f, -90 + 72.0f * k), r * 0.45f, rgb(246, 164, 186));
        s.disc(c, r * 0.26f, rgb(250, 214, 96));
        for (int k = 0; k < 5; ++k)
            s.disc(polar(c, r * 0.3f, -54 + 72.0f * k), r * 0.07f, red);
    };
    blossom({100, 126}, 44);
    blossom({142, 74}, 26);
    blossom({50, 112}, 22);
    s.disc({72, 206}, 8, rgb(214, 92, 128));
    s.disc({110, 176}, 6, rgb(214, 92, 128));
}

// Orchid: long arching blades and two blossoms of narrow petals with a dark lip.
void drawOrchid(Sketch& s) {
    s.curve({88, 258}, {46, 214}, {26, 130}, 9, 1.5f, leafGreen);
    s.curve({92, 258}, {138, 218}, {160, 150}, 9, 1.5f, leafGreen);
    s.curve({90, 258}, {100, 190}, {70, 130}, 8, 1.5f, rgb(30, 118, 52));
    s.curve({92, 150}, {100, 130}, {104, 106}, 3, 2, leafGreen);
    auto blossom = [&](Point c, float k) {
        for (int i = 0; i < 5; ++i) {
            const float a = -90 + 72.0f * i;
            s.leaf(c, polar(c, 40 * k, a), 20 * k, rgb(150, 78, 184));
        }
        for (int i = 0; i < 5; ++i) {
            const float a = -90 + 72.0f * i;
            s.leaf(c, polar(c, 32 * k, a), 11 * k, rgb(196, 138, 222));
        }
        s.disc({c.x, c.y + 8 * k}, 11 * k, rgb(96, 30, 112));
        s.disc(c, 5 * k, rgb(250, 214, 96));
    };
    blossom({106, 96}, 1.0f);
    blossom({58, 164}, 0.72f);
}

// Chrysanthemum: a full head of thin golden petals on a leafy stem.
void drawChrysanthemum(Sketch& s) {
    s.curve({90, 150}, {98, 210}, {88, 262}, 6, 5, leafGreen);
    s.leaf({92, 214}, {46, 196}, 22, leafGreen);
    s.leaf({92, 236}, {140, 222}, 22, leafGreen);
    const Point c{90, 104};
    for (int i = 0; i < 26; ++i) {
        const float a = i * 360.0f / 26;
        s.leaf(polar(c, 8, a), polar(c, 60, a), 11, rgb(206, 130, 16));
    }
    for (int i = 0; i < 26; ++i) {
        const float a = i * 360.0f / 26;
        s.leaf(polar(c, 8, a), polar(c, 56, a), 8, rgb(244, 190, 40));
    }
    for (int i = 0; i < 16; ++i) {
        const float a = 11.25f + i * 22.5f;
        s.leaf(polar(c, 4, a), polar(c, 34, a), 9, rgb(226, 120, 22));
    }
    s.disc(c, 10, rgb(160, 82, 16));
}

// Lotus: pointed pink petals rising from a round pad.
void drawLotus(Sketch& s) {
    s.ellipse({90, 232}, 66, 20, 0, rgb(26, 104, 50));
    s.ellipse({90, 229}, 60, 15, 0, leafGreen);
    s.polygon({{90, 229}, {120, 214}, {128, 224}}, rgb(26, 104, 50));
    const Point base{90, 204};
    const float angles[] = {-84, 84, -58, 58, -30, 30, 0};
    const float lengths[] = {62, 62, 82, 82, 100, 100, 112};
    const float widths[] = {26, 26, 32, 32, 36, 36, 38};
    for (int i = 0; i < 7; ++i) {
        const Point tip = polar(base, lengths[i], -90 + angles[i]);
        s.leaf(base, tip, widths[i] + 4, rgb(204, 70, 120));
        s.leaf(base, tip, widths[i], i < 4 ? rgb(236, 124, 164) : rgb(248, 178, 202));
    }
    s.ellipse({90, 200}, 16, 7, 0, rgb(240, 196, 70));
}

} // namespace

void drawFlower(Sketch& sketch, int rank, const FontSet& fonts) {
    switch (rank) {
    case 1:
        drawPlum(sketch);
        break;
    case 2:
        drawOrchid(sketch);
        break;
    case 3:
        drawChrysanthemum(sketch);
        break;
    default:
        drawLotus(sketch);
        break;
    }
    drawGroupMark(sketch, rank, flowerMark, fonts);
}
