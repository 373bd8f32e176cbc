#pragma once

#include <string>

// Writes a layout of 144 plain tiles (all of layer 0 and 24 cells of layer 1)
// into the folder and returns its path.
std::string writeFlatLayout(const std::string& folder);
