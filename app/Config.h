#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The contents of config.cfg. A value that fails to read keeps its start value.
struct ConfigValues {
    std::int32_t width = 1280;
    std::int32_t height = 1024;
    std::int32_t bits = 16;
    std::int32_t musicVolume = 0;
    std::int32_t sfxVolume = 0;
    std::int32_t background = 0;
    std::vector<std::string> playlist;
};

// Reads the five header lines and the playlist entries with the formatted-input
// rules the file was written with: keywords match exactly, any run of white
// space (CR LF included) matches a blank, a number that fails to read keeps its
// start value and the next read goes on from the first unmatched character.
// Entries are white-space separated tokens of any length. The PLAYLIST count
// only bounds how many are read: a negative count reads none, and a count larger
// than the entries present yields just the entries present.
ConfigValues parseConfig(std::FILE* file);

// Reads "config.cfg" from the working directory into the settings and `window`.
// Returns false, changing nothing, when the file cannot be opened.
bool readConfigFile(const char* path = "config.cfg");
