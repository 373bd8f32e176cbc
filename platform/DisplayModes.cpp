#include "platform/DisplayModes.h"

#include "platform/VideoStart.h"

#include <SDL.h>

namespace {
std::vector<DisplayMode> listModes() {
    std::vector<DisplayMode> modes;
    SDL_DisplayMode mode;
    for (int index = 0; SDL_GetDisplayMode(0, index, &mode) == 0; ++index)
        modes.push_back({mode.w, mode.h, static_cast<std::int32_t>(SDL_BITSPERPIXEL(mode.format))});
    return modes;
}
} // namespace

std::vector<DisplayMode> enumerateDisplayModes() {
    // Listing modes must not take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!startVideo())
        return {};
    std::vector<DisplayMode> modes = listModes();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return modes;
}
