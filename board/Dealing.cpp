#include "board/FaceKinds.h"
#include "board/Mahjong.h"
#include "platform/Clock.h"
#include "platform/GameRandom.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace {

// The faces still on the board: the full set less the faces of removed tiles
// (entries of covered cells carry no face of their own and are skipped).
int remainingFaces(const RemovedCell* removed, int removedCount,
                   std::int32_t (&remaining)[faceKinds]) {
    std::copy(std::begin(faceCounts), std::end(faceCounts), std::begin(remaining));
    for (int i = 0; i < removedCount; ++i) {
        const RemovedCell& entry = removed[i];
        if (entry.present && entry.face >= 1 && entry.face <= faceKinds &&
            remaining[entry.face - 1] > 0)
            --remaining[entry.face - 1];
    }
    return std::accumulate(std::begin(remaining), std::end(remaining), 0);
}

} // namespace

void Mahjong::deal() {
    std::int32_t remaining[faceKinds];
    int pool = remainingFaces(removed, removedCount, remaining);
    seedGameRandom(tickCount());
    // Layout file order: layer 0 to 4, row 7 down to 0, column 0 to 14.
    for (auto& layer : tiles)
        for (int row = boardRows - 1; row >= 0; --row)
            for (Tile& cell : layer[row]) {
                if (!cell.present)
                    continue;
                // More tiles than faces left cannot come from a checked layout;
                // rather than draw forever, a fresh full set serves the rest.
                if (pool == 0)
                    pool = remainingFaces(nullptr, 0, remaining);
                int face = drawUniform(faceKinds);
                while (remaining[face] == 0)
                    face = drawUniform(faceKinds);
                --remaining[face];
                --pool;
                cell.face = face + 1;
            }
}
