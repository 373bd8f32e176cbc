#include "tools/sounds/ModWriter.h"

#include <algorithm>
#include <fstream>

namespace {

constexpr std::array<std::uint16_t, modNoteCount> periods = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453, // C-1 to B-1
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226, // C-2 to B-2
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113, // C-3 to B-3
};

constexpr std::size_t headerBytes = 1084; // title, sample headers, orders, signature
constexpr std::size_t patternBytes = modRows * modChannels * 4;

void putText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

void putWord(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

std::size_t paddedLength(const ModSample& sample) {
    return (sample.data.size() + 1) & ~std::size_t{1};
}

std::string checkSample(const ModSample& sample, std::size_t number) {
    const std::string which = "sample " + std::to_string(number) + ": ";
    if (sample.name.size() > 22)
        return which + "name longer than 22 characters";
    if (paddedLength(sample) > modMaxSampleLength)
        return which + "longer than " + std::to_string(modMaxSampleLength) + " bytes";
    if (sample.volume < 0 || sample.volume > 64)
        return which + "volume outside 0 to 64";
    if (sample.finetune < -8 || sample.finetune > 7)
        return which + "finetune outside -8 to 7";
    if (sample.loopLength == 0)
        return {};
    if (sample.loopStart % 2 != 0 || sample.loopLength % 2 != 0)
        return which + "loop start and length must be even";
    if (sample.loopLength < 2 || sample.loopStart + sample.loopLength > paddedLength(sample))
        return which + "loop reaches past the end of the data";
    return {};
}

std::string checkCell(const ModCell& cell, const ModModule& module) {
    if (cell.sample > module.samples.size())
        return "a cell names sample " + std::to_string(cell.sample) + ", which does not exist";
    if (cell.period > 0xFFF)
        return "a cell's period does not fit 12 bits";
    if (cell.effect > 0xF)
        return "a cell's effect does not fit 4 bits";
    return {};
}

std::string checkModule(const ModModule& module) {
    if (module.title.size() > 20)
        return "title longer than 20 characters";
    if (module.samples.size() > modSampleSlots)
        return "more than 31 samples";
    for (std::size_t i = 0; i < module.samples.size(); ++i)
        if (auto error = checkSample(module.samples[i], i + 1); !error.empty())
            return error;
    if (module.patterns.empty() || module.patterns.size() > modMaxPatterns)
        return "pattern count outside 1 to 64";
    if (module.orders.empty() || module.orders.size() > modMaxOrders)
        return "order list length outside 1 to 128";
    std::size_t highest = 0;
    for (auto order : module.orders) {
        if (order >= module.patterns.size())
            return "order list names pattern " + std::to_string(order) + ", which does not exist";
        highest = std::max<std::size_t>(highest, order);
    }
    // Players count the stored patterns from the highest entry of the order list.
    if (highest + 1 != module.patterns.size())
        return "pattern " + std::to_string(highest + 1) + " and later are not in the order list";
    for (const auto& pattern : module.patterns)
        for (const auto& row : pattern.rows)
            for (const auto& cell : row)
                if (auto error = checkCell(cell, module); !error.empty())
                    return error;
    return {};
}

void putSampleHeader(std::vector<std::uint8_t>& out, const ModSample* sample) {
    if (!sample) {
        putText(out, "", 22);
        putWord(out, 0);
        out.push_back(0);
        out.push_back(0);
        putWord(out, 0);
        putWord(out, 1); // a loop length of one word means "no loop"
        return;
    }
    putText(out, sample->name, 22);
    putWord(out, paddedLength(*sample) / 2);
    out.push_back(static_cast<std::uint8_t>(sample->finetune & 0x0F));
    out.push_back(static_cast<std::uint8_t>(sample->volume));
    putWord(out, sample->loopLength ? sample->loopStart / 2 : 0);
    putWord(out, sample->loopLength ? sample->loopLength / 2 : 1);
}

void putCell(std::vector<std::uint8_t>& out, const ModCell& cell) {
    out.push_back(static_cast<std::uint8_t>((cell.sample & 0xF0) | (cell.period >> 8)));
    out.push_back(static_cast<std::uint8_t>(cell.period & 0xFF));
    out.push_back(static_cast<std::uint8_t>(((cell.sample & 0x0F) << 4) | cell.effect));
    out.push_back(cell.param);
}

} // namespace

std::uint16_t notePeriod(int note) {
    return note >= 0 && note < modNoteCount ? periods[static_cast<std::size_t>(note)] : 0;
}

std::string encodeMod(const ModModule& module, std::vector<std::uint8_t>& out) {
    if (auto error = checkModule(module); !error.empty())
        return error;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(headerBytes + module.patterns.size() * patternBytes);
    putText(bytes, module.title, 20);
    for (std::size_t i = 0; i < modSampleSlots; ++i)
        putSampleHeader(bytes, i < module.samples.size() ? &module.samples[i] : nullptr);
    bytes.push_back(static_cast<std::uint8_t>(module.orders.size()));
    bytes.push_back(127); // restart byte: unused by players of this format
    for (std::size_t i = 0; i < modMaxOrders; ++i)
        bytes.push_back(i < module.orders.size() ? module.orders[i] : 0);
    putText(bytes, "M.K.", 4);
    for (const auto& pattern : module.patterns)
        for (const auto& row : pattern.rows)
            for (const auto& cell : row)
                putCell(bytes, cell);
    for (const auto& sample : module.samples) {
        for (auto value : sample.data)
            bytes.push_back(static_cast<std::uint8_t>(value));
        if (sample.data.size() % 2 != 0)
            bytes.push_back(0);
    }
    out = std::move(bytes);
    return {};
}

std::string writeModFile(const ModModule& module, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (auto error = encodeMod(module, bytes); !error.empty())
        return path + ": " + error;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return path + ": cannot be written";
    return {};
}
