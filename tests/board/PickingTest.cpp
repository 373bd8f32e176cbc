#include "BoardFixture.h"
#include "GameView.h"

#include "board/ViewSize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int width = 1280;
constexpr int height = 1024;
const double distances[] = {8.0, 12.0, 20.0, 35.0};

// Pointer targets: the centre, and the middle of each edge and each corner on
// two rings, one a little inside the window's edge and one further in. (At the
// outer corners the board, turned by almost 80 degrees both ways, is never
// under the pointer.)
std::vector<Pixel> pointerTargets() {
    std::vector<Pixel> targets = {{width / 2, height / 2}};
    for (double inset : {0.03, 0.15})
        for (double fy : {inset, 0.5, 1 - inset})
            for (double fx : {inset, 0.5, 1 - inset})
                if (fx != 0.5 || fy != 0.5)
                    targets.push_back({std::round(fx * width), std::round(fy * height)});
    return targets;
}

Vec3 topCentre(const Tile& tile) {
    return {tile.x + 1.0, tile.y + 1.5, tile.z + 1.0};
}

// Where the ray first enters a tile's drawn box [x, x+2] x [y, y+3] x [z-0.1, z+1];
// infinity when it misses.
double entryAlong(const Ray& ray, const Tile& tile) {
    const double low[3] = {tile.x, tile.y, tile.z - 0.1};
    const double high[3] = {tile.x + 2.0, tile.y + 3.0, tile.z + 1.0};
    const double origin[3] = {ray.origin.x, ray.origin.y, ray.origin.z};
    const double direction[3] = {ray.direction.x, ray.direction.y, ray.direction.z};
    double enter = 0;
    double leave = std::numeric_limits<double>::infinity();
    for (int axis = 0; axis < 3; ++axis) {
        if (direction[axis] == 0) {
            if (origin[axis] < low[axis] || origin[axis] > high[axis])
                return std::numeric_limits<double>::infinity();
            continue;
        }
        double t1 = (low[axis] - origin[axis]) / direction[axis];
        double t2 = (high[axis] - origin[axis]) / direction[axis];
        if (t1 > t2)
            std::swap(t1, t2);
        enter = std::max(enter, t1);
        leave = std::min(leave, t2);
    }
    return enter <= leave ? enter : std::numeric_limits<double>::infinity();
}

// The present tile whose box the ray meets first, if any.
std::optional<Cell> firstTileHit(const Mahjong& board, const Ray& ray, double* entry = nullptr) {
    std::optional<Cell> first;
    double best = std::numeric_limits<double>::infinity();
    for (const Cell& cell : presentCells(board)) {
        const double t = entryAlong(ray, board.tiles[cell.layer][cell.row][cell.column]);
        if (t < best) {
            best = t;
            first = cell;
        }
    }
    if (entry != nullptr)
        *entry = best;
    return first;
}

bool insideWindow(const Pixel& pixel) {
    return pixel.x >= 0 && pixel.x < width && pixel.y >= 0 && pixel.y < height;
}

class Picking : public testing::Test {
  protected:
    void SetUp() override {
        viewWidth = width;
        viewHeight = height;
    }
    void TearDown() override {
        viewWidth = 1280;
        viewHeight = 1024;
    }

    // Clicks where the point lies under the pointer and expects the tile at
    // `expected` to be selected (or nothing when it is empty).
    void expectClickSelects(Mahjong& board, const Pixel& click, const std::optional<Cell>& expected,
                            const std::string& where) {
        const std::int32_t code =
            board.clickAt(static_cast<float>(click.x), static_cast<float>(click.y));
        if (!expected) {
            EXPECT_EQ(code, clickNothing) << where;
            return;
        }
        EXPECT_EQ(code, clickSelected) << where;
        EXPECT_EQ(board.selectedColumn, expected->column) << where;
        EXPECT_EQ(board.selectedRow, expected->row) << where;
        EXPECT_EQ(board.selectedLayer, expected->layer) << where;
    }
};

std::string describe(const Pixel& target, double distance, int layer, const Pixel& click) {
    return "target (" + std::to_string(target.x) + ", " + std::to_string(target.y) + ") distance " +
           std::to_string(distance) + " layer " + std::to_string(layer) + " click (" +
           std::to_string(click.x) + ", " + std::to_string(click.y) + ")";
}

// For every pointer target, distance and layer: the cell of that layer that the
// view at the target shows under the pointer holds a lone free tile; the
// pointer is moved to where the centre of its top face lies under the pointer
// (the camera following), and the click there must select exactly that tile.
// Where the layer's plane is not under the target at all, a full board is
// clicked there instead and must answer "nothing".
TEST_F(Picking, ClickOnTheCentreOfATopFaceSelectsThatTile) {
    int nearTarget = 0;
    int cases = 0;
    for (const Pixel& target : pointerTargets())
        for (double distance : distances)
            for (int layer = 0; layer < boardLayers; ++layer) {
                const Ray ray = GameView(width, height, target, distance).unproject(target);
                const double t = (layer + 1 - ray.origin.z) / ray.direction.z;
                const double worldX = ray.origin.x + t * ray.direction.x;
                const double worldY = ray.origin.y + t * ray.direction.y;
                const int column = static_cast<int>(std::floor((worldX + 14) / 2));
                const int row = static_cast<int>(std::floor((worldY + 12) / 3));
                if (!(t > 0 && column >= 0 && column < boardColumns && row >= 0 && row < boardRows))
                    continue;
                const auto board = scenarioBoard({{layer, row, column}});
                board->setCameraDistance(static_cast<float>(distance));
                const Tile& tile = board->tiles[layer][row][column];
                const auto pointer = pointerOver(topCentre(tile), width, height, distance, target);
                ASSERT_TRUE(pointer) << describe(target, distance, layer, target);
                const Pixel click{std::round(pointer->x), std::round(pointer->y)};
                expectClickSelects(*board, click, Cell{column, row, layer},
                                   describe(target, distance, layer, click));
                ++cases;
                if (insideWindow(click) &&
                    std::hypot(click.x - target.x, click.y - target.y) < 0.1 * width)
                    ++nearTarget;
            }
    std::printf(
        "centre clicks: %d cases, %d inside the window within 128 px of their pointer target\n",
        cases, nearTarget);
    EXPECT_GT(nearTarget, 0);
}

// The same on the classic layout with all its tiles: every free tile whose top
// centre is in view and not hidden behind another tile's box is picked, on
// every layer.
TEST_F(Picking, FreeTilesOfTheClassicBoardArePickedWhereTheyAreDrawn) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    board->deal();
    int picked[boardLayers] = {};
    // The whole board, then with the top tile gone so that the layer under it is free.
    for (int state = 0; state < 2; ++state) {
        if (state == 1)
            board->removeCell(6, 4, 4);
        for (double distance : distances)
            for (const Pixel& start : pointerTargets())
                for (const Cell& cell : freeCells(*board)) {
                    board->setCameraDistance(static_cast<float>(distance));
                    const Tile& tile = board->tiles[cell.layer][cell.row][cell.column];
                    const auto pointer =
                        pointerOver(topCentre(tile), width, height, distance, start);
                    if (!pointer)
                        continue;
                    const Pixel click{std::round(pointer->x), std::round(pointer->y)};
                    if (!insideWindow(click))
                        continue;
                    const Ray ray = GameView(width, height, click, distance).unproject(click);
                    double entry = 0;
                    const auto seen = firstTileHit(*board, ray, &entry);
                    const double topLevel = tile.z + 1.0;
                    const bool fromAbove =
                        ray.direction.z < 0 &&
                        std::abs(ray.origin.z + entry * ray.direction.z - topLevel) < 1e-6;
                    if (!seen || !(*seen == cell) || !fromAbove)
                        continue; // another tile or the tile's side is in front
                    if (board->selectedTile != nullptr) // the last case's selection
                        board->clickTile(board->selectedColumn, board->selectedRow,
                                         board->selectedLayer);
                    expectClickSelects(*board, click, cell,
                                       describe(start, distance, cell.layer, click));
                    ++picked[cell.layer];
                }
    }
    for (int layer = 0; layer < boardLayers; ++layer)
        EXPECT_GT(picked[layer], 0) << "no visible free tile checked on layer " << layer;
}

// Pointer targets under which the drawn board shows nothing: the click answers
// "nothing" and the selection stays.
TEST_F(Picking, ClickOnTheBackgroundAnswersNothingAndKeepsTheSelection) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    board->deal();
    const Cell selected = freeCells(*board).front();
    ASSERT_EQ(board->clickTile(selected.column, selected.row, selected.layer), clickSelected);
    int background = 0;
    for (double distance : distances)
        for (const Pixel& target : pointerTargets()) {
            board->setCameraDistance(static_cast<float>(distance));
            const Ray ray = GameView(width, height, target, distance).unproject(target);
            if (firstTileHit(*board, ray))
                continue;
            EXPECT_EQ(board->clickAt(static_cast<float>(target.x), static_cast<float>(target.y)),
                      clickNothing)
                << describe(target, distance, -1, target);
            EXPECT_EQ(board->selectedTile,
                      &board->tiles[selected.layer][selected.row][selected.column]);
            EXPECT_TRUE(board->selectedTile->selected);
            ++background;
        }
    EXPECT_GT(background, 0);
}

// Points on a layer's top plane and what lies there.
struct SpotCase {
    const char* name;
    std::vector<PlacedTile> tiles;
    Vec3 spot;
    std::optional<Cell> expected;
};

class PickingSpot : public Picking, public testing::WithParamInterface<SpotCase> {};

TEST_P(PickingSpot, SelectsTheTileWhoseTopFaceLiesThere) {
    const SpotCase& c = GetParam();
    const auto board = scenarioBoard(c.tiles);
    for (double distance : distances) {
        board->setCameraDistance(static_cast<float>(distance));
        const auto pointer = pointerOver(c.spot, width, height, distance, {640, 512});
        ASSERT_TRUE(pointer);
        const Pixel click{std::round(pointer->x), std::round(pointer->y)};
        board->restoreLastTile();
        expectClickSelects(*board, click, c.expected, describe(*pointer, distance, 0, click));
    }
}

// Cell (row 3, column 5) spans x -4..-2 and y -3..0 in the world.
INSTANTIATE_TEST_SUITE_P(
    Board, PickingSpot,
    testing::Values(
        SpotCase{
            "RightShiftedTileOnItsCoverCell", {{0, 3, 5, 257}}, {-1.5, -1.5, 1}, Cell{5, 3, 0}},
        SpotCase{"RightShiftedTileInItsOwnCell", {{0, 3, 5, 257}}, {-2.5, -1.5, 1}, Cell{5, 3, 0}},
        SpotCase{"VacatedHalfLeftOfARightShiftedTile",
                 {{0, 3, 4}, {0, 3, 5, 257}},
                 {-3.5, -1.5, 1},
                 std::nullopt},
        SpotCase{"DownShiftedTileOnItsCoverCell", {{0, 3, 5, 513}}, {-3, -3.75, 1}, Cell{5, 3, 0}},
        SpotCase{"VacatedHalfAboveADownShiftedTile",
                 {{0, 4, 5}, {0, 3, 5, 513}},
                 {-3, -0.75, 1},
                 std::nullopt},
        SpotCase{"BothWaysOnTheDiagonalCell", {{2, 3, 5, 769}}, {-1.5, -3.75, 3}, Cell{5, 3, 2}},
        SpotCase{"BothWaysInItsOwnCell", {{2, 3, 5, 769}}, {-2.5, -2.25, 3}, Cell{5, 3, 2}},
        SpotCase{"BothWaysVacatedCorner", {{2, 3, 5, 769}}, {-3.5, -0.75, 3}, std::nullopt},
        SpotCase{"TopTileRatherThanTheOneItCovers",
                 {{1, 3, 5}, {2, 3, 5}, {0, 1, 9}},
                 {-3, -1.5, 3},
                 Cell{5, 3, 2}},
        SpotCase{"BlockedTileIsNotPicked",
                 {{0, 3, 4}, {0, 3, 5}, {0, 3, 6}},
                 {-3, -1.5, 1},
                 std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// A tile that may not be taken lets the search go on down the ray: a steep
// view of a free tile on layer 0 whose ray crosses layer 1 in a blocked tile.
TEST_F(Picking, SearchGoesOnBelowATileThatMayNotBeTaken) {
    constexpr double distance = 20;
    const Cell target{3, 1, 0}; // world x -8..-6, y -9..-6
    // A spot on the target's top face whose ray crosses layer 1 in another cell.
    for (double dy : {0.2, 2.8})
        for (double dx : {1.0, 0.2, 1.8}) {
            const Vec3 spot{-8 + dx, -9 + dy, 1};
            const auto pointer = pointerOver(spot, width, height, distance, {640, 512});
            if (!pointer)
                continue;
            const Pixel click{std::round(pointer->x), std::round(pointer->y)};
            const Ray ray = GameView(width, height, click, distance).unproject(click);
            const double t = (2 - ray.origin.z) / ray.direction.z;
            const int column =
                static_cast<int>(std::floor((ray.origin.x + t * ray.direction.x + 14) / 2));
            const int row =
                static_cast<int>(std::floor((ray.origin.y + t * ray.direction.y + 12) / 3));
            // The blocked row must stay in the grid and leave the cell over the target empty.
            if (column < 1 || column > 13 || row < 0 || row >= boardRows ||
                (row == target.row && column >= target.column - 1 && column <= target.column + 1))
                continue;

            const auto board = scenarioBoard({{target.layer, target.row, target.column},
                                              {1, row, column - 1},
                                              {1, row, column},
                                              {1, row, column + 1}});
            board->setCameraDistance(static_cast<float>(distance));
            expectClickSelects(*board, click, target, "past the blocked tile");
            // Once the tile on layer 1 is free it is the first one the search meets.
            board->restoreLastTile();
            board->removeCell(column - 1, row, 1);
            expectClickSelects(*board, click, Cell{column, row, 1}, "the freed tile on top");
            return;
        }
    FAIL() << "no spot on the target sees layer 1 in another cell";
}

TEST_F(Picking, HopelessRaysCountAsOutsideTheGrid) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    struct Case {
        const char* name;
        float x;
        float y;
        float distance;
    };
    const float huge = std::numeric_limits<float>::max();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const Case& c :
         {Case{"FarOutside", 1e9f, 1e9f, 35}, Case{"HugeCoordinates", huge, -huge, 35},
          Case{"NotANumber", nan, 100, 35}, Case{"Infinite", inf, inf, 35},
          Case{"InfiniteDistance", 640, 512, inf}, Case{"HugeDistance", 700, 600, huge},
          Case{"NaNDistance", 640, 512, nan}, Case{"EyeBelowTheBoard", 640, 512, -35}}) {
        board->restoreLastTile();
        board->setCameraDistance(c.distance);
        EXPECT_EQ(board->clickAt(c.x, c.y), clickNothing) << c.name;
        EXPECT_EQ(board->selectedTile, nullptr) << c.name;
    }
}

// A ray that runs along a layer's plane never meets it.
TEST_F(Picking, RayParallelToThePlaneHitsNothing) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    board->aimRay(640, 512);
    board->rayZ = 0; // looking along the board's planes
    board->hitPlane(0);
    EXPECT_FALSE(board->hitValid);
}

TEST_F(Picking, WindowWithoutSizePicksNothing) {
    const auto board = loadBoard(shippedLayout("classic.tab").c_str());
    for (std::int32_t size : {0, -5}) {
        viewWidth = size;
        EXPECT_EQ(board->clickAt(0, 0), clickNothing);
        viewWidth = width;
        viewHeight = size;
        EXPECT_EQ(board->clickAt(0, 0), clickNothing);
        viewHeight = height;
    }
}

} // namespace
