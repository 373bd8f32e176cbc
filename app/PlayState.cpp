#include "app/PlayState.h"

#include "app/DealReport.h"
#include "app/GLWindow.h"
#include "app/GameFlow.h"
#include "app/GameState.h"
#include "app/Input.h"
#include "app/OverlayQuads.h"
#include "app/VirtualKeys.h"
#include "audio/GameAudio.h"
#include "board/Mahjong.h"
#include "gfx/BoardDrawing.h"
#include "gfx/GLFont.h"
#include "gfx/Scene.h"
#include "platform/Clock.h"

#include <GL/gl.h>

namespace {

constexpr std::uint32_t comboWindowMs =
    5000; // a pair this soon after the last one raises the combo
constexpr std::uint32_t turboWindowMs = 1500; // ... and this soon raises it twice
constexpr std::uint32_t decayStepMs = 1000;   // a waning combo loses a level per this much time
constexpr std::uint32_t effectShowMs = 1000;  // the effect picture fades out over this time
constexpr double maxTurnDegrees = 80.0;       // the board's turn with the pointer at an edge
constexpr float zoomStep = 0.1f;              // camera distance change per frame, world units
constexpr std::int32_t takeBackCost = 30;
constexpr std::int32_t redealCost = 100;
constexpr std::int32_t extraRedealCost = 130; // each further automatic re-deal, with its take-back
constexpr double panelWidthScale = 0.15;      // heads-up panel width per pixel of window width
constexpr double effectSizeScale = 0.03;      // half the effect picture's side per pixel of width

enum EffectPicture : std::int32_t { Bang = 1, Combo = 2, Turbo = 3 };

// Milliseconds since the last pair, as an unsigned 32-bit difference so that
// the tick count's wrap-around changes nothing.
std::uint32_t sinceLastMatch() {
    return tickCount() - lastMatchTime;
}

std::int32_t pairValue() {
    return comboLevel * 10 + 20;
}

// The pointer at an edge turns the board by 80 degrees; the centre (integer
// halves) leaves it straight. A window without extent stays unturned.
float turnAngle(std::int32_t pointer, std::int32_t extent) {
    if (extent <= 0)
        return 0;
    return static_cast<float>((pointer - extent / 2) * (-2) * maxTurnDegrees / extent);
}

void setCamera() {
    glTranslatef(0, 0, -board->cameraDistance());
    glRotatef(turnAngle(mouseX, window.width), 0, 1, 0);
    glRotatef(turnAngle(mouseY, window.height), 1, 0, 0);
}

void rewardPair() {
    effectX = mouseX;
    effectY = mouseY;
    effectPicture = Bang;
    if (sinceLastMatch() >= comboWindowMs) {
        comboLevel = 0;
        playEffect(SFX_MIN, 255);
    } else {
        ++comboLevel;
        effectPicture = Combo;
        if (sinceLastMatch() >= turboWindowMs) {
            playEffect(SFX_MIN, 255);
        } else {
            ++comboLevel;
            effectPicture = Turbo;
            playEffect(SFX_MAX, 255);
        }
    }
    score += pairValue();
    lastMatchTime = tickCount();
}

void handleClick() {
    if (!clicked)
        return;
    switch (board->clickAt(static_cast<float>(clickX), static_cast<float>(clickY))) {
    case clickNothing:
        playEffect(SFX_SKID, 255);
        break;
    case clickSelected:
    case clickMoved:
        playEffect(SFX_BEEP, 200);
        break;
    case clickRemoved:
        rewardPair();
        break;
    case clickCancelled:
        playEffect(SFX_FLIP, 150);
        break;
    default:
        break;
    }
    clicked = false;
}

// Zoom while Q or A is held, one step per frame; take-back and re-deal once per press.
void handleKeys() {
    if (keys[VK_KEY_Q] != 0)
        board->setCameraDistance(board->cameraDistance() + zoomStep);
    if (keys[VK_KEY_A] != 0)
        board->setCameraDistance(board->cameraDistance() - zoomStep);
    if (consumeKey(VK_KEY_B)) {
        // Costs its points even when nothing is left to take back.
        board->restoreLastTile();
        board->restoreLastTile();
        lastMatchTime = 0;
        score -= takeBackCost;
    }
    if (consumeKey(VK_KEY_S)) {
        score -= redealCost;
        dealAndReport(*board);
        lastMatchTime = 0;
    }
}

void printLine(std::int32_t baseline, const char* format, std::int32_t value) {
    glRasterPos2i(5, baseline);
    hudFont.printf(format, value);
}

void drawPanel(std::int32_t fontHeight) {
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    drawShadedPanel(0, 0, static_cast<std::int32_t>(window.width * panelWidthScale),
                    6 * fontHeight + 35);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

// With no open move left, re-deal what is on the board, and while that opens
// nothing either, take a pair back and deal again. A position that no take-back
// can open ends the loop once nothing is left to take back; the next frame
// tries again with a fresh deal, so a frame never loops forever.
void redealWhenStuck(std::int32_t openMoves) {
    if (!autoShuffle || openMoves != 0 || board->isCleared())
        return;
    lastMatchTime = 0;
    score -= redealCost;
    dealAndReport(*board);
    while (board->countOpenMoves() == 0 && board->removedCount > 0) {
        board->restoreLastTile();
        board->restoreLastTile();
        dealAndReport(*board);
        score -= extraRedealCost;
    }
}

// After a pause the combo wanes by one level a second; after a take-back or a
// re-deal (last match at 0) by one level a frame. At most once per frame.
void decayCombo() {
    if (comboLevel != 0 && sinceLastMatch() >= comboWindowMs) {
        --comboLevel;
        lastMatchTime += decayStepMs;
    }
}

// Added to the frame, centred where the last pair went, fading over a second.
void drawEffectPicture() {
    const std::uint32_t shown = sinceLastMatch();
    if (shown >= effectShowMs)
        return;
    glEnable(GL_BLEND);
    glColor4f(1, 1, 1, 1.0f - static_cast<float>(shown) * 0.001f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, sceneTextures[effectPicture]);
    const double half = window.width * effectSizeScale;
    drawPictureQuad(
        static_cast<std::int32_t>(effectX - half), static_cast<std::int32_t>(effectY - half),
        static_cast<std::int32_t>(effectX + half), static_cast<std::int32_t>(effectY + half));
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

} // namespace

void runPlaying() {
    if (board == nullptr) { // no game to show: end it the ordinary way
        gameState = GameOver;
        return;
    }
    setCamera();
    handleClick();
    handleKeys();
    drawBoard(*board);

    window.beginOverlay();
    const std::int32_t fh = hudFont.height();
    drawPanel(fh);
    const std::int32_t openMoves = board->countOpenMoves();
    printLine(fh + 5, "MOVES %d", openMoves);
    redealWhenStuck(openMoves);
    printLine(2 * fh + 10, "SCORE: %d", score);
    printLine(5 * fh + 20, "%d/144", board->tilesLeft());
    decayCombo();
    printLine(6 * fh + 30, "NEXT MOVE +%d", pairValue());
    drawEffectPicture();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    window.endOverlay();

    if (board->isCleared())
        gameState = GameOver;
    if (consumeKey(VK_ESC))
        gameState = GameOver;
}
