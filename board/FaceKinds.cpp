#include "board/FaceKinds.h"

const std::int32_t faceCounts[faceKinds] = {
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4,
};

std::int32_t matchGroup(std::int32_t face) {
    if (face >= 28 && face <= 31)
        return 28;
    if (face >= 32 && face <= 35)
        return 32;
    return face;
}
