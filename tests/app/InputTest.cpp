#include "app/Input.h"
#include "app/GLWindow.h"
#include "app/VirtualKeys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {
SDL_Event keyEvent(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event buttonEvent(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event motionEvent(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event windowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

class InputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(keys, 0, sizeof keys);
        mouseX = mouseY = clickX = clickY = 0;
        clicked = false;
        windowActive = true;
    }
};
} // namespace

TEST_F(InputTest, LeftPressRecordsTheClickWithoutMovingThePointer) {
    windowProc(motionEvent(10, 20));
    windowProc(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 300, 400));
    EXPECT_EQ(mouseX, 10);
    EXPECT_EQ(mouseY, 20);
    EXPECT_EQ(clickX, 300);
    EXPECT_EQ(clickY, 400);
    EXPECT_TRUE(clicked);
}

TEST_F(InputTest, PointerMoveLeavesTheClickAlone) {
    windowProc(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6));
    clicked = false; // the frame code consumed it
    windowProc(motionEvent(700, 800));
    EXPECT_EQ(mouseX, 700);
    EXPECT_EQ(mouseY, 800);
    EXPECT_EQ(clickX, 5);
    EXPECT_EQ(clickY, 6);
    EXPECT_FALSE(clicked);
}

TEST_F(InputTest, ReleaseMovesThePointerAndOtherButtonsDoNothing) {
    windowProc(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 31, 41));
    EXPECT_EQ(mouseX, 31);
    EXPECT_EQ(mouseY, 41);
    windowProc(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2));
    windowProc(buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 2));
    EXPECT_FALSE(clicked);
    EXPECT_EQ(mouseX, 31);
}

TEST_F(InputTest, HeldKeyRepeatsItsKeyDown) {
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_b));
    ASSERT_EQ(keys[VK_KEY_B], 1);
    keys[VK_KEY_B] = 0; // consumed by the frame code
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_b, KMOD_NONE, 1));
    EXPECT_EQ(keys[VK_KEY_B], 1);
    windowProc(keyEvent(SDL_KEYUP, SDLK_b));
    EXPECT_EQ(keys[VK_KEY_B], 0);
}

TEST_F(InputTest, AltCombinationsAndF10AreNotRecorded) {
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_s, KMOD_LALT));
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_F4, KMOD_RALT));
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_F10));
    EXPECT_EQ(keys[VK_KEY_S], 0);
    EXPECT_EQ(keys[VK_F1_KEY + 3], 0);
    EXPECT_EQ(keys[VK_F10_KEY], 0);
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_F1));
    EXPECT_EQ(keys[VK_F1_KEY], 1);
}

TEST_F(InputTest, KeysMapToTheirVirtualKeyCodes) {
    struct Case {
        SDL_Keycode sym;
        int virtualKey;
    } cases[] = {
        {SDLK_F1, 0x70},   {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},
        {SDLK_DOWN, 0x28}, {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B},
        {SDLK_q, 0x51},    {SDLK_a, 0x41},      {SDLK_b, 0x42},        {SDLK_s, 0x53},
        {SDLK_n, 0x4E},    {SDLK_z, 0x5A},      {SDLK_0, 0x30},        {SDLK_F12, 0x7B},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(virtualKeyFor(c.sym), c.virtualKey) << SDL_GetKeyName(c.sym);
        windowProc(keyEvent(SDL_KEYDOWN, c.sym));
        EXPECT_EQ(keys[c.virtualKey], 1) << SDL_GetKeyName(c.sym);
    }
    EXPECT_EQ(virtualKeyFor(SDLK_AUDIOPLAY), -1);
    windowProc(keyEvent(SDL_KEYDOWN, SDLK_AUDIOPLAY)); // no entry, no write outside `keys`
}

TEST_F(InputTest, MinimisingStopsFramesAndRestoringResumesThem) {
    windowProc(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_FALSE(windowActive);
    windowProc(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_FALSE(windowActive);
    windowProc(windowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(windowActive);
    windowProc(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST)); // losing focus alone keeps drawing
    EXPECT_TRUE(windowActive);
}
