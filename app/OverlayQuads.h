#pragma once

#include <cstdint>

// Quads of the pixel overlay (origin top-left, y down). Corners go top-left,
// bottom-left, bottom-right, top-right: counter-clockwise on screen, so the
// culling of back faces keeps them.

// A textured quad with the picture upright: texture row 1 at the top edge.
void drawPictureQuad(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

// Binds a scene texture (0 background ... 4 help) and covers the whole window
// with it.
void drawFullScreenPicture(int sceneTextureSlot);

// A black panel at half opacity that darkens what lies under it. Expects
// blending on and texturing off; leaves the game's additive blending function
// (source alpha, one) in force and the colour at the panel's.
void drawShadedPanel(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
