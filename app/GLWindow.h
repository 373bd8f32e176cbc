#pragma once

#include <cstdint>

union SDL_Event;
struct SDL_Window;

// The single full-screen window of the game with its OpenGL context. It
// switches the display to the configured mode, owns the context and gives the
// frame code a pixel overlay projection with the origin at the top-left.
class GLWindow {
  public:
    using WindowProc = void (*)(const SDL_Event& event);
    using SceneSetup = bool (*)();

    GLWindow(std::int32_t width, std::int32_t height, float fov, std::int32_t bits);

    // True only when the window, the context and the scene are all ready. Every
    // failure shows its own message and undoes what was made.
    bool create(const char* title, WindowProc windowProc, SceneSetup initScene);
    // Releases context and window and gives the desktop its display mode back;
    // reports each failed release and goes on. Safe when nothing was created.
    void destroy();
    // Viewport and the perspective projection; a height of 0 counts as 1.
    void resize(std::int32_t w, std::int32_t h);
    // A pixel projection for 2D drawing, (0,0) at the top-left, always used in
    // pairs that do not nest.
    void beginOverlay();
    void endOverlay();
    // What the buffers are swapped on (the device context of the design).
    SDL_Window* deviceContext() const { return hWnd; }

    float fov;                  // vertical field of view of the projection, degrees
    bool fullscreen;            // always true: the game has no windowed mode
    void* hRC = nullptr;        // the OpenGL context; null before creation
    SDL_Window* hWnd = nullptr; // the window; null before creation
    bool videoStarted = false;  // the video subsystem (the window class) is up
    std::int32_t width;         // display mode width, pixels
    std::int32_t height;        // display mode height, pixels
    std::int32_t bits;          // display mode colour depth, bits per pixel
};

extern GLWindow window; // the game's one window; settings overwrite its mode

// Records input from one window event (GLWindow::WindowProc for the game).
void windowProc(const SDL_Event& event);

// Maps an SDL key code to the virtual-key code that indexes `keys`; -1 for a key
// the game has no code for.
int virtualKeyFor(int sdlKeycode);
