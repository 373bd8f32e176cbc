#include "GLTestWindow.h"
#include "platform/VideoStart.h"

#include "app/GLWindow.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdlib>

void clearGLErrors() {
    while (glGetError() != GL_NO_ERROR) {
    }
}

bool GLTestWindow::displayAvailable() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && display[0] != '\0';
}

GLTestWindow::GLTestWindow(std::int32_t width, std::int32_t height) {
    if (!startVideo()) {
        failure = SDL_GetError();
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    handle = SDL_CreateWindow("veldrin test", 0, 0, width, height, SDL_WINDOW_OPENGL);
    if (handle == nullptr) {
        failure = SDL_GetError();
        return;
    }
    context = SDL_GL_CreateContext(handle);
    if (context == nullptr) {
        failure = SDL_GetError();
        return;
    }
    SDL_GL_MakeCurrent(handle, context);
    window.width = width;
    window.height = height;
    window.hWnd = handle;
    glViewport(0, 0, width, height);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
}

GLTestWindow::~GLTestWindow() {
    window.hWnd = nullptr;
    if (context != nullptr)
        SDL_GL_DeleteContext(context);
    if (handle != nullptr)
        SDL_DestroyWindow(handle);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
