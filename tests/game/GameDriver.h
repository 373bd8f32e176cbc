#pragma once

#include "BoardProbe.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// Drives the game in this process the way the main loop does: the real window
// (full screen at the test X server's 1280 x 1024 x 24), the real data files
// of the run folder, the silent sound driver, a tick count the test sets by
// hand, and a record of every effect the game asks for.
namespace gametest {

constexpr int screenWidth = 1280;
constexpr int screenHeight = 1024;

struct PlayedEffect {
    int effect;
    int volume;
    bool operator==(const PlayedEffect&) const = default;
};
inline void PrintTo(const PlayedEffect& e, std::ostream* out) {
    *out << "(" << e.effect << "," << e.volume << ")";
}

// The injected tick count, milliseconds.
extern std::uint32_t now;
// Every playEffect call since the last reset, in order.
extern std::vector<PlayedEffect> played;
std::string describe(const std::vector<PlayedEffect>& effects);

// Brings the game up once per process: settings, sound, window, scene and the
// first frame (Starting). Skips nothing itself; `gameAvailable` tells.
class GameEnvironment : public testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;
};
bool gameAvailable();
const std::string& whyUnavailable();
// The state gameState had before the environment's first frame.
std::int32_t stateBeforeFirstFrame();

// Back to the main menu with no game, scores 0, both menus at item 0 with
// their first values, every input released, effects forgotten, the clock at a
// fresh time far from 0 and the settings as configured.
void resetGame();

void frame();                  // one runFrame, as the loop calls it
void pointAt(int x, int y);    // pointer moves there (no frame)
void tap(int virtualKey);      // key down, one frame
void clickAt(int x, int y);    // pointer there, left press, one frame
void selectMenuItem(int item); // current menu item by arrow keys
void startNewGame();           // from the main menu: item 0, Enter

// Clicks a tile where the pick finds it.
void clickTile(const boardprobe::Cell& cell);
// Finds a free matching pair and clicks both tiles in two frames at the
// current time. False (with a test failure) when there is none.
bool removeFreePair();

// Frame buffer readback of the last frame (its back buffer), rows from the top.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // top row first
    const unsigned char* at(int x, int y) const { return &rgb[(y * width + x) * 3]; }
    double meanBrightness(int left, int top, int right, int bottom) const;
    int brightPixels(int left, int top, int right, int bottom, int threshold = 200) const;
};
Frame grabFrame();
// Writes the frame as NAME.ppm into VELDRIN_SCREENSHOT_DIR when that is set,
// for a person to look at; does nothing otherwise.
void saveFrame(const Frame& frame, const std::string& name);

} // namespace gametest
