#include "ScenePictures.h"
#include "TextPainter.h"

#include <string>
#include <vector>

// The help screen is shown stretched over the whole screen while F1 is held.
// It is laid out on a 1280 x 1024 design screen (the default display mode, so
// letters keep their shape there) and shrunk into the 512 x 512 picture.

namespace {

constexpr int designWidth = 1280;
constexpr int designHeight = 1024;
constexpr int finalSize = 512;

constexpr Color gold = rgb(244, 196, 84);
constexpr Color paper = rgb(236, 238, 244);
constexpr Color muted = rgb(160, 176, 200);
constexpr Color keyCap = rgb(250, 246, 232);
constexpr Color keyInk = rgb(24, 30, 52);

// The words of text broken into lines no wider than width units.
std::vector<std::u32string> wrap(const Sketch& s, const Font& font, std::u32string_view text,
                                 float em, float width) {
    std::vector<std::u32string> lines;
    std::u32string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(U' ', start);
        if (end == std::u32string_view::npos)
            end = text.size();
        const std::u32string word(text.substr(start, end - start));
        const std::u32string candidate = line.empty() ? word : line + U" " + word;
        if (!line.empty() && textWidth(s, font, candidate, em) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// A paragraph from the baseline y down; returns the baseline after it.
float paragraph(Sketch& s, const Font& font, std::u32string_view text, float x, float y, float em,
                float width, Color c) {
    for (const std::u32string& line : wrap(s, font, text, em, width)) {
        textLine(s, font, line, {x, y}, em, c);
        y += em * 1.32f;
    }
    return y;
}

void heading(Sketch& s, const FontSet& fonts, std::u32string_view text, float y) {
    textLine(s, *fonts.sansBold, text, {90, y}, 38, gold);
    s.box({90 + 560, y + 12}, 560, 1.5f, 1, rgb(92, 110, 140));
}

struct KeyRow {
    std::vector<std::u32string> keys;
    std::u32string note; // "hold" for keys read while held
    std::u32string action;
};

// Key caps from x along the baseline y; returns where the next thing may start.
float keyCaps(Sketch& s, const FontSet& fonts, const KeyRow& row, float x, float y) {
    constexpr float em = 28;
    for (const std::u32string& key : row.keys) {
        const float width = std::max(44.0f, textWidth(s, *fonts.sansBold, key, em) + 26);
        s.box({x + width / 2, y - 10 + 3}, width / 2, 22, 7, rgb(120, 112, 92));
        s.box({x + width / 2, y - 10}, width / 2, 22, 7, keyCap);
        textCentred(s, *fonts.sansBold, key, {x + width / 2, y - 10}, em, keyInk);
        x += width + 10;
    }
    if (!row.note.empty()) {
        textLine(s, *fonts.sans, row.note, {x + 2, y}, 24, muted);
        x += textWidth(s, *fonts.sans, row.note, 24) + 12;
    }
    return x;
}

const std::vector<KeyRow>& keyRows() {
    static const std::vector<KeyRow> rows = {
        {{U"F1"}, U"hold", U"Show this help"},
        {{U"Mouse"}, U"", U"Turn the board; click tiles to pick them"},
        {{U"\u2191", U"\u2193", U"\u2190", U"\u2192"}, U"", U"Choose in the menus"},
        {{U"Enter"}, U"or click", U"Take the chosen menu entry"},
        {{U"Esc"}, U"", U"End the game, leave the options, quit"},
        {{U"Q"}, U"hold", U"Zoom out"},
        {{U"A"}, U"hold", U"Zoom in"},
        {{U"B"}, U"", U"Take back the last pair (\u221230 points)"},
        {{U"S"}, U"", U"Re-deal the remaining tiles (\u2212100 points)"},
        {{U"N"}, U"", U"Next music track"},
    };
    return rows;
}

} // namespace

Canvas helpPicture(const FontSet& fonts) {
    Canvas canvas(designWidth, designHeight);
    Sketch s(canvas, 1);
    s.cover(vertical(rgb(22, 34, 62), rgb(8, 12, 26), 0, designHeight));
    s.frame({designWidth / 2.0f, designHeight / 2.0f}, designWidth / 2.0f - 28,
            designHeight / 2.0f - 24, 24, 3, rgb(150, 120, 60));

    textCentred(s, *fonts.sansBold, U"HOW TO PLAY", {designWidth / 2.0f, 84}, 64, gold);

    constexpr float left = 90;
    constexpr float width = 1100;
    float y = 168;
    y = paragraph(s, *fonts.sans,
                  U"Click two matching tiles to remove them; only free tiles can be taken. A tile "
                  U"is free when nothing lies on it and its left or right side is open. Any "
                  U"flower matches any flower, any season any season.",
                  left, y, 30, width, paper);

    heading(s, fonts, U"KEYS", y + 22);
    y += 80;
    for (const KeyRow& row : keyRows()) {
        keyCaps(s, fonts, row, left, y);
        textLine(s, *fonts.sans, row.action, {left + 340, y}, 30, paper);
        y += 48;
    }

    heading(s, fonts, U"SCORE", y + 4);
    paragraph(s, *fonts.sans,
              U"Each pair scores 20 points, plus 10 for every combo level. A pair within 5 seconds "
              U"of the last one raises the level by 1, within 1.5 seconds by 2.",
              left, y + 58, 30, width, paper);
    return resampled(canvas, finalSize, finalSize);
}
