#include "app/Startup.h"

#include "app/Config.h"
#include "app/GLWindow.h"
#include "app/GameFlow.h"
#include "app/GameState.h"
#include "app/Input.h"
#include "app/Settings.h"
#include "audio/GameAudio.h"
#include "board/ViewSize.h"
#include "gfx/Scene.h"
#include "hiscore/HighScoreDialog.h"
#include "platform/MessageBox.h"
#include "platform/SdlMessageBox.h"

#include <SDL.h>

#include <cstdlib>

namespace {
// The parameters the game's mixer runs with: 44.1 kHz stereo 16-bit with
// interpolation, 8 music and 32 effect voices, 16/50 s of buffer.
constexpr std::uint16_t mixFrequency = 44100;
constexpr std::uint8_t musicVoices = 8;
constexpr std::uint8_t effectVoices = 32;
constexpr std::uint8_t bufferLength = 16;

void runMainLoop() {
    SDL_Event event;
    for (;;) {
        if (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT)
                return;
            windowProc(event);
        } else if (windowActive) {
            runFrame();
            SDL_GL_SwapWindow(window.deviceContext());
        }
    }
}
} // namespace

bool initApplication() {
    if (!initSound(mixFrequency, true, true, true, musicVoices, effectVoices, bufferLength)) {
        messageBox("Cannot init sound system..", "Audio ERROR", BoxIcon::None);
        return false;
    }
    // The configured volumes go to the mixer as unsigned bytes.
    setMusicVolume(static_cast<std::uint8_t>(musicVolume));
    setSfxVolume(static_cast<std::uint8_t>(sfxVolume));
    if (playlistCount != 0 && !loadFirstModule()) {
        messageBox("Nepodarilo se nahrat hudebni soubor.", "MUSIC ERROR", BoxIcon::Error);
        exitSound();
        return false;
    }
    if (!loadSoundEffects()) {
        messageBox("Nepodarilo se nahrat zvukovy soubor.", "SOUND ERROR", BoxIcon::Error);
        exitSound();
        return false;
    }
    return window.create("MyGL window", windowProc, initScene);
}

void onExit() {
    exitSound();
    window.destroy();
    showHighScoreDialog(highScore);
}

int runGame() {
    installSdlMessageBox();
    if (!readConfigFile("config.cfg")) {
        messageBox("Nepodarilo se otevrit configuracni soubor.\nSpustte prosim SETUP.EXE.", "SETUP",
                   BoxIcon::None);
        std::exit(1);
    }
    // The board's pick sees the window through these; they must hold the
    // configured mode before the first board is made.
    viewWidth = window.width;
    viewHeight = window.height;
    highScore = 0;
    if (!initApplication()) {
        exitSound();
        return 1;
    }
    std::atexit(onExit);
    runMainLoop();
    freeSoundEffects();
    return 0;
}
