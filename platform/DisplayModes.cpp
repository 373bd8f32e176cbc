#include "platform/DisplayModes.h"

#include <SDL.h>

std::vector<DisplayMode> enumerateDisplayModes() {
    std::vector<DisplayMode> modes;
    // Listing modes must not take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return modes;
    SDL_DisplayMode mode;
    for (int index = 0; SDL_GetDisplayMode(0, index, &mode) == 0; ++index)
        modes.push_back({mode.w, mode.h, static_cast<std::int32_t>(SDL_BITSPERPIXEL(mode.format))});
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return modes;
}
