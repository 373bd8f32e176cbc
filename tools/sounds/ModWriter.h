#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Writes four-channel ProTracker modules ("M.K." signature, 31 sample slots).
// A module is built in memory from samples, patterns and an order list and
// checked as a whole before a single byte is written.

constexpr int modRows = 64;                        // rows in every pattern
constexpr int modChannels = 4;                     // channels in every row
constexpr int modSampleSlots = 31;                 // sample numbers 1 to 31
constexpr int modMaxOrders = 128;                  // entries of the order list
constexpr int modMaxPatterns = 64;                 // patterns a four-channel "M.K." file may hold
constexpr std::size_t modMaxSampleLength = 131070; // bytes: the length field counts 16-bit words
constexpr int modNoteCount = 36;                   // C-1 to B-3
constexpr int modC2Note = 12;                      // note index of C-2, period 428

// One instrument: signed 8-bit PCM. Lengths and loop points are in samples
// (bytes); the file stores them in 16-bit words, so odd data is padded with one
// zero and loop points must be even.
struct ModSample {
    std::string name; // up to 22 characters
    std::vector<std::int8_t> data;
    int volume = 64;            // 0 to 64
    int finetune = 0;           // -8 to 7, in eighths of a semitone
    std::size_t loopStart = 0;  // first looped sample
    std::size_t loopLength = 0; // 0: plays once
};

// One cell of a pattern. period 0 means no new note; sample 0 keeps the
// channel's instrument; effect and param are the ProTracker effect nibble and
// its byte (0 and 0: no effect).
struct ModCell {
    std::uint16_t period = 0;
    std::uint8_t sample = 0;
    std::uint8_t effect = 0;
    std::uint8_t param = 0;
    bool operator==(const ModCell&) const = default;
};

struct ModPattern {
    std::array<std::array<ModCell, modChannels>, modRows> rows{};
    ModCell& at(int row, int channel) { return rows.at(row).at(channel); }
    const ModCell& at(int row, int channel) const { return rows.at(row).at(channel); }
};

struct ModModule {
    std::string title;              // up to 20 characters
    std::vector<ModSample> samples; // slot i holds sample number i + 1; at most 31
    std::vector<ModPattern> patterns;
    std::vector<std::uint8_t> orders; // pattern numbers, 1 to 128 entries
};

// ProTracker's period of a note at finetune 0: note 0 is C-1 (856), 12 is C-2
// (428), 35 is B-3 (113). Returns 0 for a note outside 0 to 35.
std::uint16_t notePeriod(int note);

// Encodes the module. Returns an empty string and fills `out` on success, or a
// message naming the first thing that does not fit the format (then `out` is
// left unchanged).
std::string encodeMod(const ModModule& module, std::vector<std::uint8_t>& out);

// Encodes and writes the module to `path`. Returns an empty string on success
// or a message naming the file and what went wrong.
std::string writeModFile(const ModModule& module, const std::string& path);
