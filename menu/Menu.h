#pragma once

#include "menu/MenuDefinition.h"
#include "menu/MenuItem.h"

#include <cstdint>
#include <vector>

class GLFont;

// A menu read from a definition file: items with pre-rendered labels, one of
// them current (highlighted), chosen by the pointer or moved with the keys. The
// menu only keeps and shows that state; the game flow decides what an item does.
class Menu {
  public:
    // Reads the file at a data path ("game.mnu") and renders every label and
    // value with a font made for the purpose and released afterwards. Needs a
    // current context and draws into the frame buffer; the caller clears the
    // screen afterwards. A file that can't be opened or breaks the format shows
    // the loader's message and ends the process with exit status 1.
    void load(const char* path);
    // Renders a checked definition with `font`, sized for the window, and makes
    // the menu hold exactly those items.
    void build(const MenuDefinition& definition, const GLFont& font);
    // Takes the items and starts with item 0 current and highlighted.
    void setItems(std::vector<MenuItem> newItems);

    // Draws every item (inside the pixel overlay, blending on) and lets the
    // pointer (mouseX, mouseY) choose the current item: the last item in file
    // order under it wins, none keeps the current one. True when the current
    // item differs from the one the previous call reported.
    bool drawItems();
    // Move the current item by one, wrapping around.
    void selectNext();
    void selectPrevious();
    // +1 steps the current item's value forward, -1 backward; other values do nothing.
    void cycleToggle(std::int32_t direction);

    std::int32_t currentItem() const { return current; }
    // The current item's value index, -1 when it has no values (or the menu no items).
    std::int32_t currentToggle() const;
    std::int32_t itemCount() const { return static_cast<std::int32_t>(items.size()); }

    std::vector<MenuItem> items;   // in file order
    std::int32_t current = 0;      // index of the current (highlighted) item
    std::int32_t reportedItem = 0; // the current item as the last drawItems reported it

  private:
    void moveTo(std::int32_t index);
};
