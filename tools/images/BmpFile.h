#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// The canvas as a 24-bit uncompressed Windows bitmap: the 14-byte file header,
// the 40-byte information header (biSizeImage filled in), then the rows bottom
// row first in blue-green-red order, each padded to a multiple of 4 bytes.
std::vector<std::uint8_t> encodeBmp(const Canvas& canvas);

// Writes encodeBmp(canvas) to path. On failure returns false and says why in error.
bool writeBmp(const std::string& path, const Canvas& canvas, std::string& error);
