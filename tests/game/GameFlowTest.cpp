// Screens of the game: the first frame, the two menus, the help screen, the
// end of a game and quitting, driven frame by frame in this process.

#include "GameFixture.h"

#include "app/GameState.h"
#include "app/Input.h"
#include "app/Settings.h"
#include "app/VirtualKeys.h"
#include "audio/AudioLayer.h"
#include "board/Mahjong.h"
#include "gfx/GLFont.h"
#include "gfx/Scene.h"
#include "menu/Menu.h"

#include <GL/gl.h>
#include <SDL.h>
#include <mikmod.h>

#include <memory>

#include <string>
#include <vector>

using namespace gametest;

namespace {
constexpr PlayedEffect crunch{SFX_METAL_CRUNCH, 255};
constexpr PlayedEffect blip{SFX_BLIP2, 255};

int pendingQuitMessages() {
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT);
}

void openOptions() {
    selectMenuItem(1);
    tap(VK_ENTER);
    ASSERT_EQ(gameState, InOptions);
    played.clear();
}

// The colour of a pixel outside every menu and panel.
std::vector<unsigned char> cornerColour() {
    const Frame shown = grabFrame();
    const unsigned char* pixel = shown.at(5, screenHeight - 5);
    return {pixel[0], pixel[1], pixel[2]};
}
} // namespace

TEST_F(GameTest, FirstFrameBuildsFontAndMenusAndShowsTheMainMenu) {
    EXPECT_EQ(stateBeforeFirstFrame(), Starting);
    EXPECT_EQ(hudFont.height(), 25); // 1280 x 0.02
    EXPECT_NE(hudFont.listBase, 0u);
    EXPECT_EQ(gameMenu.itemCount(), 3);
    EXPECT_EQ(optionsMenu.itemCount(), 7);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_NE(currentModule, nullptr); // started by the first frame
    frame();
    EXPECT_EQ(gameState, InMainMenu);
}

TEST_F(GameTest, ArrowKeysMoveThroughTheMainMenuOnePressAtATime) {
    struct Case {
        std::vector<int> keys;
        int item;
    } cases[] = {
        {{VK_DOWN_KEY}, 1},
        {{VK_DOWN_KEY, VK_DOWN_KEY}, 2},
        {{VK_DOWN_KEY, VK_DOWN_KEY, VK_DOWN_KEY}, 0},
        {{VK_UP_KEY}, 2},
        {{VK_DOWN_KEY, VK_UP_KEY}, 0},
        {{VK_RIGHT_KEY, VK_LEFT_KEY}, 0}, // items without values ignore them
    };
    for (const Case& c : cases) {
        resetGame();
        for (int key : c.keys) {
            tap(key);
            EXPECT_EQ(keys[key], 0) << "the key is consumed";
        }
        frame(); // nothing is pressed any more: no further move
        EXPECT_EQ(gameMenu.currentItem(), c.item);
        EXPECT_EQ(gameState, InMainMenu);
    }
}

TEST_F(GameTest, PointerOverAnItemMakesItCurrentWithOneBlip) {
    const MenuItem& quit = gameMenu.items[2];
    pointAt(quit.left + quit.width / 2, quit.bottom - quit.height / 2);
    frame();
    EXPECT_EQ(gameMenu.currentItem(), 2);
    frame();
    pointAt(0, 0); // off every item: the current one stays
    frame();
    EXPECT_EQ(gameMenu.currentItem(), 2);
    EXPECT_EQ(played, (std::vector<PlayedEffect>{blip}));
}

TEST_F(GameTest, EnterOrAClickAnywhereActsOnTheCurrentItemWithACrunch) {
    struct Case {
        int item;
        bool byClick;
        std::int32_t state;
    } cases[] = {
        {0, false, Playing}, {1, false, InOptions}, {2, false, Quitting},
        {0, true, Playing},  {1, true, InOptions},  {2, true, Quitting},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item) + (c.byClick ? " by click" : " by Enter"));
        resetGame();
        selectMenuItem(c.item);
        played.clear();
        if (c.byClick)
            clickAt(3, 3); // on no item at all
        else
            tap(VK_ENTER);
        EXPECT_EQ(gameState, c.state);
        EXPECT_FALSE(clicked);
        EXPECT_EQ(keys[VK_ENTER], 0);
        ASSERT_FALSE(played.empty());
        EXPECT_EQ(played.front(), crunch);
        EXPECT_EQ(board != nullptr, c.state == Playing);
    }
}

TEST_F(GameTest, AClickInTheOptionsActsOnTheCurrentItem) {
    openOptions();
    selectMenuItem(6);
    played.clear();
    clickAt(3, 3);
    EXPECT_EQ(gameState, InMainMenu);
    EXPECT_EQ(played, (std::vector<PlayedEffect>{crunch}));
}

TEST_F(GameTest, QuittingPostsAQuitMessageEveryFrameUntilTheLoopTakesOne) {
    tap(VK_ESC);
    EXPECT_EQ(gameState, Quitting);
    EXPECT_EQ(keys[VK_ESC], 0);
    EXPECT_EQ(pendingQuitMessages(), 0);
    frame();
    EXPECT_EQ(pendingQuitMessages(), 1);
    frame();
    EXPECT_EQ(pendingQuitMessages(), 2);
    EXPECT_EQ(gameState, Quitting);
}

TEST_F(GameTest, HeldEscEndsTheGameAndItsRepeatThenQuits) {
    startNewGame();
    tap(VK_ESC);
    EXPECT_EQ(gameState, GameOver);
    EXPECT_EQ(keys[VK_ESC], 0);
    frame();
    EXPECT_EQ(gameState, InMainMenu);
    EXPECT_EQ(board, nullptr);
    tap(VK_ESC); // the keyboard's repeat
    EXPECT_EQ(gameState, Quitting);
}

TEST_F(GameTest, HelpScreenFreezesTheStatesButNotTheMusic) {
    struct Case {
        const char* name;
        bool downStillHeld; // when F1 is let go
        std::int32_t state; // after the first frame without F1
    } cases[] = {
        {"keys let go meanwhile are forgotten, the click is not", false, Playing},
        {"a key still down acts once F1 is let go", true, InOptions},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        const std::int32_t track = playlistPosition;
        keys[VK_F1_KEY] = 1;
        keys[VK_DOWN_KEY] = 1;
        keys[VK_ESC] = 1;
        clickAt(3, 3);
        for (int i = 0; i < 3; ++i)
            frame();
        EXPECT_EQ(gameState, InMainMenu);
        EXPECT_EQ(gameMenu.currentItem(), 0);
        EXPECT_TRUE(clicked);
        EXPECT_EQ(keys[VK_DOWN_KEY], 1);
        EXPECT_EQ(keys[VK_ESC], 1);
        EXPECT_TRUE(played.empty()) << describe(played);
        // The music step still runs: N skips to the next module.
        tap(VK_KEY_N);
        EXPECT_EQ(keys[VK_KEY_N], 0);
        EXPECT_EQ(playlistPosition, (track + 1) % playlistCount);

        keys[VK_F1_KEY] = 0;
        keys[VK_ESC] = 0;
        keys[VK_DOWN_KEY] = c.downStillHeld ? 1 : 0;
        frame();
        EXPECT_EQ(gameState, c.state);
        EXPECT_FALSE(clicked);
        ASSERT_FALSE(played.empty());
        EXPECT_EQ(played.front(), crunch);
    }
}

TEST_F(GameTest, TheHelpScreenCoversTheWholeFrame) {
    const double menuBrightness = grabFrame().meanBrightness(0, 0, screenWidth, screenHeight);
    keys[VK_F1_KEY] = 1;
    frame();
    const Frame help = grabFrame();
    frame();
    keys[VK_F1_KEY] = 0;
    frame();
    // The menu's felt shows nowhere: every corner holds the help picture, and
    // the frame as a whole looks different from the menu's.
    const Frame menu = grabFrame();
    for (auto [x, y] : {std::pair{2, 2},
                        {screenWidth - 3, 2},
                        {2, screenHeight - 3},
                        {screenWidth - 3, screenHeight - 3}}) {
        const unsigned char* h = help.at(x, y);
        const unsigned char* m = menu.at(x, y);
        EXPECT_NE(std::vector<int>(h, h + 3), std::vector<int>(m, m + 3)) << x << "," << y;
    }
    EXPECT_NE(help.meanBrightness(0, 0, screenWidth, screenHeight), menuBrightness);
}

TEST_F(GameTest, VolumeItemsSwitchOffAndBackToTheConfiguredVolume) {
    struct Case {
        int item;
        UBYTE* mixerVolume;
        int configured;
    } cases[] = {{0, &md_sndfxvolume, 100}, {1, &md_musicvolume, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        resetGame();
        openOptions();
        selectMenuItem(c.item);
        played.clear();
        ASSERT_EQ(*c.mixerVolume, c.configured);
        tap(VK_ENTER);
        EXPECT_EQ(optionsMenu.currentToggle(), 1);
        EXPECT_EQ(*c.mixerVolume, 0);
        tap(VK_ENTER);
        EXPECT_EQ(optionsMenu.currentToggle(), 0);
        EXPECT_EQ(*c.mixerVolume, c.configured);
        EXPECT_EQ(played, (std::vector<PlayedEffect>{crunch, crunch}));
        EXPECT_EQ(gameState, InOptions);
    }
}

TEST_F(GameTest, BackgroundChangesOnlyOnActivationToTheValueAfterTheShownOne) {
    openOptions();
    selectMenuItem(4);
    const std::vector<unsigned char> felt = cornerColour();
    const std::uint32_t feltTexture = sceneTextures[0];

    tap(VK_RIGHT_KEY); // shows the second picture, changes nothing
    tap(VK_LEFT_KEY);
    tap(VK_RIGHT_KEY);
    EXPECT_EQ(optionsMenu.currentToggle(), 1);
    EXPECT_TRUE(backgroundOn);
    EXPECT_EQ(sceneTextures[0], feltTexture);
    EXPECT_EQ(cornerColour(), felt);

    tap(VK_ENTER); // value 2: no picture; the texture stays
    EXPECT_EQ(optionsMenu.currentToggle(), 2);
    EXPECT_FALSE(backgroundOn);
    EXPECT_EQ(sceneTextures[0], feltTexture);
    frame(); // from now on the colour buffer is cleared to black
    EXPECT_EQ(cornerColour(), (std::vector<unsigned char>{0, 0, 0}));

    tap(VK_ENTER); // value 0: "tex\background2.bmp" again
    EXPECT_TRUE(backgroundOn);
    frame();
    EXPECT_EQ(cornerColour(), felt);

    tap(VK_ENTER); // value 1: "tex\background.bmp"
    EXPECT_TRUE(backgroundOn);
    frame();
    EXPECT_NE(cornerColour(), felt);
    EXPECT_NE(cornerColour(), (std::vector<unsigned char>{0, 0, 0}));
}

TEST_F(GameTest, AutoShuffleItemFlipsTheSettingAndBackLeavesTheOptions) {
    openOptions();
    selectMenuItem(5);
    tap(VK_ENTER);
    EXPECT_TRUE(autoShuffle);
    tap(VK_RIGHT_KEY); // the shown value alone changes nothing
    EXPECT_TRUE(autoShuffle);
    tap(VK_ENTER);
    EXPECT_FALSE(autoShuffle);
    tap(VK_ESC);
    EXPECT_EQ(gameState, InMainMenu);
    EXPECT_EQ(keys[VK_ESC], 0);
}

TEST_F(GameTest, LayoutAndTileChoicesApplyToTheNextGame) {
    struct Case {
        int layoutKey; // arrow pressed on the layout item, 0 for none
        int tileKey;   // arrow pressed on the tile-set item, 0 for none
        const char* layout;
        int faceSize;
    } cases[] = {
        {0, 0, "mahjong\\classic.tab", 64},
        {VK_RIGHT_KEY, 0, "mahjong\\cube.tab", 64},
        {0, VK_LEFT_KEY, "mahjong\\classic.tab", 128},
        {VK_LEFT_KEY, VK_RIGHT_KEY, "mahjong\\cube.tab", 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.faceSize));
        resetGame();
        openOptions();
        selectMenuItem(2);
        if (c.layoutKey != 0)
            tap(c.layoutKey); // taken at once while the item is current
        selectMenuItem(3);
        if (c.tileKey != 0)
            tap(c.tileKey);
        tap(VK_ESC);
        startNewGame();

        Mahjong expected(c.layout, 14.0f, 12.0f, 35.0f);
        for (int layer = 0; layer < boardLayers; ++layer)
            for (int row = 0; row < boardRows; ++row)
                for (int column = 0; column < boardColumns; ++column)
                    ASSERT_EQ(board->tiles[layer][row][column].present,
                              expected.tiles[layer][row][column].present)
                        << layer << "," << row << "," << column;
        GLint width = 0;
        glBindTexture(GL_TEXTURE_2D, board->faceTextures[0]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        EXPECT_EQ(width, c.faceSize);
    }
}

TEST_F(GameTest, GameOverRaisesTheHighScoreOnlyForABetterScore) {
    struct Case {
        const char* name;
        std::int32_t highScoreBefore;
        int pairs;
        int takeBacks;
        std::int32_t highScoreAfter;
    } cases[] = {
        {"a game ended with Esc counts", 0, 1, 0, 20},
        {"a negative score never counts", 0, 0, 1, 0},
        {"an equal score does not count", 20, 1, 0, 20},
        {"a lower score does not count", 50, 1, 0, 50},
        {"a better score counts", 20, 2, 0, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        highScore = c.highScoreBefore;
        startNewGame();
        for (int i = 0; i < c.pairs; ++i) {
            now += 10'000; // no combo
            ASSERT_TRUE(removeFreePair());
        }
        for (int i = 0; i < c.takeBacks; ++i)
            tap(VK_KEY_B);
        const Mahjong* ended = board;
        played.clear();
        tap(VK_ESC);
        EXPECT_EQ(gameState, GameOver);
        EXPECT_EQ(board, ended) << "the board lives until the game-over frame";
        frame();
        EXPECT_EQ(highScore, c.highScoreAfter);
        const std::vector<PlayedEffect> fanfare{{SFX_FANFARE, 255}};
        const bool raised = c.highScoreAfter != c.highScoreBefore;
        EXPECT_EQ(played, raised ? fanfare : std::vector<PlayedEffect>());
        EXPECT_EQ(score, 0);
        EXPECT_EQ(board, nullptr);
        EXPECT_EQ(gameState, InMainMenu);
    }
}

TEST_F(GameTest, ALayoutValueWithNoFileBehindItKeepsTheLastChoice) {
    // A menu file could give the layout item more values than there are
    // layouts; the game then keeps the last layout that exists.
    MenuItem& layout = optionsMenu.items[2];
    layout.toggleImages.push_back(std::make_unique<RGBAImage>());
    layout.toggleGlowImages.push_back(std::make_unique<RGBAImage>());
    layout.toggleCount = 3;
    openOptions();
    selectMenuItem(2);
    tap(VK_RIGHT_KEY);
    EXPECT_EQ(layoutChoice, 1);
    tap(VK_RIGHT_KEY);
    EXPECT_EQ(optionsMenu.currentToggle(), 2);
    EXPECT_EQ(layoutChoice, 1);
    tap(VK_ESC);
    startNewGame();
    EXPECT_FALSE(board->tiles[0][0][1].present) << "the cube, not the classic layout";
    EXPECT_TRUE(board->tiles[0][1][4].present);
    layout.toggleImages.pop_back();
    layout.toggleGlowImages.pop_back();
    layout.toggleCount = 2;
}
