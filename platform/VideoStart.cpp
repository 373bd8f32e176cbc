#include "platform/VideoStart.h"

#include <SDL.h>

namespace {
constexpr int startAttempts = 20;
constexpr Uint32 startRetryMilliseconds = 50;
} // namespace

bool startVideo() {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11,wayland", SDL_HINT_DEFAULT);
    for (int attempt = 0; attempt < startAttempts; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        SDL_Delay(startRetryMilliseconds);
    }
    return false;
}
