#pragma once

#include <cstdint>

extern std::int32_t highScore; // best score of this run; never written to disk
