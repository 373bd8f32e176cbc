#pragma once

#include <cstdint>

// Input recorded by the window procedure and consumed by the frame code on the
// next frame. Positions are client pixels with the origin at the top-left.

extern std::uint8_t keys[256]; // 1 while the key with that virtual-key code is down
extern std::int32_t mouseX;    // pointer position, from moves and left-button releases
extern std::int32_t mouseY;
extern std::int32_t clickX;    // pointer position at the last left-button press
extern std::int32_t clickY;
extern bool clicked;           // a left press waits to be handled; its handler clears it
extern bool windowActive;      // false exactly while the window is minimised
