#include "app/GLWindow.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {
bool sceneReady() {
    return true;
}
bool sceneFails() {
    return false;
}

// The private Xvfb of the test run offers exactly one mode: 1280 x 1024, 24 bits.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "needs an X display";
        window.width = 1280;
        window.height = 1024;
        window.bits = 24;
    }
    void TearDown() override { window.destroy(); }
};
} // namespace

TEST_F(WindowTest, CreatesAFullScreenWindowWithAContext) {
    ASSERT_TRUE(window.create("MyGL window", windowProc, sceneReady));
    ASSERT_NE(window.deviceContext(), nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window.deviceContext()), "MyGL window");
    EXPECT_NE(SDL_GetWindowFlags(window.deviceContext()) & SDL_WINDOW_FULLSCREEN, 0u);
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1280);
    EXPECT_EQ(viewport[3], 1024);
}

TEST_F(WindowTest, ResizeToHeightZeroGivesAViewportOfHeightOne) {
    ASSERT_TRUE(window.create("MyGL window", windowProc, sceneReady));
    window.resize(800, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 1);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(WindowTest, OverlayMapsPixelsFromTheTopLeftAndRestoresTheMatrices) {
    ASSERT_TRUE(window.create("MyGL window", windowProc, sceneReady));
    GLfloat before[16], overlay[16], after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    window.beginOverlay();
    glGetFloatv(GL_PROJECTION_MATRIX, overlay);
    // x = 0 maps to -1 and x = width to +1; y = 0 (the top) maps to +1.
    EXPECT_NEAR(overlay[0] * 0 + overlay[12], -1.0f, 1e-6);
    EXPECT_NEAR(overlay[0] * 1280 + overlay[12], 1.0f, 1e-6);
    EXPECT_NEAR(overlay[13], 1.0f, 1e-6);
    EXPECT_NEAR(overlay[5] * 1024 + overlay[13], -1.0f, 1e-6);
    window.endOverlay();
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(after[i], before[i]);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(WindowTest, FailuresAreReportedAndLeaveNothingBehind) {
    struct Case {
        int width, height, bits;
        GLWindow::SceneSetup scene;
        const char* message;
    } cases[] = {
        {1024, 768, 24, sceneReady, "Failed to set fullscreen mode"},
        {1280, 1024, 16, sceneReady, "Failed to set fullscreen mode"},
        {1280, 1024, 24, sceneFails, "Initialization failed"},
    };
    for (const Case& c : cases) {
        window.width = c.width;
        window.height = c.height;
        window.bits = c.bits;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(window.create("MyGL window", windowProc, c.scene));
        std::string output = testing::internal::GetCapturedStderr();
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
        EXPECT_EQ(window.hRC, nullptr);
        EXPECT_EQ(window.deviceContext(), nullptr);
        window.destroy(); // a second release is harmless
    }
}
