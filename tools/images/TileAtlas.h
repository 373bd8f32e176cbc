#pragma once

#include "Canvas.h"
#include "FontSet.h"

#include <vector>

// The tile-face strips: for each size s, a picture s wide and 42 * s high with
// face 1 at the top and face 42 at the bottom. Each face is drawn once at a
// high resolution and shrunk to every size, so small faces are smooth.
std::vector<Canvas> tileAtlases(const std::vector<int>& sizes, const FontSet& fonts);
