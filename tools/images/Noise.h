#pragma once

#include <cstdint>

// Deterministic noise, so every build draws the same pictures.

// A pseudo-random value in [0, 1) for a lattice point.
float latticeValue(int x, int y, std::uint32_t seed);
// Smoothly interpolated lattice noise in [0, 1); one lattice cell per unit.
float valueNoise(float x, float y, std::uint32_t seed);
// Sum of octaves of value noise, each twice as fine and half as strong; in [0, 1).
float fractalNoise(float x, float y, int octaves, std::uint32_t seed);
