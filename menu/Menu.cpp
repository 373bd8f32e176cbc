#include "menu/Menu.h"

#include "app/Input.h"

void Menu::setItems(std::vector<MenuItem> newItems) {
    items = std::move(newItems);
    current = 0;
    reportedItem = 0;
    for (MenuItem& item : items)
        item.unhighlight();
    if (!items.empty())
        items[0].highlight();
}

void Menu::moveTo(std::int32_t index) {
    items[current].unhighlight();
    current = index;
    items[current].highlight();
}

bool Menu::drawItems() {
    for (std::int32_t i = 0; i < itemCount(); ++i) {
        // Items drawn before the one under the pointer keep the old highlighting
        // in this pass.
        if (items[i].contains(mouseX, mouseY))
            moveTo(i);
        items[i].draw();
    }
    if (reportedItem == current)
        return false;
    reportedItem = current;
    return true;
}

void Menu::selectNext() {
    if (!items.empty())
        moveTo((current + 1) % itemCount());
}

void Menu::selectPrevious() {
    if (!items.empty())
        moveTo(current == 0 ? itemCount() - 1 : current - 1);
}

void Menu::cycleToggle(std::int32_t direction) {
    if (items.empty())
        return;
    if (direction == 1)
        items[current].nextToggle();
    else if (direction == -1)
        items[current].previousToggle();
}

std::int32_t Menu::currentToggle() const {
    return items.empty() ? -1 : items[current].toggleValue();
}
