#include "tools/sounds/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace {

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + i];
    return value;
}

double peakOfData(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t size,
                  int bits) {
    double peak = 0;
    if (bits == 8) {
        for (std::size_t i = 0; i < size; ++i)
            peak = std::max(peak, std::abs(int(bytes[at + i]) - 128) / 128.0);
    } else if (bits == 16) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            peak =
                std::max(peak, std::abs(double(std::int16_t(little(bytes, at + i, 2)))) / 32768.0);
    }
    return peak;
}

} // namespace

std::string writeWavFile(const std::string& path, int rate, const Signal& signal) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(signal.size() * 2);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    for (char c : std::string("RIFF"))
        bytes.push_back(static_cast<std::uint8_t>(c));
    putLittle(bytes, 36 + dataBytes, 4);
    for (char c : std::string("WAVEfmt "))
        bytes.push_back(static_cast<std::uint8_t>(c));
    putLittle(bytes, 16, 4);       // format chunk size
    putLittle(bytes, 1, 2);        // PCM
    putLittle(bytes, 1, 2);        // mono
    putLittle(bytes, rate, 4);     // samples per second
    putLittle(bytes, rate * 2, 4); // bytes per second
    putLittle(bytes, 2, 2);        // bytes per frame
    putLittle(bytes, 16, 2);       // bits per sample
    for (char c : std::string("data"))
        bytes.push_back(static_cast<std::uint8_t>(c));
    putLittle(bytes, dataBytes, 4);
    for (float value : signal) {
        const long sample = std::lround(std::clamp(value * 32767.0, -32768.0, 32767.0));
        putLittle(bytes, static_cast<std::uint32_t>(sample), 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return path + ": cannot be written";
    return {};
}

std::string readWavInfo(const std::vector<std::uint8_t>& bytes, WavInfo& info) {
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return "not a RIFF WAVE file";
    WavInfo read;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const std::size_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body)
            return "chunk \"" + id + "\" runs past the end of the file";
        if (id == "fmt ") {
            if (size < 16)
                return "format chunk shorter than 16 bytes";
            read.format = int(little(bytes, body, 2));
            read.channels = int(little(bytes, body + 2, 2));
            read.rate = int(little(bytes, body + 4, 4));
            read.bitsPerSample = int(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return "data chunk before the format chunk";
            const int frameBytes = read.channels * ((read.bitsPerSample + 7) / 8);
            if (frameBytes <= 0 || read.rate <= 0)
                return "format chunk names no channels, bits or rate";
            read.frames = size / frameBytes;
            read.seconds = double(read.frames) / read.rate;
            read.peak = peakOfData(bytes, body, size, read.bitsPerSample);
            info = read;
            return {};
        }
        at = body + size + (size & 1); // chunks are padded to even length
    }
    return haveFormat ? "no data chunk" : "no format chunk";
}
