#pragma once

#include <cstdint>

// Milliseconds of a monotonic clock as an unsigned 32-bit value; wraps after
// about 49 days like the tick count the game's timers were designed around, so
// every time difference is taken as an unsigned 32-bit subtraction.
std::uint32_t tickCount();

// Tests replace the clock to step time by hand; nullptr restores the real one.
using TickSource = std::uint32_t (*)();
void setTickSource(TickSource source);
