#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Little-endian fields of a bitmap file as the game's loader reads them.
inline std::uint32_t le32(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t le16(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

inline std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr size_t bmpHeader = 54;
constexpr size_t biWidth = 14 + 4;
constexpr size_t biHeight = 14 + 8;
constexpr size_t biBitCount = 14 + 14;
constexpr size_t biCompression = 14 + 16;
constexpr size_t biSizeImage = 14 + 20;
