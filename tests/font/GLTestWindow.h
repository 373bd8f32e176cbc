#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

// A small window of its own with a compatibility OpenGL context, for tests
// that draw and read pixels back under the test X server. It also sets the
// game's `window` size to its own, as the frame code reads it from there.
// Drops every pending OpenGL error.
void clearGLErrors();

class GLTestWindow {
  public:
    GLTestWindow(std::int32_t width, std::int32_t height);
    ~GLTestWindow();
    GLTestWindow(const GLTestWindow&) = delete;
    GLTestWindow& operator=(const GLTestWindow&) = delete;

    bool ready() const { return context != nullptr; }
    const std::string& error() const { return failure; }
    SDL_Window* sdlWindow() const { return handle; }

    // True when the tests may open a display at all.
    static bool displayAvailable();

  private:
    SDL_Window* handle = nullptr;
    void* context = nullptr;
    std::string failure;
};

// A test with a window of its own of the given size, skipped where no display
// is set; any OpenGL error left over from opening it is cleared.
template <std::int32_t Width, std::int32_t Height> class GLTest : public testing::Test {
  protected:
    static constexpr std::int32_t kWidth = Width;
    static constexpr std::int32_t kHeight = Height;

    void SetUp() override {
        if (!GLTestWindow::displayAvailable())
            GTEST_SKIP() << "no display to draw on";
        gl = std::make_unique<GLTestWindow>(Width, Height);
        ASSERT_TRUE(gl->ready()) << gl->error();
        clearGLErrors();
    }

    std::unique_ptr<GLTestWindow> gl;
};
