#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a check needs to know of a four-channel ProTracker module, read from its
// bytes without trusting any of them.
struct ModInfo {
    std::string signature;  // the four bytes at offset 1080, "M.K." for our modules
    int songLength = 0;     // entries of the order list that are played
    int patternCount = 0;   // patterns stored in the file
    double playSeconds = 0; // time from the first row to the end of the song
    bool jumpsBack = false; // a position jump or break leads back to an earlier order
};

// Reads a module. Returns an empty string and fills `info`, or a message saying
// why the bytes are not a complete four-channel module (then `info` is left as
// it was). The play time follows the speed and tempo settings (effect F), position
// jumps (B), pattern breaks (D) and pattern delays (EE) as a player does with
// looping off: the song ends after its last order, or at the first jump back.
std::string readModInfo(const std::vector<std::uint8_t>& bytes, ModInfo& info);

// Reads the whole file at `path` into `bytes`. Returns an empty string or a
// message naming the file.
std::string readBinaryFile(const std::string& path, std::vector<std::uint8_t>& bytes);
