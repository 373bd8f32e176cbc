#pragma once

#include <cstdio>
#include <string>

// Data paths keep the Windows form ("tex\bang.bmp") in data files and in the
// code, so a configuration file reads the same on both systems. They are turned
// into the native form only at the moment a file is opened.
std::string nativePath(const char* dataPath);

// fopen of a data path in its native form.
std::FILE* openDataFile(const char* dataPath, const char* mode);
