#pragma once

#include "gfx/RGBAImage.h"

#include <cstdint>
#include <memory>
#include <vector>

// One entry of a menu: its label as a pre-rendered image with a blurred copy
// for the highlighted state, and optionally a list of values shown to its
// right. Positions are window pixels, origin top-left, y growing downwards.
class MenuItem {
  public:
    // Places the label with its image's bottom-left corner at (left, bottom),
    // takes ownership of the image and makes its glow copy with `blurPasses`
    // box-blur passes. The item is not highlighted afterwards.
    void placeItem(std::int32_t left, std::int32_t bottom, std::unique_ptr<RGBAImage> image,
                   std::int32_t blurPasses);
    // Gives the item its value images (owned from now on), each with a glow
    // copy, shown `offset` pixels right of `left`. The shown value keeps its
    // index. An empty list leaves the item without values.
    void setToggles(std::vector<std::unique_ptr<RGBAImage>> images, std::int32_t blurPasses,
                    std::int32_t offset);

    // Draws the label and the shown value at the current pixel overlay, the
    // glow images while highlighted.
    void draw() const;
    // Whether (px, py) lies on the label's image, edges included; the value's
    // image is not part of the item.
    bool contains(std::int32_t px, std::int32_t py) const;

    void highlight() { highlighted = true; }
    void unhighlight() { highlighted = false; }
    // Step the shown value, wrapping around; nothing without values.
    void nextToggle();
    void previousToggle();
    // The shown value's index, -1 for an item without values.
    std::int32_t toggleValue() const { return hasToggles ? toggleIndex : -1; }

    std::int32_t left = 0;   // x of the image's left edge, pixels
    std::int32_t bottom = 0; // y of the image's bottom edge, pixels from the top
    std::int32_t width = 0;  // label image size, pixels
    std::int32_t height = 0;
    bool highlighted = false;             // drawn with the glow images
    std::unique_ptr<RGBAImage> image;     // the label as rendered
    std::unique_ptr<RGBAImage> glowImage; // the label blurred
    bool hasToggles = false;
    std::int32_t toggleOffset = 0; // value image's left edge from `left`, pixels
    std::int32_t toggleIndex = 0;  // the value shown
    std::int32_t toggleCount = 0;
    std::vector<std::unique_ptr<RGBAImage>> toggleImages;     // each value as rendered
    std::vector<std::unique_ptr<RGBAImage>> toggleGlowImages; // each value blurred
};
