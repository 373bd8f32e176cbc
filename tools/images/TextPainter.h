#pragma once

#include "Font.h"
#include "Sketch.h"

#include <string_view>

// Paints the mask with its pixel (0, 0) at canvas pixel (left, top).
void stamp(Canvas& canvas, const TextMask& mask, int left, int top, Color c, float opacity = 1);
// Paints the mask so that the middle of its ink lies at the canvas pixel centre.
void stampCentred(Canvas& canvas, const TextMask& mask, Point centre, Color c, float opacity = 1);

// Text at em units to the em, its ink centred on centre (units of the sketch).
void textCentred(Sketch& sketch, const Font& font, std::u32string_view text, Point centre, float em,
                 Color c);
// Text whose pen starts at start on the baseline (units of the sketch).
void textLine(Sketch& sketch, const Font& font, std::u32string_view text, Point start, float em,
              Color c);
// The pen advance of the text in units of the sketch.
float textWidth(const Sketch& sketch, const Font& font, std::u32string_view text, float em);
