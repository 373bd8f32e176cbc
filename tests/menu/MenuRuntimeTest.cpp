// The menu runtime on items built from small pixel blocks: pointer choice,
// keyboard moves, reporting and toggle values. Drawing goes to whatever GL
// context is current; none is needed for the state checked here.
#include "app/GLWindow.h"
#include "app/Input.h"
#include "gfx/GLFont.h"
#include "menu/Menu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::unique_ptr<RGBAImage> blockOf(std::int32_t width, std::int32_t height) {
    auto image = std::make_unique<RGBAImage>();
    image->create(width, height);
    std::memset(image->pixels, 0xFF, static_cast<std::size_t>(width) * height * 4);
    return image;
}

MenuItem itemAt(std::int32_t left, std::int32_t bottom, std::int32_t width, std::int32_t height,
                std::int32_t toggleCount = 0, std::int32_t toggleOffset = 0) {
    MenuItem item;
    item.placeItem(left, bottom, blockOf(width, height), 3);
    std::vector<std::unique_ptr<RGBAImage>> values;
    for (std::int32_t i = 0; i < toggleCount; ++i)
        values.push_back(blockOf(width, height));
    item.setToggles(std::move(values), 3, toggleOffset);
    return item;
}

// Three items; the last two overlap in x 120..150, y 185..200.
Menu threeItemMenu() {
    std::vector<MenuItem> items;
    items.push_back(itemAt(100, 100, 50, 20));
    items.push_back(itemAt(100, 200, 50, 20, 3, 200));
    items.push_back(itemAt(120, 205, 50, 20, 2, 200));
    Menu menu;
    menu.setItems(std::move(items));
    return menu;
}

void expectOnlyCurrentHighlighted(const Menu& menu) {
    for (std::int32_t i = 0; i < menu.itemCount(); ++i)
        EXPECT_EQ(menu.items[i].highlighted, i == menu.currentItem()) << "item " << i;
}

TEST(MenuItem, PlaceItemTakesTheImageSizeAndMakesAGlowCopy) {
    MenuItem item = itemAt(30, 40, 12, 7);
    EXPECT_EQ(item.left, 30);
    EXPECT_EQ(item.bottom, 40);
    EXPECT_EQ(item.width, 12);
    EXPECT_EQ(item.height, 7);
    EXPECT_FALSE(item.highlighted);
    ASSERT_TRUE(item.glowImage && item.glowImage->created());
    EXPECT_EQ(item.glowImage->width(), 12);
    EXPECT_EQ(item.glowImage->height(), 7);
    // Three passes soften the corner: 255 * 4/9 three times over.
    EXPECT_LT(item.glowImage->pixels[0], 255);
    EXPECT_EQ(item.image->pixels[0], 255);
}

struct ContainsCase {
    const char* name;
    std::int32_t x;
    std::int32_t y;
    bool inside;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ContainsCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuItemContains : public testing::TestWithParam<ContainsCase> {};

// The item covers x 10..30 and y 40..50 (bottom 50, height 10); its value's
// image lies at x 60..80.
TEST_P(MenuItemContains, CountsEveryEdgeAsInside) {
    MenuItem item = itemAt(10, 50, 20, 10, 2, 50);
    EXPECT_EQ(item.contains(GetParam().x, GetParam().y), GetParam().inside);
}

const ContainsCase kContainsCases[] = {
    {"Centre", 20, 45, true},
    {"LeftEdge", 10, 45, true},
    {"RightEdge", 30, 45, true},
    {"TopEdge", 20, 40, true},
    {"BottomEdge", 20, 50, true},
    {"TopLeftCorner", 10, 40, true},
    {"BottomRightCorner", 30, 50, true},
    {"LeftOfIt", 9, 45, false},
    {"RightOfIt", 31, 45, false},
    {"AboveIt", 20, 39, false},
    {"BelowIt", 20, 51, false},
    {"OnTheValueImage", 70, 45, false},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuItemContains, testing::ValuesIn(kContainsCases),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Action { Pointer, Next, Previous, Draw };

struct Step {
    Action action;
    std::int32_t x = 0; // pointer position for Action::Pointer
    std::int32_t y = 0;
    bool reported = false; // what drawItems returns for Action::Draw
    std::int32_t current = 0;
};

struct ScenarioCase {
    const char* name;
    std::vector<Step> steps;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ScenarioCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuScenario : public testing::TestWithParam<ScenarioCase> {};

TEST_P(MenuScenario, FollowsPointerAndKeys) {
    Menu menu = threeItemMenu();
    mouseX = -1000;
    mouseY = -1000;
    expectOnlyCurrentHighlighted(menu);
    for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        const Step& step = GetParam().steps[i];
        switch (step.action) {
        case Action::Pointer:
            mouseX = step.x;
            mouseY = step.y;
            break;
        case Action::Next:
            menu.selectNext();
            break;
        case Action::Previous:
            menu.selectPrevious();
            break;
        case Action::Draw:
            EXPECT_EQ(menu.drawItems(), step.reported);
            break;
        }
        EXPECT_EQ(menu.currentItem(), step.current);
        expectOnlyCurrentHighlighted(menu);
    }
}

const Step kOverItem0{Action::Pointer, 120, 90, false, 0};
const Step kNowhere{Action::Pointer, 600, 600, false, 0};

const ScenarioCase kScenarios[] = {
    {"FirstDrawOverItemZeroReportsNothing", {kOverItem0, {Action::Draw, 0, 0, false, 0}}},
    {"FirstDrawOverNoItemReportsNothing", {kNowhere, {Action::Draw, 0, 0, false, 0}}},
    {"FirstDrawOverAnotherItemReportsItOnce",
     {{Action::Pointer, 160, 200}, {Action::Draw, 0, 0, true, 2}, {Action::Draw, 0, 0, false, 2}}},
    {"KeyboardMoveIsReportedByTheNextDraw",
     {{Action::Next, 0, 0, false, 1},
      {Action::Draw, 0, 0, true, 1},
      {Action::Draw, 0, 0, false, 1}}},
    {"PointerOverNoItemKeepsTheKeyboardChoice",
     {kNowhere,
      {Action::Next, 0, 0, false, 1},
      {Action::Next, 0, 0, false, 2},
      {Action::Draw, 0, 0, true, 2},
      {Action::Draw, 0, 0, false, 2}}},
    {"PointerTakesOverFromTheKeys",
     {kNowhere,
      {Action::Previous, 0, 0, false, 2},
      {Action::Draw, 0, 0, true, 2},
      {Action::Pointer, 110, 95, false, 2},
      {Action::Draw, 0, 0, true, 0}}},
    {"KeysMoveAwayFromThePointedItemUntilTheNextDraw",
     {{Action::Pointer, 110, 195},
      {Action::Draw, 0, 0, true, 1},
      {Action::Next, 0, 0, false, 2},
      {Action::Draw, 0, 0, false, 1}}},
    {"LaterItemInFileOrderWinsWhereItemsOverlap",
     {{Action::Pointer, 130, 190}, {Action::Draw, 0, 0, true, 2}}},
    {"OverlapOutsideTheLaterItemGoesToTheEarlierOne",
     {{Action::Pointer, 105, 190}, {Action::Draw, 0, 0, true, 1}}},
    {"NextWrapsFromTheLastItemToTheFirst",
     {{Action::Next, 0, 0, false, 1},
      {Action::Next, 0, 0, false, 2},
      {Action::Next, 0, 0, false, 0}}},
    {"PreviousWrapsFromTheFirstItemToTheLast",
     {{Action::Previous, 0, 0, false, 2},
      {Action::Previous, 0, 0, false, 1},
      {Action::Previous, 0, 0, false, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuScenario, testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

struct ToggleCase {
    const char* name;
    std::int32_t valueCount;
    std::vector<std::int32_t> directions;
    std::vector<std::int32_t> shown; // currentToggle after each direction
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ToggleCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuToggles : public testing::TestWithParam<ToggleCase> {};

TEST_P(MenuToggles, StepThroughTheValues) {
    std::vector<MenuItem> items;
    items.push_back(itemAt(0, 20, 10, 10, GetParam().valueCount, 100));
    Menu menu;
    menu.setItems(std::move(items));
    EXPECT_EQ(menu.currentToggle(), GetParam().valueCount > 0 ? 0 : -1);
    for (std::size_t i = 0; i < GetParam().directions.size(); ++i) {
        menu.cycleToggle(GetParam().directions[i]);
        EXPECT_EQ(menu.currentToggle(), GetParam().shown[i]) << "after step " << i;
    }
}

const ToggleCase kToggleCases[] = {
    {"ThreeValuesForward", 3, {1, 1, 1}, {1, 2, 0}},
    {"ThreeValuesBackward", 3, {-1, -1, -1}, {2, 1, 0}},
    {"TwoValuesBothWays", 2, {1, 1, -1, -1}, {1, 0, 1, 0}},
    {"OneValueStaysPut", 1, {1, -1}, {0, 0}},
    {"OtherDirectionsDoNothing", 3, {0, 2, -2, 1}, {0, 0, 0, 1}},
    {"NoValuesGiveMinusOne", 0, {1, -1}, {-1, -1}},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuToggles, testing::ValuesIn(kToggleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuItem, ToggleStepsWithoutValuesChangeNothing) {
    MenuItem item = itemAt(0, 20, 10, 10);
    item.nextToggle();
    item.previousToggle();
    EXPECT_FALSE(item.hasToggles);
    EXPECT_EQ(item.toggleIndex, 0);
    EXPECT_EQ(item.toggleValue(), -1);
}

TEST(MenuToggles, EachItemKeepsItsOwnValue) {
    Menu menu = threeItemMenu();
    menu.selectNext(); // item 1, three values
    menu.cycleToggle(1);
    menu.selectNext(); // item 2, two values
    EXPECT_EQ(menu.currentToggle(), 0);
    menu.selectPrevious();
    EXPECT_EQ(menu.currentToggle(), 1);
    menu.selectPrevious(); // item 0, no values
    menu.cycleToggle(1);
    EXPECT_EQ(menu.currentToggle(), -1);
}

TEST(Menu, NewMenuIsEmptyAndSafeToOperate) {
    Menu menu;
    EXPECT_EQ(menu.itemCount(), 0);
    EXPECT_EQ(menu.currentItem(), 0);
    menu.selectNext();
    menu.selectPrevious();
    menu.cycleToggle(1);
    EXPECT_FALSE(menu.drawItems());
    EXPECT_EQ(menu.currentToggle(), -1);
    EXPECT_EQ(menu.currentItem(), 0);
}

// Building from a definition places the items in window pixels. A font that
// was never created draws nothing but still gives every label its margin and
// height, so no display is needed.
TEST(MenuBuild, PlacesItemsAndValuesInWindowPixels) {
    window.width = 1280;
    window.height = 1024;
    MenuDefinition definition;
    definition.itemCount = 2;
    definition.items.push_back({"New game", 0.1f, 0.5f, false, 0.0f, {}});
    definition.items.push_back(
        {"Background", 0.25f, 0.75f, true, 0.3f, {" felt", " ocean", " none"}});
    GLFont font;
    font.pixelHeight = 10;
    Menu menu;
    menu.build(definition, font);

    ASSERT_EQ(menu.itemCount(), 2);
    const MenuItem& first = menu.items[0];
    EXPECT_EQ(first.left, 128);
    EXPECT_EQ(first.bottom, 512);
    EXPECT_EQ(first.width, 4);
    EXPECT_EQ(first.height, 14);
    EXPECT_FALSE(first.hasToggles);
    const MenuItem& second = menu.items[1];
    EXPECT_EQ(second.left, 320);
    EXPECT_EQ(second.bottom, 768);
    EXPECT_TRUE(second.hasToggles);
    EXPECT_EQ(second.toggleCount, 3);
    EXPECT_EQ(second.toggleOffset, 384);
    EXPECT_EQ(second.toggleIndex, 0);
    ASSERT_EQ(second.toggleGlowImages.size(), 3u);
    EXPECT_EQ(menu.currentItem(), 0);
    EXPECT_EQ(menu.reportedItem, 0);
    expectOnlyCurrentHighlighted(menu);
}

TEST(MenuBuild, PixelsAreTruncatedFractionsOfTheWindow) {
    window.width = 1024;
    window.height = 768;
    MenuDefinition definition;
    definition.itemCount = 1;
    definition.items.push_back({"A", 0.333f, 0.999f, true, 0.0999f, {"x"}});
    GLFont font;
    Menu menu;
    menu.build(definition, font);
    EXPECT_EQ(menu.items[0].left, 340);         // 340.99
    EXPECT_EQ(menu.items[0].bottom, 767);       // 767.23
    EXPECT_EQ(menu.items[0].toggleOffset, 102); // 102.29
}

} // namespace
