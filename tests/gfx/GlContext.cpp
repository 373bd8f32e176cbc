#include "GlContext.h"
#include "platform/VideoStart.h"

#include <SDL.h>

#include <cstdlib>

namespace {

constexpr int windowWidth = 320;
constexpr int windowHeight = 240;

SDL_Window* window = nullptr;

GlContext open() {
    GlContext context;
    if (std::getenv("DISPLAY") == nullptr) {
        context.why = "no DISPLAY set";
        return context;
    }
    if (!startVideo()) {
        context.why = std::string("SDL_Init: ") + SDL_GetError();
        return context;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    window = SDL_CreateWindow("gfx test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                              windowWidth, windowHeight, SDL_WINDOW_OPENGL);
    if (window == nullptr || SDL_GL_CreateContext(window) == nullptr) {
        context.why = std::string("GL window: ") + SDL_GetError();
        return context;
    }
    context.available = true;
    context.width = windowWidth;
    context.height = windowHeight;
    return context;
}

} // namespace

const GlContext& glContext() {
    static const GlContext context = open();
    return context;
}

void swapGlWindow() {
    if (window != nullptr)
        SDL_GL_SwapWindow(window);
}
