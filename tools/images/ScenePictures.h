#pragma once

#include "Canvas.h"
#include "FontSet.h"

#include <functional>
#include <string>
#include <vector>

// One picture of the tex folder: its file name and how to draw it.
struct ScenePicture {
    std::string file;
    std::function<Canvas(const FontSet&)> draw;
};

// The two backgrounds, the three effect pictures and the help screen.
std::vector<ScenePicture> scenePictures();

Canvas feltBackground();                   // 512 x 512, "background2.bmp"
Canvas waterBackground();                  // 512 x 512, "background.bmp"
Canvas bangPicture();                      // 64 x 64
Canvas comboPicture(const FontSet& fonts); // 64 x 64
Canvas turboPicture(const FontSet& fonts); // 64 x 64
Canvas helpPicture(const FontSet& fonts);  // 512 x 512
