#pragma once

#include <cstdint>

// The game's one pseudo-random generator. It draws 15-bit numbers (0 to 32767)
// from one sequence: dealing seeds it with the tick count, and the high-score
// submission takes its draws from the same sequence.
constexpr int gameRandomMax = 32767;

void seedGameRandom(std::uint32_t seed);
int drawGameRandom();

// A number from 0 to limit - 1, every value equally likely: draws that fall in
// the incomplete last block of the 15-bit range are drawn again instead of being
// folded in by the modulo. limit must be between 1 and 32768.
int drawUniform(int limit);
