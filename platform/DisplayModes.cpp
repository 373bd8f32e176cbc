#include "platform/DisplayModes.h"

#include <SDL.h>

#include <chrono>
#include <thread>

namespace {
// A busy X server turns new connections away for a moment, so starting the
// video subsystem is tried for a second before the list is given up as empty.
bool startVideo() {
    constexpr int Attempts = 20;
    constexpr auto Pause = std::chrono::milliseconds(50);
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        std::this_thread::sleep_for(Pause);
    }
    return false;
}

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
    // A display that another program is just taking out of full screen can
    // list no mode for a moment: an empty list is looked at again, restarting
    // video since SDL reads the list once when it starts.
    constexpr int Attempts = 10;
    constexpr auto Pause = std::chrono::milliseconds(100);
    std::vector<DisplayMode> modes;
    for (int attempt = 0; attempt < Attempts && modes.empty(); ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(Pause);
        if (!startVideo())
            return modes;
        modes = listModes();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    return modes;
}
