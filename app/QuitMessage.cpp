#include "app/QuitMessage.h"

#include <SDL.h>

void postQuitMessage() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}
