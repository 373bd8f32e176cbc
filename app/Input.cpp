#include "app/Input.h"

std::uint8_t keys[256] = {};
std::int32_t mouseX = 0;
std::int32_t mouseY = 0;
std::int32_t clickX = 0;
std::int32_t clickY = 0;
bool clicked = false;
bool windowActive = true;
