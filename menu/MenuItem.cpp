#include "menu/MenuItem.h"

#include <GL/gl.h>

namespace {

std::unique_ptr<RGBAImage> blurredCopy(const RGBAImage& source, std::int32_t passes) {
    auto copy = std::make_unique<RGBAImage>();
    copy->copyFrom(source);
    for (std::int32_t i = 0; i < passes; ++i)
        copy->blur();
    return copy;
}

// The image's bottom row lands on the raster position and its rows go up the
// screen.
void drawAt(std::int32_t x, std::int32_t y, const RGBAImage* image) {
    if (image == nullptr)
        return;
    glRasterPos2i(x, y);
    image->drawPixels();
}

} // namespace

void MenuItem::placeItem(std::int32_t itemLeft, std::int32_t itemBottom,
                         std::unique_ptr<RGBAImage> label, std::int32_t blurPasses) {
    left = itemLeft;
    bottom = itemBottom;
    width = label->width();
    height = label->height();
    glowImage = blurredCopy(*label, blurPasses);
    image = std::move(label);
    highlighted = false;
}

void MenuItem::setToggles(std::vector<std::unique_ptr<RGBAImage>> images, std::int32_t blurPasses,
                          std::int32_t offset) {
    std::vector<std::unique_ptr<RGBAImage>> glows;
    for (const auto& value : images)
        glows.push_back(blurredCopy(*value, blurPasses));
    hasToggles = !images.empty();
    toggleOffset = offset;
    toggleCount = static_cast<std::int32_t>(images.size());
    toggleImages = std::move(images);
    toggleGlowImages = std::move(glows);
    if (toggleIndex >= toggleCount)
        toggleIndex = 0;
}

void MenuItem::draw() const {
    drawAt(left, bottom, highlighted ? glowImage.get() : image.get());
    if (hasToggles) {
        const auto& shown = highlighted ? toggleGlowImages : toggleImages;
        drawAt(left + toggleOffset, bottom, shown[toggleIndex].get());
    }
}

bool MenuItem::contains(std::int32_t px, std::int32_t py) const {
    return left <= px && px <= left + width && bottom - height <= py && py <= bottom;
}

void MenuItem::nextToggle() {
    if (hasToggles)
        toggleIndex = (toggleIndex + 1) % toggleCount;
}

void MenuItem::previousToggle() {
    if (hasToggles)
        toggleIndex = toggleIndex == 0 ? toggleCount - 1 : toggleIndex - 1;
}
