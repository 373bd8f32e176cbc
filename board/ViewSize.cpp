#include "board/ViewSize.h"

std::int32_t viewWidth = 1280;  // window width in pixels
std::int32_t viewHeight = 1024; // window height in pixels
