#include "gfx/RGBAImage.h"

#include "platform/MessageBox.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int channels = 4;

[[noreturn]] void fail(const char* text, const char* caption) {
    messageBox(text, caption, BoxIcon::Error);
    std::exit(1);
}

std::size_t byteCount(std::int32_t width, std::int32_t height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * channels;
}

} // namespace

RGBAImage::~RGBAImage() {
    if (created())
        destroy();
}

void RGBAImage::create(std::int32_t width, std::int32_t height) {
    if (created())
        fail("Obraz je uz vytvoren !", "RGBAImage creation ERROR");
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels = new std::uint8_t[byteCount(width_, height_)];
}

void RGBAImage::destroy() {
    if (!created())
        fail("Obraz jeste nebyl vytvoren !", "RGBAImage destroying ERROR");
    delete[] pixels;
    pixels = nullptr;
    width_ = 0;
    height_ = 0;
}

void RGBAImage::copyFrom(const RGBAImage& source) {
    create(source.width(), source.height());
    if (source.created())
        std::memcpy(pixels, source.pixels, byteCount(width_, height_));
}

void RGBAImage::blur() {
    if (!created())
        return;
    auto* result = new std::uint8_t[byteCount(width_, height_)];
    for (std::int32_t row = 0; row < height_; ++row) {
        for (std::int32_t column = 0; column < width_; ++column) {
            for (int channel = 0; channel < channels; ++channel) {
                unsigned sum = 0;
                for (std::int32_t r = std::max(0, row - 1); r <= std::min(height_ - 1, row + 1);
                     ++r)
                    for (std::int32_t c = std::max(0, column - 1);
                         c <= std::min(width_ - 1, column + 1); ++c)
                        sum +=
                            pixels[(static_cast<std::size_t>(r) * width_ + c) * channels + channel];
                result[(static_cast<std::size_t>(row) * width_ + column) * channels + channel] =
                    static_cast<std::uint8_t>(sum / 9u);
            }
        }
    }
    delete[] pixels;
    pixels = result;
}

// Rows of 4-byte pixels meet every pixel-store alignment, so none is set here.
void RGBAImage::readPixels(std::int32_t x, std::int32_t y) {
    if (!created() || width_ == 0 || height_ == 0)
        return;
    glReadPixels(x, y, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

void RGBAImage::drawPixels() const {
    if (!created() || width_ == 0 || height_ == 0)
        return;
    glDrawPixels(width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}
