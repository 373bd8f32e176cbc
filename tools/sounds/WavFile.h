#pragma once

#include "tools/sounds/Synth.h"

#include <cstdint>
#include <string>
#include <vector>

// RIFF WAVE files of uncompressed PCM, as the effects are shipped.

// Writes the signal as 16-bit mono PCM at `rate` samples per second. Returns an
// empty string or a message naming the file.
std::string writeWavFile(const std::string& path, int rate, const Signal& signal);

struct WavInfo {
    int format = 0; // 1: PCM
    int channels = 0;
    int rate = 0; // samples per second
    int bitsPerSample = 0;
    std::size_t frames = 0; // samples per channel
    double seconds = 0;
    double peak = 0; // largest magnitude, 1.0 = full scale (8 and 16 bit)
};

// Reads the format and data chunks of a WAVE file. Returns an empty string and
// fills `info`, or a message saying what is missing or inconsistent (then `info`
// is left as it was).
std::string readWavInfo(const std::vector<std::uint8_t>& bytes, WavInfo& info);
