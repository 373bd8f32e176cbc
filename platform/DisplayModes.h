#pragma once

#include <cstdint>
#include <vector>

// One full-screen display mode.
struct DisplayMode {
    std::int32_t width = 0;  // pixels
    std::int32_t height = 0; // pixels
    std::int32_t bits = 0;   // bits per pixel

    bool operator==(const DisplayMode&) const = default;
};

// Every mode of the first display, from index 0 until the enumeration fails, in
// the driver's order and unmerged (modes differing only in refresh rate repeat).
// The same list the game's full-screen window picks its mode from. Starts and
// stops the video subsystem itself; empty when there is no display.
std::vector<DisplayMode> enumerateDisplayModes();
