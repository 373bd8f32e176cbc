#include "app/GLWindow.h"

#include "platform/DisplayLoss.h"
#include "platform/MessageBox.h"
#include "platform/VideoStart.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include <cstdio>

GLWindow window(1280, 1024, 45.0f, 16);

namespace {
// Window and context messages are English, with the desktop's default caption.
void report(const char* text) {
    messageBox(text, nullptr, BoxIcon::Information);
}

// SDL quietly takes the closest mode when asked for one the display lacks, so
// the configured mode is looked up in the display's own list instead.
bool findDisplayMode(int width, int height, int bits, SDL_DisplayMode& found) {
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        if (mode.w == width && mode.h == height &&
            static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == bits) {
            found = mode;
            return true;
        }
    }
    return false;
}

// Names the modes the display does offer, for whoever reads standard error.
void listOfferedModes() {
    std::fprintf(stderr, "The display offers:");
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) == 0)
            std::fprintf(stderr, " %dx%d %dbpp", mode.w, mode.h,
                         static_cast<int>(SDL_BITSPERPIXEL(mode.format)));
    }
    std::fprintf(stderr, count > 0 ? "\n" : " no mode\n");
}
} // namespace

GLWindow::GLWindow(std::int32_t width, std::int32_t height, float fov, std::int32_t bits)
    : fov(fov), fullscreen(true), width(width), height(height), bits(bits) {}

bool GLWindow::create(const char* title, WindowProc /*windowProc*/, SceneSetup initScene) {
    if (!startVideo()) {
        report("Failed to register window class");
        return false;
    }
    videoStarted = true;
    installDisplayLossHandler();

    SDL_DisplayMode mode;
    if (!findDisplayMode(width, height, bits, mode)) {
        listOfferedModes();
        report("Failed to set fullscreen mode");
        return false;
    }

    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    hWnd = SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_FULLSCREEN | SDL_WINDOW_OPENGL);
    if (hWnd == nullptr) {
        destroy();
        report("Window creation error");
        return false;
    }
    if (SDL_SetWindowDisplayMode(hWnd, &mode) != 0) {
        std::fprintf(stderr, "The display refused the mode: %s\n", SDL_GetError());
        destroy();
        report("Failed to set fullscreen mode");
        return false;
    }
    hRC = SDL_GL_CreateContext(hWnd);
    if (hRC == nullptr) {
        destroy();
        report("Can't create GLRC");
        return false;
    }
    if (SDL_GL_MakeCurrent(hWnd, hRC) != 0) {
        destroy();
        report("Can't activate GLRC");
        return false;
    }
    SDL_ShowWindow(hWnd);
    SDL_RaiseWindow(hWnd);
    SDL_SetWindowInputFocus(hWnd);
    resize(width, height);
    if (!initScene()) {
        destroy();
        report("Initialization failed");
        return false;
    }
    return true;
}

void GLWindow::destroy() {
    if (hRC != nullptr) {
        if (SDL_GL_MakeCurrent(hWnd, nullptr) != 0)
            report("Release of DC and RC failed");
        SDL_GL_DeleteContext(hRC);
        hRC = nullptr;
    }
    // Destroying the full-screen window gives the desktop its own mode back.
    if (hWnd != nullptr) {
        SDL_DestroyWindow(hWnd);
        hWnd = nullptr;
    }
    if (videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoStarted = false;
    }
}

void GLWindow::resize(std::int32_t w, std::int32_t h) {
    if (h == 0)
        h = 1;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fov, static_cast<GLdouble>(w) / static_cast<GLdouble>(h), 0.1, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GLWindow::beginOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, width, height, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void GLWindow::endOverlay() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
