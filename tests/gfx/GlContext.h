#pragma once

#include <string>

// A small visible OpenGL window for the tests that need a real context. Opened
// once per test program; `available` is false (with `why`) when no display is
// set or the context cannot be made.
struct GlContext {
    bool available = false;
    std::string why;
    int width = 0;
    int height = 0;
};

// Opens the window on first use and makes its context current.
const GlContext& glContext();
// Shows the back buffer (for looking at what a test drew).
void swapGlWindow();
