// A game in progress: camera, clicks, scoring with the combo clock, take-back,
// re-deal, the automatic re-deal, the heads-up display and the effect picture,
// and one whole game played to its end.

#include "GameFixture.h"

#include "app/GameState.h"
#include "app/Input.h"
#include "app/Settings.h"
#include "app/VirtualKeys.h"
#include "audio/GameAudio.h"
#include "board/Mahjong.h"
#include "gfx/GLFont.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

using namespace gametest;
using boardprobe::Cell;

namespace {
using Faces = std::array<std::int32_t, boardLayers * boardRows * boardColumns>;

Faces facesOf(const Mahjong& b) {
    Faces faces{};
    int i = 0;
    for (const auto& layer : b.tiles)
        for (const auto& row : layer)
            for (const Tile& cell : row)
                faces[i++] = cell.face;
    return faces;
}

std::string nextMoveShown() {
    return hudFont.textBuffer;
} // the frame's last text

class PlayTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        startNewGame();
        pointAt(screenWidth / 2, screenHeight / 2);
        frame();
        played.clear();
    }
};
} // namespace

TEST_F(PlayTest, PairsScoreWithTheComboClock) {
    struct Pair {
        std::uint32_t after; // ms since the previous pair
        std::int32_t points;
        int effect;
        std::int32_t picture;
        std::int32_t combo;
    };
    struct Case {
        const char* name;
        std::vector<Pair> pairs;
    } cases[] = {
        {"after a pause: 20 with the bang", {{60'000, 20, SFX_MIN, 1, 0}}},
        {"3 s later: 30 with the combo picture",
         {{60'000, 20, SFX_MIN, 1, 0}, {3'000, 30, SFX_MIN, 2, 1}}},
        {"1 s apart: 40, then 60, with the turbo picture",
         {{60'000, 20, SFX_MIN, 1, 0}, {1'000, 40, SFX_MAX, 3, 2}, {1'000, 60, SFX_MAX, 3, 4}}},
        {"5 s is a pause", {{60'000, 20, SFX_MIN, 1, 0}, {5'000, 20, SFX_MIN, 1, 0}}},
        {"4.999 s still combos", {{60'000, 20, SFX_MIN, 1, 0}, {4'999, 30, SFX_MIN, 2, 1}}},
        {"1.5 s is no turbo", {{60'000, 20, SFX_MIN, 1, 0}, {1'500, 30, SFX_MIN, 2, 1}}},
        {"1.499 s is turbo", {{60'000, 20, SFX_MIN, 1, 0}, {1'499, 40, SFX_MAX, 3, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        startNewGame();
        for (const Pair& pair : c.pairs) {
            now += pair.after;
            const std::int32_t before = score;
            played.clear();
            pointAt(screenWidth / 2, screenHeight / 2);
            ASSERT_TRUE(removeFreePair());
            EXPECT_EQ(score - before, pair.points);
            EXPECT_EQ(played, (std::vector<PlayedEffect>{{SFX_BEEP, 200}, {pair.effect, 255}}))
                << describe(played);
            EXPECT_EQ(effectPicture, pair.picture);
            EXPECT_EQ(comboLevel, pair.combo);
            EXPECT_EQ(lastMatchTime, now);
            EXPECT_EQ(effectX, mouseX); // where the pointer is
            EXPECT_EQ(effectY, mouseY);
        }
    }
}

TEST_F(PlayTest, TheComboWanesAfterFiveSecondsOneLevelASecond) {
    now += 60'000;
    ASSERT_TRUE(removeFreePair()); // level 0
    now += 1'000;
    ASSERT_TRUE(removeFreePair()); // level 2
    now += 3'000;
    ASSERT_TRUE(removeFreePair()); // level 3
    ASSERT_EQ(comboLevel, 3);
    const std::uint32_t last = now;
    struct Step {
        std::uint32_t at;
        const char* shown;
    } steps[] = {{4'999, "NEXT MOVE +50"}, {5'000, "NEXT MOVE +40"}, {5'500, "NEXT MOVE +40"},
                 {6'000, "NEXT MOVE +30"}, {7'000, "NEXT MOVE +20"}, {9'000, "NEXT MOVE +20"}};
    for (const Step& step : steps) {
        now = last + step.at;
        frame();
        EXPECT_EQ(nextMoveShown(), step.shown) << step.at << " ms";
    }
    EXPECT_EQ(comboLevel, 0);
}

TEST_F(PlayTest, ANewGameWithinFiveSecondsOfTheLastPairCombos) {
    now += 60'000;
    ASSERT_TRUE(removeFreePair());
    now += 500;
    tap(VK_ESC);
    frame(); // game over, main menu
    now += 500;
    startNewGame();
    EXPECT_EQ(comboLevel, 0);
    EXPECT_EQ(score, 0);
    now += 1'000; // 2 s after the last pair of the previous game
    pointAt(screenWidth / 2, screenHeight / 2);
    played.clear();
    ASSERT_TRUE(removeFreePair());
    EXPECT_EQ(score, 30);
    EXPECT_EQ(effectPicture, 2);
    EXPECT_EQ(played.back(), (PlayedEffect{SFX_MIN, 255}));
}

TEST_F(PlayTest, TakeBackCostsThirtyEvenWithNothingToTakeBack) {
    struct Case {
        const char* name;
        int pairsFirst;
        std::int32_t score;
    } cases[] = {{"at the start, a selection is only cleared", 0, -30},
                 {"after a pair, the pair comes back", 1, -10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        startNewGame();
        pointAt(screenWidth / 2, screenHeight / 2);
        for (int i = 0; i < c.pairsFirst; ++i) {
            now += 60'000;
            ASSERT_TRUE(removeFreePair());
        }
        clickTile(boardprobe::freeTiles(*board).front());
        ASSERT_NE(board->selectedTile, nullptr);
        tap(VK_KEY_B);
        EXPECT_EQ(keys[VK_KEY_B], 0);
        EXPECT_EQ(score, c.score);
        EXPECT_EQ(board->tilesLeft(), 144);
        EXPECT_EQ(board->selectedTile, nullptr);
        EXPECT_EQ(lastMatchTime, 0u);
        frame();
        EXPECT_EQ(score, c.score) << "one press, one take-back";
    }
}

TEST_F(PlayTest, TakeBackOrRedealLetsTheComboFallOneLevelAFrame) {
    for (int key : {VK_KEY_B, VK_KEY_S}) {
        SCOPED_TRACE(key == VK_KEY_B ? "B" : "S");
        resetGame();
        startNewGame();
        pointAt(screenWidth / 2, screenHeight / 2);
        now += 60'000;
        ASSERT_TRUE(removeFreePair());
        now += 1'000;
        ASSERT_TRUE(removeFreePair());
        now += 1'000;
        ASSERT_TRUE(removeFreePair());
        ASSERT_EQ(comboLevel, 4);
        tap(key);
        EXPECT_EQ(comboLevel, 3);
        frame();
        EXPECT_EQ(comboLevel, 2);
        frame();
        frame();
        EXPECT_EQ(comboLevel, 0);
        frame();
        EXPECT_EQ(comboLevel, 0);
        EXPECT_EQ(nextMoveShown(), "NEXT MOVE +20");
    }
}

TEST_F(PlayTest, RedealCostsOneHundredAndAlwaysDealsAgain) {
    ASSERT_GT(board->countOpenMoves(), 0);
    for (int press = 1; press <= 3; ++press) {
        const Faces before = facesOf(*board);
        now += 1'234; // the deal takes its seed from the clock
        tap(VK_KEY_S);
        EXPECT_EQ(keys[VK_KEY_S], 0);
        EXPECT_EQ(score, -100 * press);
        EXPECT_NE(facesOf(*board), before);
        EXPECT_EQ(board->tilesLeft(), 144);
        EXPECT_EQ(lastMatchTime, 0u);
    }
}

TEST_F(PlayTest, AutomaticRedealWhenNoMoveIsLeft) {
    // Classic layout: two stacks of two in the middle and two lone tiles at
    // the ends of the top and bottom rows.
    const Cell stackBottom{0, 2, 4}, stackTop{1, 2, 4};
    const Cell otherBottom{0, 5, 9}, otherTop{1, 5, 9};
    const Cell loneLow{0, 0, 1}, loneHigh{0, 7, 1};
    constexpr std::int32_t a = 1, b = 2; // two faces with four tiles each
    enum class Setup { CrossedStacks, OneStackAndAPairToTakeBack, OneStackNothingToTakeBack };
    struct Case {
        const char* name;
        Setup setup;
        std::int32_t scoreAfter;
        std::int32_t tilesAfter;
        std::int32_t takenBack; // tiles that came back
        bool opens;
    } cases[] = {
        {"the first re-deal opens a move: 100", Setup::CrossedStacks, -100, 4, 0, true},
        {"a further re-deal takes a pair back first: 100 + 130", Setup::OneStackAndAPairToTakeBack,
         -230, 4, 2, true},
        {"nothing to take back: one re-deal a frame, never a hang",
         Setup::OneStackNothingToTakeBack, -100, 2, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        startNewGame();
        pointAt(screenWidth / 2, screenHeight / 2);
        switch (c.setup) {
        case Setup::CrossedStacks:
            // The two uncovered tops differ; a deal may match them.
            ASSERT_TRUE(boardprobe::arrangeFaces(
                *board, {{stackBottom, a}, {stackTop, b}, {otherBottom, b}, {otherTop, a}}));
            ASSERT_TRUE(
                boardprobe::clearAllBut(*board, {stackBottom, stackTop, otherBottom, otherTop}));
            break;
        case Setup::OneStackAndAPairToTakeBack:
        case Setup::OneStackNothingToTakeBack:
            // Only one tile of the stack is uncovered, so no deal opens a move.
            ASSERT_TRUE(boardprobe::arrangeFaces(
                *board, {{stackBottom, a}, {stackTop, a}, {loneLow, b}, {loneHigh, b}}));
            ASSERT_TRUE(
                boardprobe::clearAllBut(*board, {stackBottom, stackTop, loneLow, loneHigh}));
            ASSERT_EQ(board->clickTile(loneLow.column, loneLow.row, loneLow.layer), clickSelected);
            ASSERT_EQ(board->clickTile(loneHigh.column, loneHigh.row, loneHigh.layer),
                      clickRemoved);
            if (c.setup == Setup::OneStackNothingToTakeBack)
                board->removedCount = 0;
            break;
        }
        ASSERT_EQ(board->countOpenMoves(), 0);
        if (c.setup == Setup::CrossedStacks) {
            // A clock reading whose deal matches the two tops.
            const Faces arranged = facesOf(*board);
            std::uint32_t t = now;
            for (;; ++t) {
                now = t;
                board->deal();
                const bool opened = board->countOpenMoves() > 0;
                int i = 0;
                for (auto& layer : board->tiles)
                    for (auto& row : layer)
                        for (Tile& cell : row)
                            cell.face = arranged[i++];
                if (opened)
                    break;
            }
        }
        score = 0;
        const std::int32_t stackBefore = board->removedCount;
        autoShuffle = false;
        frame();
        EXPECT_EQ(score, 0) << "nothing happens while the option is off";
        autoShuffle = true;
        lastMatchTime = now;
        frame();
        EXPECT_EQ(score, c.scoreAfter);
        EXPECT_EQ(board->tilesLeft(), c.tilesAfter);
        EXPECT_EQ(stackBefore - board->removedCount, c.takenBack);
        EXPECT_EQ(board->countOpenMoves() > 0, c.opens);
        EXPECT_EQ(lastMatchTime, 0u);
        if (c.opens) {
            frame();
            EXPECT_EQ(score, c.scoreAfter) << "an open move stops the re-dealing";
        } else {
            frame();
            EXPECT_EQ(score, 2 * c.scoreAfter) << "the next frame tries again";
        }
        EXPECT_EQ(gameState, Playing);
    }
}

TEST_F(PlayTest, TheBoardTurnsAfterThePointer) {
    struct Case {
        int x, y;
        double yaw, pitch; // degrees
    } cases[] = {
        {640, 512, 0, 0}, {0, 512, 80, 0},     {1280, 512, -80, 0},
        {640, 0, 0, 80},  {640, 1024, 0, -80}, {960, 256, -40, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        pointAt(c.x, c.y);
        frame();
        // The model-view matrix keeps the camera after the frame: translate
        // (0, 0, -35), then yaw about y, then pitch about x.
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        const double y = c.yaw * std::numbers::pi / 180, p = c.pitch * std::numbers::pi / 180;
        const double expected[16] = {std::cos(y),
                                     0,
                                     -std::sin(y),
                                     0,
                                     std::sin(y) * std::sin(p),
                                     std::cos(p),
                                     std::cos(y) * std::sin(p),
                                     0,
                                     std::sin(y) * std::cos(p),
                                     -std::sin(p),
                                     std::cos(y) * std::cos(p),
                                     0,
                                     0,
                                     0,
                                     -35,
                                     1};
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(m[i], expected[i], 1e-5) << "element " << i;
    }
}

TEST_F(PlayTest, QAndAZoomOneTenthAFrameWhileHeld) {
    struct Case {
        int key;
        int frames;
        float from;
        float to;
    } cases[] = {{VK_KEY_Q, 10, 35.0f, 36.0f},
                 {VK_KEY_A, 10, 35.0f, 34.0f},
                 {VK_KEY_A, 20, 0.5f, -1.5f}}; // past the eye
    for (const Case& c : cases) {
        board->setCameraDistance(c.from);
        keys[c.key] = 1;
        for (int i = 0; i < c.frames; ++i)
            frame();
        keys[c.key] = 0;
        EXPECT_NEAR(board->cameraDistance(), c.to, 1e-3) << "no limit either way";
        EXPECT_EQ(gameState, Playing);
    }
}

TEST_F(PlayTest, EachClickResultHasItsEffect) {
    const auto pair = boardprobe::findFreePair(*board);
    const auto mismatch = boardprobe::findFreeMismatch(*board);
    ASSERT_TRUE(pair && mismatch);
    struct Case {
        const char* name;
        std::vector<Cell> clicks; // empty: a click beside the board
        PlayedEffect last;
        bool selection;
    } cases[] = {
        {"beside the board", {}, {SFX_SKID, 255}, false},
        {"a free tile is selected", {pair->first}, {SFX_BEEP, 200}, true},
        {"the selection clicked again", {pair->first, pair->first}, {SFX_FLIP, 150}, false},
        {"a tile that does not match", {mismatch->first, mismatch->second}, {SFX_BEEP, 200}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        played.clear();
        if (c.clicks.empty())
            clickAt(2, screenHeight - 3);
        for (const Cell& cell : c.clicks)
            clickTile(cell);
        EXPECT_FALSE(clicked);
        ASSERT_FALSE(played.empty());
        EXPECT_EQ(played.back(), c.last) << describe(played);
        EXPECT_EQ(board->selectedTile != nullptr, c.selection);
        EXPECT_EQ(board->tilesLeft(), 144);
        if (board->selectedTile != nullptr) // back to no selection
            board->clickTile(board->selectedColumn, board->selectedRow, board->selectedLayer);
    }
}

TEST_F(PlayTest, PanelAndTheFourTextsSitAtTheirRows) {
    board->setCameraDistance(400); // the board small in the middle, away from the panel
    const int fh = hudFont.height();
    const int panelWidth = static_cast<int>(screenWidth * 0.15), panelHeight = 6 * fh + 35;
    frame();
    const Frame shown = grabFrame();
    // Darkened to about half inside, untouched beside it, below the texts.
    const int top = 3 * fh + 15, bottom = 4 * fh + 15;
    const double inside = shown.meanBrightness(panelWidth - 30, top, panelWidth, bottom);
    const double beside = shown.meanBrightness(panelWidth + 1, top, panelWidth + 31, bottom);
    EXPECT_NEAR(inside / beside, 0.5, 0.1);
    const double under = shown.meanBrightness(0, panelHeight + 1, panelWidth, panelHeight + 21);
    EXPECT_GT(under, inside * 1.5) << "the panel ends at 6 x fh + 35";

    struct Row {
        const char* text;
        int baseline;
        bool lit;
    } rows[] = {{"MOVES", fh + 5, true},
                {"SCORE", 2 * fh + 10, true},
                {"row 3 stays empty", 3 * fh + 15, false},
                {"row 4 stays empty", 4 * fh + 15, false},
                {"tiles left", 5 * fh + 20, true},
                {"NEXT MOVE", 6 * fh + 30, true}};
    for (const Row& row : rows) {
        const int lit = shown.brightPixels(0, row.baseline - fh + 4, panelWidth, row.baseline + 1);
        if (row.lit)
            EXPECT_GT(lit, 30) << row.text;
        else
            EXPECT_EQ(lit, 0) << row.text;
    }
    EXPECT_EQ(nextMoveShown(), "NEXT MOVE +20");
}

TEST_F(PlayTest, TheEffectPictureShowsWhereThePairWentAndFadesInASecond) {
    backgroundOn = false;
    now += 60'000;
    ASSERT_TRUE(removeFreePair());
    const std::uint32_t pairTime = now;
    const int half = static_cast<int>(screenWidth * 0.03);
    const auto frameAt = [&](std::uint32_t after) {
        now = pairTime + after;
        frame();
        return grabFrame();
    };
    const Frame fresh = frameAt(0), halfway = frameAt(500), late = frameAt(999),
                gone = frameAt(1000);
    const auto difference = [&](const Frame& a, const Frame& b, bool insideSquare) {
        long sum = 0;
        for (int y = 0; y < screenHeight; ++y)
            for (int x = 0; x < screenWidth; ++x) {
                const bool inside =
                    std::abs(x - effectX) < half + 2 && std::abs(y - effectY) < half + 2;
                if (inside != insideSquare)
                    continue;
                for (int k = 0; k < 3; ++k)
                    sum += std::abs(a.at(x, y)[k] - b.at(x, y)[k]);
            }
        return sum;
    };
    saveFrame(fresh, "effect_picture");
    EXPECT_EQ(effectPicture, 1);
    const long atStart = difference(fresh, gone, true);
    const long atHalf = difference(halfway, gone, true);
    const long atEnd = difference(late, gone, true);
    EXPECT_GT(atStart, atHalf);
    EXPECT_GT(atHalf, atEnd);
    EXPECT_GT(atHalf, 0);
    EXPECT_EQ(difference(fresh, gone, false), 0) << "nothing else changes";
    EXPECT_EQ(difference(frameAt(5000), gone, true), 0);
}

TEST_F(PlayTest, AWholeGamePlayedToTheEnd) {
    int redealsInARow = 0;
    for (int turn = 0; turn < 1000 && gameState == Playing; ++turn) {
        if (boardprobe::findFreePair(*board)) {
            now += 1'000; // quick pairs keep the combo climbing
            ASSERT_TRUE(removeFreePair());
            redealsInARow = 0;
            continue;
        }
        // Stuck: re-deal, and when that keeps failing take a pair back first.
        if (++redealsInARow > 5)
            tap(VK_KEY_B);
        now += 777;
        tap(VK_KEY_S);
    }
    ASSERT_EQ(gameState, GameOver) << "the game did not end";
    const std::int32_t finalScore = score;
    EXPECT_GT(finalScore, 0);
    played.clear();
    frame();
    EXPECT_EQ(gameState, InMainMenu);
    EXPECT_EQ(board, nullptr);
    EXPECT_EQ(highScore, finalScore);
    EXPECT_EQ(played.front(), (PlayedEffect{SFX_FANFARE, 255}));
}
