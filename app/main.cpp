#include "app/Startup.h"
#include "audio/GameAudio.h"

int main() {
#ifdef VELDRIN_NO_SKIP_KEY
    // game-noskip: the playlist moves on only when a module ends.
    skipTrackKey = false;
#endif
    return runGame();
}
