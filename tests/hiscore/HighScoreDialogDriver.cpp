// Stands in for the end of a game run: seeds the game's generator, shows the
// high-score dialog for the score given, and says when the dialog has returned.
// Usage: highscore_dialog_driver SCORE SEED

#include "hiscore/HighScoreDialog.h"
#include "platform/GameRandom.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCORE SEED\n", argv[0]);
        return 2;
    }
    seedGameRandom(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    showHighScoreDialog(static_cast<std::int32_t>(std::strtol(argv[1], nullptr, 10)));
    std::puts("dialog closed");
    return 0;
}
