#include "BmpFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint32_t headerBytes = 14 + 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint8_t channel(float v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255));
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const Canvas& canvas) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(canvas.width()) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * canvas.height();
    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + imageBytes);
    // File header.
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + imageBytes);
    put32(out, 0); // reserved
    put32(out, headerBytes);
    // Information header.
    put32(out, 40);
    put32(out, canvas.width());
    put32(out, canvas.height()); // positive: bottom row first
    put16(out, 1);               // planes
    put16(out, 24);              // bits per pixel
    put32(out, 0);               // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi, in pixels per metre
    put32(out, 2835);
    put32(out, 0); // no colour table
    put32(out, 0);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Color c = canvas.pixel(x, y);
            out.push_back(channel(c.b));
            out.push_back(channel(c.g));
            out.push_back(channel(c.r));
        }
        for (std::uint32_t pad = canvas.width() * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool writeBmp(const std::string& path, const Canvas& canvas, std::string& error) {
    const std::vector<std::uint8_t> bytes = encodeBmp(canvas);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "cannot write " + path + ": " + std::strerror(written ? errno : writeErrno);
        std::remove(path.c_str());
        return false;
    }
    return true;
}
