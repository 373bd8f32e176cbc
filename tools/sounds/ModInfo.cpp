#include "tools/sounds/ModInfo.h"

#include "tools/sounds/ModWriter.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t sampleHeadersAt = 20;
constexpr std::size_t sampleHeaderBytes = 30;
constexpr std::size_t songLengthAt = 950;
constexpr std::size_t ordersAt = 952;
constexpr std::size_t signatureAt = 1080;
constexpr std::size_t patternsAt = 1084;
constexpr std::size_t patternBytes = modRows * modChannels * 4;

std::size_t wordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (std::size_t{bytes[at]} << 8) | bytes[at + 1];
}

// Player state while the song is walked row by row.
struct Walk {
    int speed = 6;   // ticks per row
    int tempo = 125; // beats per minute; a tick lasts 2.5 / tempo seconds
    double seconds = 0;
};

// Applies the effects of one row; returns where play goes next: the order and row,
// or order -1 to go on with the next row.
struct Jump {
    int order = -1;
    int row = 0;
};

Jump playRow(const std::uint8_t* row, int order, Walk& walk) {
    Jump jump;
    int delayRows = 0;
    for (int channel = 0; channel < modChannels; ++channel) {
        const std::uint8_t* cell = row + channel * 4;
        const int effect = cell[2] & 0x0F;
        const int param = cell[3];
        if (effect == 0xF && param != 0) {
            if (param < 32)
                walk.speed = param;
            else
                walk.tempo = param;
        } else if (effect == 0xB) {
            jump.order = param;
            jump.row = 0;
        } else if (effect == 0xD) {
            if (jump.order < 0)
                jump.order = order + 1;
            jump.row = std::min((param >> 4) * 10 + (param & 0x0F), modRows - 1);
        } else if (effect == 0xE && (param >> 4) == 0xE) {
            delayRows = param & 0x0F;
        }
    }
    walk.seconds += (1 + delayRows) * walk.speed * 2.5 / walk.tempo;
    return jump;
}

} // namespace

std::string readModInfo(const std::vector<std::uint8_t>& bytes, ModInfo& info) {
    if (bytes.size() < patternsAt)
        return "shorter than a module header (" + std::to_string(patternsAt) + " bytes)";
    ModInfo read;
    read.signature.assign(bytes.begin() + signatureAt, bytes.begin() + patternsAt);
    if (read.signature != "M.K." && read.signature != "M!K!" && read.signature != "4CHN")
        return "no four-channel signature at byte 1080";
    read.songLength = bytes[songLengthAt];
    if (read.songLength < 1 || read.songLength > modMaxOrders)
        return "song length outside 1 to 128";
    const std::uint8_t* orders = bytes.data() + ordersAt;
    read.patternCount = 1 + *std::max_element(orders, orders + modMaxOrders);
    std::size_t sampleBytes = 0;
    for (int i = 0; i < modSampleSlots; ++i)
        sampleBytes += 2 * wordAt(bytes, sampleHeadersAt + i * sampleHeaderBytes + 22);
    const std::size_t needed = patternsAt + read.patternCount * patternBytes + sampleBytes;
    if (bytes.size() < needed)
        return "file ends before its patterns and samples (" + std::to_string(bytes.size()) +
               " of " + std::to_string(needed) + " bytes)";

    // Each (order, row) is entered at most once: a song that comes back to a row it
    // has played would loop, and with looping off it ends there.
    std::vector<bool> visited(static_cast<std::size_t>(read.songLength) * modRows, false);
    Walk walk;
    int order = 0;
    int row = 0;
    while (order < read.songLength) {
        const std::size_t cellIndex = static_cast<std::size_t>(order) * modRows + row;
        if (visited[cellIndex])
            break;
        visited[cellIndex] = true;
        const std::uint8_t* rowBytes =
            bytes.data() + patternsAt + orders[order] * patternBytes + row * modChannels * 4;
        const Jump jump = playRow(rowBytes, order, walk);
        if (jump.order >= 0) {
            if (jump.order <= order && jump.order < read.songLength) {
                read.jumpsBack = true;
                break;
            }
            order = jump.order;
            row = jump.row;
        } else if (++row == modRows) {
            row = 0;
            ++order;
        }
    }
    read.playSeconds = walk.seconds;
    info = read;
    return {};
}

std::string readBinaryFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return path + ": cannot be opened";
    std::vector<std::uint8_t> read((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
    if (file.bad())
        return path + ": cannot be read";
    bytes = std::move(read);
    return {};
}
