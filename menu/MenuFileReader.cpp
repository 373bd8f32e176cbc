#include "menu/MenuFileReader.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

// Positions further out than this many window sizes can never be seen; the
// bound keeps every pixel value far inside 32 bits.
constexpr float kMaxPositionFraction = 100.0f;
// The longest message the game's message buffer holds.
constexpr std::size_t kMessageBuffer = 256;
// "Read the rest of the line" of an item reads at most this many characters,
// like a 256-byte line buffer.
constexpr int kItemLineBuffer = 256;

MenuFileError sourceError(const char* text) {
    return {text, kMenuSourceCaption, BoxIcon::Warning};
}

MenuFileError unexpectedWord(const std::string& word) {
    char text[kMessageBuffer];
    std::snprintf(text, sizeof text, kMenuUnexpectedWord, word.c_str());
    return {text, kMenuOpenCaption, BoxIcon::Error};
}

bool isPosition(float fraction) {
    return std::isfinite(fraction) && std::fabs(fraction) <= kMaxPositionFraction;
}

// One word the way " %s" reads it: white space skipped, then everything up to
// the next white space. Keeps at most limit + 1 characters, so a caller can tell
// a word longer than limit, but always consumes the whole word. Empty at end of
// file.
std::string readWord(std::FILE* file, std::size_t limit) {
    std::string word;
    int c = std::getc(file);
    while (c != EOF && std::isspace(c))
        c = std::getc(file);
    while (c != EOF && !std::isspace(c)) {
        if (word.size() <= limit)
            word.push_back(static_cast<char>(c));
        c = std::getc(file);
    }
    if (c != EOF)
        std::ungetc(c, file);
    return word;
}

// True when the next word is exactly `expected`.
bool expectWord(std::FILE* file, const char* expected) {
    return readWord(file, std::strlen(expected)) == expected;
}

std::optional<MenuFileError> readHeader(std::FILE* file, MenuDefinition& menu) {
    if (!expectWord(file, "POCET") || !expectWord(file, "POLOZEK") ||
        std::fscanf(file, "%d", &menu.itemCount) != 1)
        return sourceError(kMenuBadHeader);
    if (menu.itemCount <= 0)
        return sourceError(kMenuBadItemCount);
    if (!expectWord(file, "FONT"))
        return sourceError(kMenuBadHeader);
    menu.faceName = readWord(file, kMaxFaceName);
    if (menu.faceName.empty() || menu.faceName.size() > kMaxFaceName ||
        !expectWord(file, "VYSKA") || std::fscanf(file, "%f", &menu.heightFraction) != 1)
        return sourceError(kMenuBadHeader);
    // The text height must be a visible part of the window.
    if (!(menu.heightFraction > 0.0f && menu.heightFraction <= 1.0f))
        return sourceError(kMenuBadHeader);
    return std::nullopt;
}

// The rest of a POLOZKA line: "text" left bottom.
std::optional<MenuFileError> readItem(std::FILE* file, MenuDefinition& menu) {
    if (menu.items.size() >= static_cast<std::size_t>(menu.itemCount))
        return sourceError(kMenuTooManyItems);
    char line[kItemLineBuffer];
    if (std::fgets(line, sizeof line, file) == nullptr)
        return sourceError(kMenuSourceError);
    const char* open = std::strchr(line, '"');
    if (open == nullptr)
        return sourceError(kMenuNoItemName);
    const char* close = std::strchr(open + 1, '"');
    if (close == nullptr || static_cast<std::size_t>(close - open - 1) > kMaxMenuText)
        return sourceError(kMenuBadItemName);
    MenuItemDefinition item;
    item.text.assign(open + 1, close);
    if (std::sscanf(close + 1, "%f %f ", &item.left, &item.bottom) != 2 || !isPosition(item.left) ||
        !isPosition(item.bottom))
        return sourceError(kMenuBadPosition);
    menu.items.push_back(std::move(item));
    return std::nullopt;
}

// One "TOGGLE text" line. The value is everything after the word up to the end
// of the line, leading blanks included. A last line without a line break loses
// its last character, as removing the line break always takes one character.
std::optional<std::string> readToggleValue(std::FILE* file) {
    int matched = -1;
    std::fscanf(file, " TOGGLE%n", &matched);
    if (matched < 0)
        return std::nullopt;
    char line[kMaxMenuText + 2]; // the value, its line break and the terminator
    if (std::fgets(line, sizeof line, file) == nullptr)
        return std::nullopt;
    std::size_t length = std::strlen(line);
    if (length > 0 && line[length - 1] != '\n') {
        int next = std::getc(file);
        if (next != EOF)
            return std::nullopt; // longer than kMaxMenuText
    }
    if (length > 0)
        --length; // the line break
    // A file written on Windows ends its lines with CR LF, which text mode
    // there reads as one line break.
    if (length > 0 && line[length - 1] == '\r')
        --length;
    return std::string(line, length);
}

// The rest of a TOGGLES block: count, offset, then the value lines.
std::optional<MenuFileError> readToggles(std::FILE* file, MenuDefinition& menu) {
    if (menu.items.empty())
        return sourceError(kMenuTogglesWithoutItem);
    MenuItemDefinition& item = menu.items.back();
    if (item.hasToggles)
        return sourceError(kMenuSecondToggles);
    std::int32_t count = 0;
    float offset = 0.0f;
    if (std::fscanf(file, "%d %f", &count, &offset) != 2 || count <= 0 || !isPosition(offset))
        return sourceError(kMenuBadToggleCount);
    std::vector<std::string> values;
    // Values are read one by one, so a huge count runs out of lines instead of
    // reserving memory for it.
    for (std::int32_t i = 0; i < count; ++i) {
        std::optional<std::string> value = readToggleValue(file);
        if (!value)
            return sourceError(kMenuBadToggle);
        values.push_back(std::move(*value));
    }
    item.hasToggles = true;
    item.toggleOffset = offset;
    item.toggles = std::move(values);
    return std::nullopt;
}

} // namespace

MenuReadResult readMenuDefinition(std::FILE* file) {
    MenuDefinition menu;
    if (std::optional<MenuFileError> error = readHeader(file, menu))
        return *error;
    for (;;) {
        // Anything but a known keyword is reported with its first characters;
        // the message buffer holds no more anyway.
        std::string word = readWord(file, kMessageBuffer);
        if (word.empty())
            break;
        std::optional<MenuFileError> error;
        if (word == "POLOZKA")
            error = readItem(file, menu);
        else if (word == "TOGGLES")
            error = readToggles(file, menu);
        else
            error = unexpectedWord(word);
        if (error)
            return *error;
    }
    if (menu.items.size() != static_cast<std::size_t>(menu.itemCount))
        return sourceError(kMenuMissingItems);
    return menu;
}
