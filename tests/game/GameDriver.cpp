#include "GameDriver.h"

#include "app/GLWindow.h"
#include "app/GameFlow.h"
#include "app/GameState.h"
#include "app/Input.h"
#include "app/Settings.h"
#include "app/VirtualKeys.h"
#include "audio/GameAudio.h"
#include "board/ViewSize.h"
#include "gfx/GLFont.h"
#include "gfx/Scene.h"
#include "menu/Menu.h"
#include "platform/Clock.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace gametest {

std::uint32_t now = 0;
std::vector<PlayedEffect> played;

namespace {
bool available = false;
std::string why;
std::int32_t firstState = -1;
constexpr std::uint32_t freshTime = 10'000'000; // far from 0, which stands for "long ago"

std::uint32_t injectedTicks() {
    return now;
}
void recordEffect(int effect, int volume) {
    played.push_back({effect, volume});
}

void configure() {
    window.width = screenWidth;
    window.height = screenHeight;
    window.bits = 24;
    viewWidth = screenWidth;
    viewHeight = screenHeight;
    musicVolume = 40;
    sfxVolume = 100;
    background = 0;
    backgroundOn = true;
    playlist = {"sound\\lotus.mod", "sound\\bamboo.mod"};
    playlistCount = static_cast<std::int32_t>(playlist.size());
}

void rewindMenu(Menu& menu) {
    while (menu.currentItem() != 0)
        menu.selectPrevious();
    menu.reportedItem = menu.current;
    for (MenuItem& item : menu.items)
        item.toggleIndex = 0;
}
} // namespace

std::string describe(const std::vector<PlayedEffect>& effects) {
    std::string text;
    for (const PlayedEffect& e : effects)
        text += "(" + std::to_string(e.effect) + "," + std::to_string(e.volume) + ") ";
    return text;
}

void GameEnvironment::SetUp() {
    if (std::getenv("DISPLAY") == nullptr) {
        why = "needs an X display";
        return;
    }
    if (chdir(VELDRIN_RUN_DIR) != 0) {
        why = "cannot enter the run folder " VELDRIN_RUN_DIR;
        return;
    }
    setenv("VELDRIN_AUDIO", "nosound", 0);
    configure();
    setTickSource(injectedTicks);
    setEffectListener(recordEffect);
    now = freshTime;
    if (!initSound(44100, true, true, true, 8, 32, 16)) {
        why = "the sound system did not start";
        return;
    }
    setMusicVolume(musicVolume);
    setSfxVolume(sfxVolume);
    if (!loadFirstModule() || !loadSoundEffects()) {
        why = "music or effects of the run folder did not load";
        return;
    }
    if (!window.create("MyGL window", windowProc, initScene)) {
        why = "the game window did not open";
        return;
    }
    firstState = gameState;
    runFrame();
    available = true;
}

void GameEnvironment::TearDown() {
    delete board;
    board = nullptr;
    exitSound();
    window.destroy();
    setTickSource(nullptr);
    setEffectListener(nullptr);
}

bool gameAvailable() {
    return available;
}
const std::string& whyUnavailable() {
    return why;
}
std::int32_t stateBeforeFirstFrame() {
    return firstState;
}

void resetGame() {
    delete board;
    board = nullptr;
    configure();
    gameState = InMainMenu;
    score = 0;
    highScore = 0;
    comboLevel = 0;
    lastMatchTime = 0;
    effectPicture = 1;
    layoutChoice = 0;
    tileSetChoice = 0;
    autoShuffle = false;
    setMusicVolume(musicVolume);
    setSfxVolume(sfxVolume);
    rewindMenu(gameMenu);
    rewindMenu(optionsMenu);
    std::memset(keys, 0, sizeof keys);
    clicked = false;
    pointAt(0, 0);
    now = freshTime;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    played.clear();
}

void frame() {
    runFrame();
}

void pointAt(int x, int y) {
    mouseX = x;
    mouseY = y;
}

void tap(int virtualKey) {
    keys[virtualKey] = 1;
    frame();
}

void clickAt(int x, int y) {
    pointAt(x, y);
    clickX = x;
    clickY = y;
    clicked = true;
    frame();
}

void selectMenuItem(int item) {
    Menu& menu = gameState == InOptions ? optionsMenu : gameMenu;
    while (menu.currentItem() != item)
        tap(VK_DOWN_KEY);
}

void startNewGame() {
    ASSERT_EQ(gameState, InMainMenu);
    selectMenuItem(0);
    tap(VK_ENTER);
    ASSERT_EQ(gameState, Playing);
    ASSERT_NE(board, nullptr);
}

void clickTile(const boardprobe::Cell& cell) {
    const auto pixels = boardprobe::pixelsOfFreeTiles(*board);
    auto found = pixels.find(cell);
    ASSERT_NE(found, pixels.end()) << "no pixel picks the tile";
    clickAt(found->second.x, found->second.y);
}

bool removeFreePair() {
    const auto pair = boardprobe::findFreePair(*board);
    if (!pair) {
        ADD_FAILURE() << "no free matching pair";
        return false;
    }
    const auto pixels = boardprobe::pixelsOfFreeTiles(*board);
    if (!pixels.contains(pair->first) || !pixels.contains(pair->second)) {
        ADD_FAILURE() << "a tile of the pair cannot be clicked";
        return false;
    }
    const std::int32_t before = board->tilesLeft();
    clickAt(pixels.at(pair->first).x, pixels.at(pair->first).y);
    clickAt(pixels.at(pair->second).x, pixels.at(pair->second).y);
    if (board != nullptr && board->tilesLeft() != before - 2 && !board->isCleared()) {
        ADD_FAILURE() << "the two clicks removed no pair";
        return false;
    }
    return true;
}

double Frame::meanBrightness(int left, int top, int right, int bottom) const {
    double sum = 0;
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x, ++count)
            sum += (at(x, y)[0] + at(x, y)[1] + at(x, y)[2]) / 3.0;
    return count == 0 ? 0 : sum / count;
}

int Frame::brightPixels(int left, int top, int right, int bottom, int threshold) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (at(x, y)[0] >= threshold && at(x, y)[1] >= threshold && at(x, y)[2] >= threshold)
                ++count;
    return count;
}

Frame grabFrame() {
    Frame frame;
    frame.width = window.width;
    frame.height = window.height;
    std::vector<unsigned char> bottomUp(static_cast<std::size_t>(frame.width) * frame.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, frame.width, frame.height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    frame.rgb.resize(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(frame.width) * 3;
    for (int y = 0; y < frame.height; ++y)
        std::memcpy(&frame.rgb[y * row], &bottomUp[(frame.height - 1 - y) * row], row);
    return frame;
}

void saveFrame(const Frame& frame, const std::string& name) {
    const char* folder = std::getenv("VELDRIN_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0')
        return;
    std::ofstream out(std::string(folder) + "/" + name + ".ppm", std::ios::binary);
    out << "P6\n" << frame.width << " " << frame.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(frame.rgb.data()),
              static_cast<std::streamsize>(frame.rgb.size()));
}

} // namespace gametest
