#include "gfx/BoardDrawing.h"

#include "RecordingEmitter.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr float originX = 14.0f;
constexpr float originY = 12.0f;

struct Cell {
    int layer, row, column;
};

struct Placement {
    int layer, row, column;
    std::int32_t face = 1;
    std::int32_t shiftX = 0;
    std::int32_t shiftY = 0;
    bool present = true;
};

// A grid filled the way the board lays out its tiles.
struct Grid {
    TileGrid tiles{};
    std::uint32_t faceTextures[faceKinds] = {};

    Grid() {
        for (int i = 0; i < faceKinds; ++i)
            faceTextures[i] = 100 + i; // face f binds name 99 + f
    }
    Tile& at(Cell c) { return tiles[c.layer][c.row][c.column]; }
    Tile& place(const Placement& p) {
        Tile& tile = tiles[p.layer][p.row][p.column];
        tile.present = p.present;
        tile.face = p.face;
        tile.shiftX = p.shiftX;
        tile.shiftY = p.shiftY;
        tile.x = (p.column + p.shiftX / 2.0f) * 2 - originX;
        tile.y = (p.row - p.shiftY / 2.0f) * 3 - originY;
        tile.z = static_cast<float>(p.layer);
        return tile;
    }
    RecordingEmitter draw() const {
        RecordingEmitter recorder;
        drawTiles(tiles, faceTextures, recorder);
        return recorder;
    }
};

constexpr TilePart allParts[] = {TilePart::Top,        TilePart::LowerBevel, TilePart::RightBevel,
                                 TilePart::UpperBevel, TilePart::LeftBevel,  TilePart::LowerSide,
                                 TilePart::UpperSide,  TilePart::LeftSide,   TilePart::RightSide};
const char* partNames[] = {"top",        "lower bevel", "right bevel", "upper bevel", "left bevel",
                           "lower side", "upper side",  "left side",   "right side"};

bool sameCorners(const Quad& a, const Quad& b) {
    for (int i = 0; i < 4; ++i)
        if (std::fabs(a.corner[i].x - b.corner[i].x) > 1e-5f ||
            std::fabs(a.corner[i].y - b.corner[i].y) > 1e-5f ||
            std::fabs(a.corner[i].z - b.corner[i].z) > 1e-5f)
            return false;
    return true;
}

// The names of the recorded quads that belong to `tile`, in drawing order.
std::vector<std::string> partsDrawn(const RecordingEmitter& recorder, const Tile& tile) {
    std::vector<std::string> names;
    for (const auto& drawn : recorder.quads)
        for (int p = 0; p < 9; ++p)
            if (sameCorners(drawn.quad, tileQuad(allParts[p], tile)))
                names.push_back(partNames[p]);
    return names;
}

const std::vector<std::string> wholeTile = {"top",         "lower bevel", "right bevel",
                                            "upper bevel", "left bevel",  "lower side",
                                            "upper side",  "left side",   "right side"};

std::vector<std::string> without(std::vector<std::string> parts,
                                 const std::set<std::string>& hidden) {
    std::erase_if(parts, [&](const std::string& p) { return hidden.count(p) != 0; });
    return parts;
}

// ---- Geometry of one tile ------------------------------------------------

struct GeometryCase {
    TilePart part;
    std::array<float, 3> normal;
    std::array<std::array<float, 3>, 4> corners; // offsets from (x, y, z)
};

const float d = 0.707f;
const GeometryCase geometry[] = {
    {TilePart::Top,
     {0, 0, 1},
     {{{0.1f, 0.1f, 1}, {1.9f, 0.1f, 1}, {1.9f, 2.9f, 1}, {0.1f, 2.9f, 1}}}},
    {TilePart::LowerBevel,
     {0, -d, d},
     {{{2, 0, 0.9f}, {1.9f, 0.1f, 1}, {0.1f, 0.1f, 1}, {0, 0, 0.9f}}}},
    {TilePart::RightBevel,
     {d, 0, d},
     {{{1.9f, 2.9f, 1}, {1.9f, 0.1f, 1}, {2, 0, 0.9f}, {2, 3, 0.9f}}}},
    {TilePart::UpperBevel,
     {0, d, d},
     {{{0, 3, 0.9f}, {0.1f, 2.9f, 1}, {1.9f, 2.9f, 1}, {2, 3, 0.9f}}}},
    {TilePart::LeftBevel,
     {-d, 0, d},
     {{{0, 3, 0.9f}, {0, 0, 0.9f}, {0.1f, 0.1f, 1}, {0.1f, 2.9f, 1}}}},
    {TilePart::LowerSide, {0, -1, 0}, {{{2, 0, 0.9f}, {0, 0, 0.9f}, {0, 0, -0.1f}, {2, 0, -0.1f}}}},
    {TilePart::UpperSide, {0, 1, 0}, {{{0, 3, 0.9f}, {2, 3, 0.9f}, {2, 3, -0.1f}, {0, 3, -0.1f}}}},
    {TilePart::LeftSide, {-1, 0, 0}, {{{0, 0, 0.9f}, {0, 3, 0.9f}, {0, 3, -0.1f}, {0, 0, -0.1f}}}},
    {TilePart::RightSide, {1, 0, 0}, {{{2, 3, 0.9f}, {2, 0, 0.9f}, {2, 0, -0.1f}, {2, 3, -0.1f}}}},
};

TEST(TileQuad, CornersNormalsAndTextureCoordinatesOfEveryPart) {
    Tile tile;
    tile.x = -3.0f;
    tile.y = -4.5f;
    tile.z = 2.0f;
    for (const GeometryCase& c : geometry) {
        SCOPED_TRACE(partNames[static_cast<int>(c.part)]);
        Quad quad = tileQuad(c.part, tile);
        EXPECT_TRUE(quad.hasNormal);
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_FLOAT_EQ(quad.normal[axis], c.normal[axis]);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(quad.corner[i].x, tile.x + c.corners[i][0], 1e-5f) << "corner " << i;
            EXPECT_NEAR(quad.corner[i].y, tile.y + c.corners[i][1], 1e-5f) << "corner " << i;
            EXPECT_NEAR(quad.corner[i].z, tile.z + c.corners[i][2], 1e-5f) << "corner " << i;
        }
        // The top maps the whole picture; everything else samples corner (0, 1).
        const float topTexture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int i = 0; i < 4; ++i) {
            bool top = c.part == TilePart::Top;
            EXPECT_EQ(quad.corner[i].s, top ? topTexture[i][0] : 0.0f) << "corner " << i;
            EXPECT_EQ(quad.corner[i].t, top ? topTexture[i][1] : 1.0f) << "corner " << i;
        }
    }
}

TEST(TileQuad, EveryPartIsCounterClockwiseFromOutside) {
    Tile tile;
    tile.x = 1.0f;
    tile.y = 1.5f;
    for (TilePart part : allParts) {
        Quad q = tileQuad(part, tile);
        // Both triangles of the quad must face along the given normal, or back-face
        // culling would drop them.
        for (int first : {0, 2}) {
            const QuadVertex& a = q.corner[first];
            const QuadVertex& b = q.corner[first + 1];
            const QuadVertex& c = q.corner[(first + 2) % 4];
            float u[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
            float v[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
            float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                          u[0] * v[1] - u[1] * v[0]};
            float along = n[0] * q.normal[0] + n[1] * q.normal[1] + n[2] * q.normal[2];
            EXPECT_GT(along, 0.0f) << partNames[static_cast<int>(part)];
        }
    }
}

// ---- Which parts are drawn ------------------------------------------------

struct HidingCase {
    const char* name;
    Placement observed;
    std::vector<Placement> others;
    std::set<std::string> hidden; // parts of the observed tile left out
};

void PrintTo(const HidingCase& c, std::ostream* os) {
    *os << c.name;
}

class Hiding : public ::testing::TestWithParam<HidingCase> {};

TEST_P(Hiding, DrawsOnlyTheVisibleParts) {
    const HidingCase& c = GetParam();
    Grid grid;
    for (const Placement& p : c.others)
        grid.place(p);
    const Tile& tile = grid.place(c.observed);
    RecordingEmitter recorder = grid.draw();
    EXPECT_EQ(partsDrawn(recorder, tile), without(wholeTile, c.hidden));
    EXPECT_TRUE(recorder.faults.empty()) << recorder.faults.front();
}

constexpr int kCover = coverFromLeft;
constexpr int kCoverAbove = coverFromAbove;

INSTANTIATE_TEST_SUITE_P(
    Neighbours, Hiding,
    ::testing::Values(
        HidingCase{"LoneTileShowsEverything", {0, 3, 5}, {}, {}},
        HidingCase{"LeftOfAPairLosesItsRightSide", {0, 3, 5}, {{0, 3, 6}}, {"right side"}},
        HidingCase{"RightOfAPairLosesItsLeftSide", {0, 3, 6}, {{0, 3, 5}}, {"left side"}},
        HidingCase{"RightNeighbourShiftedDownLeavesRightSide", {0, 3, 5}, {{0, 3, 6, 1, 0, 1}}, {}},
        HidingCase{"ShiftedDownTileStillHidesLeftSideBehindUnshiftedNeighbour",
                   {0, 3, 6, 1, 0, 1},
                   {{0, 3, 5}},
                   {"left side"}},
        HidingCase{"LeftNeighbourShiftedDownLeavesLeftSide", {0, 3, 6}, {{0, 3, 5, 1, 0, 1}}, {}},
        HidingCase{
            "LeftNeighbourShiftedRightStillHides", {0, 3, 6}, {{0, 3, 5, 1, 1, 0}}, {"left side"}},
        HidingCase{"RowBelowHidesLowerSide", {0, 3, 5}, {{0, 2, 5}}, {"lower side"}},
        HidingCase{"RowAboveHidesUpperSide", {0, 3, 5}, {{0, 4, 5}}, {"upper side"}},
        HidingCase{"ShiftedRowNeighboursStillHide",
                   {0, 3, 5},
                   {{0, 2, 5, 1, 1, 1}, {0, 4, 5, 1, 1, 1}},
                   {"lower side", "upper side"}},
        HidingCase{"SurroundedTileKeepsTopAndBevelsOnly",
                   {0, 3, 5},
                   {{0, 2, 5}, {0, 4, 5}, {0, 3, 4}, {0, 3, 6}},
                   {"lower side", "upper side", "left side", "right side"}},
        HidingCase{"UnshiftedTileOnTopHidesTopAndBevels",
                   {0, 3, 5},
                   {{1, 3, 5}},
                   {"top", "lower bevel", "right bevel", "upper bevel", "left bevel"}},
        HidingCase{
            "CoveredTileStillHidesSidesByItsNeighbours",
            {2, 3, 5},
            {{3, 3, 5}, {2, 3, 6}},
            {"top", "lower bevel", "right bevel", "upper bevel", "left bevel", "right side"}},
        HidingCase{"TileAboveShiftedRightLeavesTop", {0, 3, 5}, {{1, 3, 5, 1, 1, 0}}, {}},
        HidingCase{"TileAboveShiftedDownLeavesTop", {0, 3, 5}, {{1, 3, 5, 1, 0, 1}}, {}},
        HidingCase{"RemovedTileAboveLeavesTop", {0, 3, 5}, {{1, 3, 5, 0, 0, 0, false}}, {}},
        HidingCase{"CoverMarkAboveLeavesTop", {0, 3, 5}, {{1, 3, 5, kCover, 0, 0, false}}, {}},
        HidingCase{"DiagonalTileAboveLeavesTop", {0, 3, 5}, {{1, 3, 6}, {1, 4, 5}}, {}},
        HidingCase{"TopLayerAlwaysShowsTop", {4, 3, 5}, {{3, 3, 5}}, {}},
        HidingCase{"NeighboursInOtherLayersHideNoSide",
                   {1, 3, 5},
                   {{0, 3, 6}, {2, 3, 4}, {0, 2, 5}, {2, 4, 5}},
                   {}},
        HidingCase{"CoverMarksNeverHideSides",
                   {0, 3, 5},
                   {{0, 3, 6, kCover, 0, 0, false},
                    {0, 3, 4, kCoverAbove, 0, 0, false},
                    {0, 2, 5, kCover | kCoverAbove, 0, 0, false},
                    {0, 4, 5, kCover, 0, 0, false}},
                   {}},
        HidingCase{"EmptiedNeighbourCellsHideNothing",
                   {0, 3, 5},
                   {{0, 3, 6, 0, 0, 0, false}, {0, 2, 5, 0, 0, 0, false}},
                   {}},
        HidingCase{"LowerLeftCornerShowsOuterSides",
                   {0, 0, 0},
                   {{0, 1, 0}, {0, 0, 1}},
                   {"upper side", "right side"}},
        HidingCase{"UpperRightCornerShowsOuterSides",
                   {0, 7, 14},
                   {{0, 6, 14}, {0, 7, 13}},
                   {"lower side", "left side"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Order, state and the selected tile ----------------------------------

TEST(BoardDrawing, LoneTileSendsOneTexturedBatchBetweenTheColourMaterialSteps) {
    Grid grid;
    grid.place({0, 3, 5, 7});
    RecordingEmitter recorder = grid.draw();
    std::vector<std::string> expected = {"enable colour material", "colour material front diffuse",
                                         "colour 1 1 1", "bind 106", "begin"};
    expected.insert(expected.end(), 9, "quad");
    expected.insert(expected.end(),
                    {"end", "colour 1 1 1", "disable colour material", "colour 1 1 1"});
    EXPECT_EQ(recorder.log, expected);
    for (const auto& drawn : recorder.quads) {
        EXPECT_TRUE(drawn.quad.hasNormal);
        EXPECT_TRUE(drawn.lighting);
        EXPECT_TRUE(drawn.texturing);
        EXPECT_TRUE(drawn.colourMaterial);
        EXPECT_EQ(drawn.texture, 106u);
    }
    EXPECT_TRUE(recorder.lighting);
    EXPECT_TRUE(recorder.texturing);
    EXPECT_FALSE(recorder.colourMaterial);
}

TEST(BoardDrawing, SelectedTileHasAnUnlitUntexturedRedFrame) {
    Grid grid;
    Tile& tile = grid.place({0, 3, 5, 42});
    tile.selected = true;
    RecordingEmitter recorder = grid.draw();

    std::vector<std::string> expected = {"enable colour material",
                                         "colour material front diffuse",
                                         "disable lighting",
                                         "disable texturing",
                                         "colour 1 0 0",
                                         "begin",
                                         "quad",
                                         "quad",
                                         "quad",
                                         "quad",
                                         "end",
                                         "enable texturing",
                                         "enable lighting",
                                         "colour 1 1 1",
                                         "bind 141",
                                         "begin"};
    expected.insert(expected.end(), 5, "quad");
    expected.insert(expected.end(),
                    {"end", "colour 1 1 1", "disable colour material", "colour 1 1 1"});
    EXPECT_EQ(recorder.log, expected);

    EXPECT_EQ(
        partsDrawn(recorder, tile),
        (std::vector<std::string>{"lower bevel", "right bevel", "upper bevel", "left bevel", "top",
                                  "lower side", "upper side", "left side", "right side"}));
    for (int i = 0; i < 4; ++i) {
        const auto& frame = recorder.quads[i];
        EXPECT_FALSE(frame.quad.hasNormal);
        EXPECT_FALSE(frame.lighting);
        EXPECT_FALSE(frame.texturing);
        EXPECT_EQ((std::array<float, 3>{frame.colour[0], frame.colour[1], frame.colour[2]}),
                  (std::array<float, 3>{1, 0, 0}));
    }
    for (std::size_t i = 4; i < recorder.quads.size(); ++i) {
        const auto& rest = recorder.quads[i];
        EXPECT_TRUE(rest.quad.hasNormal);
        EXPECT_TRUE(rest.lighting);
        EXPECT_TRUE(rest.texturing);
        EXPECT_EQ(rest.colour[1], 1.0f);
    }

    // Cancelling the selection gives the bevels their textured look back.
    tile.selected = false;
    RecordingEmitter after = grid.draw();
    EXPECT_EQ(partsDrawn(after, tile), wholeTile);
    for (const auto& drawn : after.quads)
        EXPECT_TRUE(drawn.lighting && drawn.texturing && drawn.quad.hasNormal);
}

TEST(BoardDrawing, SelectedCoveredTileShowsOnlyItsFrameAboveItsSides) {
    Grid grid;
    Tile& tile = grid.place({0, 3, 5});
    tile.selected = true;
    grid.place({1, 3, 5});
    RecordingEmitter recorder = grid.draw();
    std::vector<std::string> parts = partsDrawn(recorder, tile);
    EXPECT_EQ(parts,
              (std::vector<std::string>{"lower bevel", "right bevel", "upper bevel", "left bevel",
                                        "lower side", "upper side", "left side", "right side"}));
}

TEST(BoardDrawing, VisitsLayersThenRowsThenColumns) {
    Grid grid;
    // Faces name the expected drawing position: 1 first.
    grid.place({1, 0, 0, 5});
    grid.place({0, 7, 0, 3});
    grid.place({0, 2, 9, 2});
    grid.place({0, 2, 3, 1});
    grid.place({4, 0, 14, 6});
    grid.place({1, 0, 1, 0, 0, 0, false}); // not present: skipped
    RecordingEmitter recorder = grid.draw();
    std::vector<std::string> binds;
    for (const std::string& line : recorder.log)
        if (line.rfind("bind", 0) == 0)
            binds.push_back(line);
    EXPECT_EQ(binds, (std::vector<std::string>{"bind 100", "bind 101", "bind 102", "bind 104",
                                               "bind 105"}));
    EXPECT_TRUE(recorder.faults.empty());
}

TEST(BoardDrawing, FacesOutsideTheKindsBindNoTexture) {
    for (std::int32_t face : {0, 43, -1, 0x3FF}) {
        Grid grid;
        grid.place({0, 3, 5, face});
        RecordingEmitter recorder = grid.draw();
        EXPECT_EQ(recorder.texture, 0u) << face;
        EXPECT_EQ(recorder.quads.size(), 9u) << face;
    }
}

TEST(BoardDrawing, EmptyBoardOnlyResetsColourMaterial) {
    Grid grid;
    RecordingEmitter recorder = grid.draw();
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"colour 1 1 1", "disable colour material",
                                                      "colour 1 1 1"}));
}

} // namespace
