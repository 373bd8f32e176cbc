#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes small BMP files for the tests: a 14-byte file header, a 40-byte
// information header and the given pixel block.
struct BmpFixture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t sizeImage = 0; // written as it stands (0 is a valid value)
    std::vector<std::uint8_t> block;

    // A 24-bit picture whose pixel at (column, row from the bottom) holds the
    // blue, green, red bytes that `colour` returns.
    template <typename Colour>
    static BmpFixture filled(std::int32_t width, std::int32_t height, Colour colour) {
        BmpFixture bmp;
        bmp.width = width;
        bmp.height = height;
        for (std::int32_t row = 0; row < height; ++row)
            for (std::int32_t column = 0; column < width; ++column) {
                auto bgr = colour(column, row);
                bmp.block.insert(bmp.block.end(), bgr.begin(), bgr.end());
            }
        bmp.sizeImage = static_cast<std::uint32_t>(bmp.block.size());
        return bmp;
    }

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out(54 + block.size(), 0);
        auto put32 = [&out](std::size_t at, std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        };
        out[0] = 'B';
        out[1] = 'M';
        put32(2, static_cast<std::uint32_t>(54 + block.size()));
        put32(10, 54);
        put32(14, 40);
        put32(18, static_cast<std::uint32_t>(width));
        put32(22, static_cast<std::uint32_t>(height));
        out[26] = 1;
        out[28] = static_cast<std::uint8_t>(bitCount);
        out[29] = static_cast<std::uint8_t>(bitCount >> 8);
        put32(34, sizeImage);
        std::copy(block.begin(), block.end(), out.begin() + 54);
        return out;
    }

    // Writes the file, keeping only its first `keep` bytes when asked to.
    void write(const std::string& path, std::size_t keep = SIZE_MAX) const {
        std::vector<std::uint8_t> all = bytes();
        if (keep < all.size())
            all.resize(keep);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(all.data(), 1, all.size(), file);
        std::fclose(file);
    }
};

// A fresh folder under the system's temporary folder for one test's files.
std::string fixtureFolder();
