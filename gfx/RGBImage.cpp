#include "gfx/RGBImage.h"

#include "platform/DataPath.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t fileHeaderBytes = 14;
constexpr std::size_t infoHeaderBytes = 40;
constexpr std::size_t monochromeColourTableBytes = 8;

std::int32_t readInt32(const std::uint8_t* bytes) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint32_t readUint32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(readInt32(bytes));
}

std::uint16_t readUint16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

// Bytes left between the read position and the end of the file; -1 if unknown.
long bytesLeft(std::FILE* file) {
    long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    long end = std::ftell(file);
    if (end < 0 || std::fseek(file, here, SEEK_SET) != 0)
        return -1;
    return end - here;
}

struct Bitmap {
    std::vector<std::uint8_t> pixels;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Reads headers and pixel block into `bitmap`; false if the file holds fewer
// bytes than they need. The block's length is checked against the file before
// anything is allocated, so an absurd header never asks for gigabytes.
bool readBitmap(std::FILE* file, Bitmap& bitmap) {
    std::uint8_t header[fileHeaderBytes + infoHeaderBytes];
    if (std::fread(header, 1, sizeof header, file) != sizeof header)
        return false;
    const std::uint8_t* info = header + fileHeaderBytes;
    std::int32_t width = readInt32(info + 4);
    std::int32_t height = readInt32(info + 8);
    std::uint16_t bitCount = readUint16(info + 14);
    std::uint32_t sizeImage = readUint32(info + 20);

    if (bitCount == 1) {
        std::uint8_t colourTable[monochromeColourTableBytes];
        if (std::fread(colourTable, 1, sizeof colourTable, file) != sizeof colourTable)
            return false;
    }
    long long length = sizeImage != 0 ? static_cast<long long>(sizeImage)
                                      : static_cast<long long>(width) * height * bitCount / 8;
    long left = bytesLeft(file);
    if (length < 0 || left < 0 || length > left)
        return false;

    bitmap.pixels.resize(static_cast<std::size_t>(length));
    if (std::fread(bitmap.pixels.data(), 1, bitmap.pixels.size(), file) != bitmap.pixels.size())
        return false;
    bitmap.width = width;
    bitmap.height = height;
    return true;
}

} // namespace

void bitmapUnreadable() {
    std::fputs("Nepodarilo se otevrit soubor *.bmp\n", stdout);
    std::fflush(stdout);
    std::exit(1);
}

RGBImage::RGBImage(const char* path) {
    std::FILE* file = openDataFile(path, "rb");
    if (file == nullptr)
        bitmapUnreadable();
    Bitmap bitmap;
    bool complete = readBitmap(file, bitmap);
    std::fclose(file);
    if (!complete)
        bitmapUnreadable();
    pixels = std::move(bitmap.pixels);
    width = bitmap.width;
    height = bitmap.height;
}

void RGBImage::swapRedBlue() {
    long long count = std::max(0LL, static_cast<long long>(width) * height);
    count = std::min(count, static_cast<long long>(pixels.size() / 3));
    for (long long i = 0; i < count; ++i)
        std::swap(pixels[i * 3], pixels[i * 3 + 2]);
}
