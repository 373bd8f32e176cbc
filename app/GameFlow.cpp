#include "app/GameFlow.h"

#include "app/DealReport.h"
#include "app/GLWindow.h"
#include "app/GameState.h"
#include "app/Input.h"
#include "app/OverlayQuads.h"
#include "app/PlayState.h"
#include "app/QuitMessage.h"
#include "app/Settings.h"
#include "app/VirtualKeys.h"
#include "audio/GameAudio.h"
#include "board/Mahjong.h"
#include "gfx/GLFont.h"
#include "gfx/SceneTextures.h"
#include "menu/Menu.h"

#include <GL/gl.h>

namespace {

constexpr int fullVolume = 255;
constexpr double hudFontScale = 0.02; // heads-up font height per pixel of window width

// The options menu's items, in file order.
enum OptionItem : std::int32_t {
    SoundEffectsItem = 0, // values: on, off
    MusicItem = 1,        // values: on, off
    LayoutItem = 2,       // values: by layoutFiles
    TileSetItem = 3,      // values: by tileFiles
    BackgroundItem = 4,   // values: backgroundFiles[0], backgroundFiles[1], none
    AutoShuffleItem = 5,  // activation flips autoShuffle
    BackItem = 6,
};
constexpr std::int32_t switchedOff = 1; // value index of "off" on the two volume items
constexpr std::int32_t noBackground = 2;

// Fractions of the window that the options panel covers.
constexpr double optionsPanelLeft = 0.099;
constexpr double optionsPanelTop = 0.05;
constexpr double optionsPanelRight = 0.75;
constexpr double optionsPanelBottom = 0.521;
constexpr double highScoreLine = 0.95; // baseline of the main menu's high score, of the height

std::int32_t scaled(std::int32_t extent, double fraction) {
    return static_cast<std::int32_t>(extent * fraction);
}

void drawBackground() {
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    window.beginOverlay();
    drawFullScreenPicture(0);
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
    window.endOverlay();
}

// Drawn opaque over everything while F1 is held.
void drawHelpScreen() {
    window.beginOverlay();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    drawFullScreenPicture(4);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    window.endOverlay();
}

void beginMenuOverlay() {
    window.beginOverlay();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
}

void handleMenuArrows(Menu& menu) {
    if (consumeKey(VK_UP_KEY))
        menu.selectPrevious();
    if (consumeKey(VK_DOWN_KEY))
        menu.selectNext();
    if (consumeKey(VK_RIGHT_KEY))
        menu.cycleToggle(+1);
    if (consumeKey(VK_LEFT_KEY))
        menu.cycleToggle(-1);
}

// Enter or a left click anywhere activates the current item of a menu.
bool takeActivation() {
    if (keys[VK_ENTER] == 0 && !clicked)
        return false;
    keys[VK_ENTER] = 0;
    clicked = false;
    playEffect(SFX_METAL_CRUNCH, fullVolume);
    return true;
}

void drawMenuItems(Menu& menu) {
    if (menu.drawItems())
        playEffect(SFX_BLIP2, fullVolume);
}

void runStarting() {
    lastMatchTime = 0;
    comboLevel = 0;
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    window.beginOverlay();
    hudFont.create(window.deviceContext(), scaled(window.width, hudFontScale), "Impact");
    gameMenu.load("game.mnu");
    optionsMenu.load("options.mnu");
    window.endOverlay();
    // Loading renders the labels into the frame buffer; none of that is shown.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gameState = InMainMenu;
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    startMusic();
}

void runMainMenu() {
    beginMenuOverlay();
    handleMenuArrows(gameMenu);
    if (takeActivation()) {
        switch (gameMenu.currentItem()) {
        case 0:
            startGame();
            gameState = Playing;
            break;
        case 1:
            gameState = InOptions;
            break;
        case 2:
            gameState = Quitting;
            break;
        default:
            break;
        }
    }
    glColor4f(1, 1, 1, 1); // the raster colour is taken when the position is set
    glRasterPos2i(20, scaled(window.height, highScoreLine));
    hudFont.printf("HIGHSCORE: %d", highScore);
    drawMenuItems(gameMenu);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    window.endOverlay();
    if (consumeKey(VK_ESC))
        gameState = Quitting;
}

// A volume item's new value: off silences, on restores the configured volume.
int volumeFor(std::int32_t shownValue, std::int32_t configured) {
    return shownValue == switchedOff ? 0 : configured;
}

void showBackground(std::int32_t value) {
    if (value == 0 || value == 1) {
        replaceBackground(backgroundFiles[value]);
        backgroundOn = true;
    } else if (value == noBackground) {
        backgroundOn = false; // the texture stays for a later choice
    }
}

// Activation moves the shown value on by one and then applies it.
void activateOption(std::int32_t item) {
    switch (item) {
    case SoundEffectsItem:
        optionsMenu.cycleToggle(+1);
        setSfxVolume(volumeFor(optionsMenu.currentToggle(), sfxVolume));
        break;
    case MusicItem:
        optionsMenu.cycleToggle(+1);
        setMusicVolume(volumeFor(optionsMenu.currentToggle(), musicVolume));
        break;
    case LayoutItem:
    case TileSetItem:
        optionsMenu.cycleToggle(+1);
        break;
    case BackgroundItem:
        optionsMenu.cycleToggle(+1);
        showBackground(optionsMenu.currentToggle());
        break;
    case AutoShuffleItem:
        optionsMenu.cycleToggle(+1);
        autoShuffle = !autoShuffle;
        break;
    case BackItem:
        gameState = InMainMenu;
        break;
    default:
        break;
    }
}

// The layout and tile-set items take the shown value while they are current.
// A value with no file behind it (a menu file with other values) keeps the
// previous choice, so a game always starts from a file that exists.
void takeBoardChoices() {
    const std::int32_t value = optionsMenu.currentToggle();
    const bool isFileIndex = value == 0 || value == 1;
    if (!isFileIndex)
        return;
    if (optionsMenu.currentItem() == LayoutItem)
        layoutChoice = value;
    else if (optionsMenu.currentItem() == TileSetItem)
        tileSetChoice = value;
}

void runOptions() {
    beginMenuOverlay();
    drawShadedPanel(scaled(window.width, optionsPanelLeft), scaled(window.height, optionsPanelTop),
                    scaled(window.width, optionsPanelRight),
                    scaled(window.height, optionsPanelBottom));
    handleMenuArrows(optionsMenu);
    if (takeActivation())
        activateOption(optionsMenu.currentItem());
    takeBoardChoices();
    drawMenuItems(optionsMenu);
    window.endOverlay();
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    if (consumeKey(VK_ESC))
        gameState = InMainMenu;
}

// A score equal to the best one does not count as a new best.
void runGameOver() {
    if (score > highScore) {
        highScore = score;
        playEffect(SFX_FANFARE, fullVolume);
    }
    score = 0;
    delete board; // releases the 42 face textures
    board = nullptr;
    gameState = InMainMenu;
}

void runStateStep() {
    switch (gameState) {
    case Starting:
        runStarting();
        break;
    case InMainMenu:
        runMainMenu();
        break;
    case InOptions:
        runOptions();
        break;
    case Playing:
        runPlaying();
        break;
    case GameOver:
        runGameOver();
        break;
    case Quitting:
        postQuitMessage(); // again every frame until the loop takes one
        break;
    default:
        break;
    }
}

} // namespace

bool consumeKey(int virtualKey) {
    if (keys[virtualKey] == 0)
        return false;
    keys[virtualKey] = 0;
    return true;
}

void startGame() {
    comboLevel = 0; // score is already 0 and lastMatchTime carries over
    delete board;   // none is left over from an earlier game; kept safe anyway
    board = new Mahjong(layoutFiles[layoutChoice], 14.0f, 12.0f, 35.0f);
    loadFaceTextures(*board, tileFiles[tileSetChoice], tileSetChoice);
    dealAndReport(*board);
}

void runFrame() {
    // The background picture covers the whole colour buffer when it is shown.
    glClear(backgroundOn ? GL_DEPTH_BUFFER_BIT : GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
    glLoadIdentity();
    if (backgroundOn)
        drawBackground();
    // F1 is read while held and never consumed: no state runs and every other
    // key and click stays recorded for the frames after it.
    if (keys[VK_F1_KEY] != 0)
        drawHelpScreen();
    else
        runStateStep();
    updateMusic();
}
