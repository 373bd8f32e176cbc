#include "app/GLWindow.h"
#include "app/Input.h"
#include "app/QuitMessage.h"
#include "app/VirtualKeys.h"

#include <SDL.h>

namespace {
struct KeyMapping {
    SDL_Keycode sdl;
    int virtualKey;
};

// Keys outside the letter, digit and function-key runs.
constexpr KeyMapping namedKeys[] = {
    {SDLK_BACKSPACE, VK_BACK_KEY}, {SDLK_TAB, VK_TAB_KEY},      {SDLK_RETURN, VK_ENTER},
    {SDLK_KP_ENTER, VK_ENTER},     {SDLK_ESCAPE, VK_ESC},       {SDLK_SPACE, VK_SPACE_KEY},
    {SDLK_LEFT, VK_LEFT_KEY},      {SDLK_UP, VK_UP_KEY},        {SDLK_RIGHT, VK_RIGHT_KEY},
    {SDLK_DOWN, VK_DOWN_KEY},      {SDLK_LSHIFT, VK_SHIFT_KEY}, {SDLK_RSHIFT, VK_SHIFT_KEY},
    {SDLK_LCTRL, VK_CONTROL_KEY},  {SDLK_RCTRL, VK_CONTROL_KEY},
};

void onWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        window.resize(event.data1, event.data2);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        windowActive = false;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        windowActive = true;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // The window itself stays until the exit handler destroys it.
        postQuitMessage();
        break;
    default:
        break;
    }
}

void onKeyDown(const SDL_KeyboardEvent& event) {
    // Keys with Alt held, and F10, are system keys on the desktop the game was
    // designed for: they belong to the window manager, not the game.
    if ((event.keysym.mod & KMOD_ALT) != 0 || event.keysym.sym == SDLK_F10)
        return;
    int key = virtualKeyFor(event.keysym.sym);
    if (key >= 0)
        keys[key] = 1; // auto-repeat arrives as further key-downs
}

void onKeyUp(const SDL_KeyboardEvent& event) {
    // Releases are always recorded, so a key let go while Alt is held does not
    // stay down for the game.
    int key = virtualKeyFor(event.keysym.sym);
    if (key >= 0)
        keys[key] = 0;
}
} // namespace

int virtualKeyFor(int sdlKeycode) {
    if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z)
        return VK_KEY_A + (sdlKeycode - SDLK_a);
    if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9)
        return VK_KEY_0 + (sdlKeycode - SDLK_0);
    if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12)
        return VK_F1_KEY + (sdlKeycode - SDLK_F1);
    for (const KeyMapping& mapping : namedKeys)
        if (mapping.sdl == sdlKeycode)
            return mapping.virtualKey;
    return -1;
}

void windowProc(const SDL_Event& event) {
    switch (event.type) {
    case SDL_WINDOWEVENT:
        onWindowEvent(event.window);
        break;
    case SDL_KEYDOWN:
        onKeyDown(event.key);
        break;
    case SDL_KEYUP:
        onKeyUp(event.key);
        break;
    case SDL_MOUSEMOTION:
        mouseX = event.motion.x;
        mouseY = event.motion.y;
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) {
            mouseX = event.button.x;
            mouseY = event.button.y;
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        // A press records where it happened; the pointer position itself moves
        // only with motion and release.
        if (event.button.button == SDL_BUTTON_LEFT) {
            clickX = event.button.x;
            clickY = event.button.y;
            clicked = true;
        }
        break;
    default:
        break;
    }
}
