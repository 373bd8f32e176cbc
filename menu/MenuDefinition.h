#pragma once

#include "platform/MessageBox.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What a menu file says, before anything is rendered: texts and positions as
// fractions of the window, so the file can be read and checked without a display.

struct MenuItemDefinition {
    std::string text;                 // the label, at most 99 characters
    float left = 0.0f;                // left edge, fraction of the window width
    float bottom = 0.0f;              // bottom edge, fraction of the window height from the top
    bool hasToggles = false;          // a TOGGLES block followed the item
    float toggleOffset = 0.0f;        // value image's left edge from `left`, fraction of the width
    std::vector<std::string> toggles; // the value texts, in file order
};

struct MenuDefinition {
    std::int32_t itemCount = 0;            // announced on the first line; equals items.size()
    std::string faceName;                  // the FONT word, whole (the font uses 31 characters)
    float heightFraction = 0.0f;           // VYSKA: text height, fraction of the window height
    std::vector<MenuItemDefinition> items; // in file order
};

// Why a menu file was rejected: the message box the loader shows before exit 1.
struct MenuFileError {
    std::string text;
    const char* caption;
    BoxIcon icon;
};

using MenuReadResult = std::variant<MenuDefinition, MenuFileError>;
