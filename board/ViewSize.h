#pragma once

#include <cstdint>

// The window size in pixels as the board sees it: the game copies
// window.width/height here once the configuration is read; tests set it
// directly. The board's constructor takes the focal length from viewHeight and
// the pick takes the view's centre and angles from both.
extern std::int32_t viewWidth;
extern std::int32_t viewHeight;
