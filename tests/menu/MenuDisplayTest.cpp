// The game's own menu files loaded and drawn on a real OpenGL context.
#include "GLTestWindow.h"

#include "app/GLWindow.h"
#include "app/Input.h"
#include "menu/Menu.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::string dataFile(const char* name) {
    return std::string(VELDRIN_DATA_DIR) + "/" + name;
}

struct Ink {
    std::int32_t white = 0; // pixels at full brightness
    std::int32_t lit = 0;   // pixels brighter than black
    int brightest = 0;
};

Ink inkOf(const std::uint8_t* pixels, std::size_t count) {
    Ink ink;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = pixels + i * 4;
        const int value = std::max({p[0], p[1], p[2]});
        ink.white += value == 255 ? 1 : 0;
        ink.lit += value > 0 ? 1 : 0;
        ink.brightest = std::max(ink.brightest, value);
    }
    return ink;
}

Ink inkOf(const RGBAImage& image) {
    return inkOf(image.pixels, static_cast<std::size_t>(image.width()) * image.height());
}

// The frame buffer under an item's label, read after drawing.
Ink inkUnder(const MenuItem& item) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(item.width) * item.height * 4);
    glReadPixels(item.left, window.height - item.bottom, item.width, item.height, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.data());
    return inkOf(pixels.data(), pixels.size() / 4);
}

using MenuDisplay = GLTest<1280, 1024>;

struct MenuFileCase {
    const char* file;
    std::vector<std::int32_t> toggleCounts; // 0: no values
};

// Names the case in test listings instead of its bytes.
void PrintTo(const MenuFileCase& c, std::ostream* out) {
    *out << c.file;
}

class GameMenuFile : public MenuDisplay, public testing::WithParamInterface<MenuFileCase> {};

TEST_P(GameMenuFile, LoadsWithReadableLabelsAndSofterGlows) {
    Menu menu;
    menu.load(dataFile(GetParam().file).c_str());
    ASSERT_EQ(menu.itemCount(), static_cast<std::int32_t>(GetParam().toggleCounts.size()));
    EXPECT_EQ(menu.currentItem(), 0);
    for (std::int32_t i = 0; i < menu.itemCount(); ++i) {
        SCOPED_TRACE(i);
        const MenuItem& item = menu.items[i];
        EXPECT_EQ(item.highlighted, i == 0);
        EXPECT_EQ(item.toggleCount, GetParam().toggleCounts[i]);
        EXPECT_EQ(item.hasToggles, GetParam().toggleCounts[i] > 0);
        // Labels stay on screen and clear of the value column.
        EXPECT_GE(item.left, 0);
        EXPECT_LE(item.left + item.width, kWidth);
        EXPECT_GE(item.bottom - item.height, 0);
        EXPECT_LE(item.bottom, kHeight);
        if (item.hasToggles) {
            EXPECT_LT(item.width, item.toggleOffset);
        }
        std::vector<const RGBAImage*> sharp = {item.image.get()};
        std::vector<const RGBAImage*> glow = {item.glowImage.get()};
        for (std::int32_t v = 0; v < item.toggleCount; ++v) {
            sharp.push_back(item.toggleImages[v].get());
            glow.push_back(item.toggleGlowImages[v].get());
            EXPECT_LE(item.left + item.toggleOffset + item.toggleImages[v]->width(), kWidth);
        }
        for (std::size_t k = 0; k < sharp.size(); ++k) {
            const Ink text = inkOf(*sharp[k]);
            const Ink soft = inkOf(*glow[k]);
            EXPECT_GT(text.white, 20) << "image " << k;
            EXPECT_LT(soft.white, text.white) << "image " << k;
            EXPECT_GT(soft.lit, text.lit) << "image " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Data, GameMenuFile,
                         testing::Values(MenuFileCase{"game.mnu", {0, 0, 0}},
                                         MenuFileCase{"options.mnu", {2, 2, 2, 2, 3, 2, 0}}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(MenuDisplay, DrawsTheCurrentItemWithItsGlowAndOthersSharp) {
    Menu menu;
    menu.load(dataFile("options.mnu").c_str());
    mouseX = -1;
    mouseY = -1;
    menu.selectNext(); // the music item
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    window.beginOverlay();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    EXPECT_TRUE(menu.drawItems());
    glDisable(GL_BLEND);
    window.endOverlay();

    const Ink current = inkUnder(menu.items[1]);
    const Ink other = inkUnder(menu.items[2]);
    EXPECT_GT(other.white, 20);
    EXPECT_LT(current.white, other.white / 2);
    EXPECT_GT(current.lit, 20);
}

TEST_F(MenuDisplay, PointerOverALabelMakesItCurrent) {
    Menu menu;
    menu.load(dataFile("game.mnu").c_str());
    const MenuItem& quit = menu.items[2];
    mouseX = quit.left + quit.width / 2;
    mouseY = quit.bottom - quit.height / 2;
    window.beginOverlay();
    EXPECT_TRUE(menu.drawItems());
    window.endOverlay();
    EXPECT_EQ(menu.currentItem(), 2);
}

} // namespace
