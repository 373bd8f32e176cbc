#include "platform/GameRandom.h"

namespace {
// Linear congruential generator with the classic C runtime constants; the top
// 15 bits of the state are the output, the low bits being the weak ones.
std::uint32_t state = 1;
} // namespace

void seedGameRandom(std::uint32_t seed) { state = seed; }

int drawGameRandom() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

int drawUniform(int limit) {
    const int range = gameRandomMax + 1;
    const int usable = range - range % limit;
    int value = drawGameRandom();
    while (value >= usable)
        value = drawGameRandom();
    return value % limit;
}
