#pragma once

#include "board/Mahjong.h"

#include <cstdint>

// How many tiles of each face kind a full set holds, index face - 1: faces
// 1..27 and 36..42 four times, 28..35 (flowers and seasons) once. Sum 144.
extern const std::int32_t faceCounts[faceKinds];

// The face group: 28 for faces 28..31, 32 for faces 32..35, the face itself
// otherwise. Two tiles match exactly when their groups are equal.
std::int32_t matchGroup(std::int32_t face);
