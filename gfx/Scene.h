#pragma once

#include <cstdint>

// The five scene texture names: 0 background, 1 bang, 2 combo, 3 turbo, 4 help.
extern std::uint32_t sceneTextures[5];

// The fixed OpenGL state of the whole run and the scene textures. Called by the
// window once its context is current; always true (a missing picture ends the
// process in its loader).
bool initScene();
