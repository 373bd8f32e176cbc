// The board's per-frame and per-click work, on the classic layout at the
// default 1280 x 1024 view. The open-move count runs once or twice a frame and
// a click once per press; the deal once per game or re-deal.

#include "board/Mahjong.h"

#include <benchmark/benchmark.h>

namespace {

const char* const classicLayout = VELDRIN_LAYOUT_DIR "/classic.tab";

// Clicks spread over the window, so hits, misses and all five layers are paid for.
void clickAt(benchmark::State& state) {
    Mahjong board(classicLayout, 14.0f, 12.0f, 35.0f);
    board.deal();
    int step = 0;
    for (auto _ : state) {
        const float x = static_cast<float>((step * 97) % 1280);
        const float y = static_cast<float>((step * 61) % 1024);
        benchmark::DoNotOptimize(board.clickAt(x, y));
        // Undo any pair so that the board stays full.
        if (board.removedCount > 0) {
            board.restoreLastTile();
            board.restoreLastTile();
        }
        ++step;
    }
}
BENCHMARK(clickAt);

void countOpenMoves(benchmark::State& state) {
    Mahjong board(classicLayout, 14.0f, 12.0f, 35.0f);
    board.deal();
    for (auto _ : state)
        benchmark::DoNotOptimize(board.countOpenMoves());
}
BENCHMARK(countOpenMoves);

void deal(benchmark::State& state) {
    Mahjong board(classicLayout, 14.0f, 12.0f, 35.0f);
    for (auto _ : state) {
        board.deal();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(deal);

} // namespace

BENCHMARK_MAIN();
