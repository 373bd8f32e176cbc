#include "ScenePictures.h"

std::vector<ScenePicture> scenePictures() {
    return {
        {"background2.bmp", [](const FontSet&) { return feltBackground(); }},
        {"background.bmp", [](const FontSet&) { return waterBackground(); }},
        {"bang.bmp", [](const FontSet&) { return bangPicture(); }},
        {"combo.bmp", comboPicture},
        {"turbo.bmp", turboPicture},
        {"help.bmp", helpPicture},
    };
}
