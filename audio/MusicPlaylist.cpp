#include "audio/AudioLayer.h"

#include "app/Input.h"
#include "app/Settings.h"
#include "platform/DataPath.h"

#include <mikmod.h>

#include <mutex>
#include <thread>

bool skipTrackKey = true;
MODULE* currentModule = nullptr;
std::int32_t playlistPosition = 0;

namespace {
// Loads one playlist entry to play once from start to end: no restart at its
// end and no following of backward jumps in its order. Null when it does not
// load, or when the library is stopped (it cannot load then).
MODULE* loadModuleOnce(std::size_t entry) {
    if (!soundRunning() || entry >= playlist.size())
        return nullptr;
    MODULE* module = Player_Load(nativePath(playlist[entry].c_str()).c_str(), moduleVoices, 0);
    if (module != nullptr) {
        module->wrap = 0;
        module->loop = 0;
    }
    return module;
}

bool skipRequested() {
    return skipTrackKey && keys[skipKeyCode] != 0;
}
} // namespace

void freeCurrentModule() {
    if (currentModule != nullptr && soundRunning())
        Player_Free(currentModule);
    currentModule = nullptr;
}

bool loadFirstModule() {
    freeCurrentModule();
    playlistPosition = 0;
    currentModule = loadModuleOnce(0);
    return currentModule != nullptr;
}

void startPlaylistEntry(std::int32_t n) {
    freeCurrentModule();
    if (n < 0)
        return;
    currentModule = loadModuleOnce(static_cast<std::size_t>(n));
    if (currentModule != nullptr)
        Player_Start(currentModule);
}

void startMusic() {
    if (playlistCount != 0 && currentModule != nullptr)
        Player_Start(currentModule);
    // The thread also mixes the effects, so it runs with or without music. It
    // never ends, so one per process is all there ever is.
    static std::once_flag started;
    std::call_once(started, [] { std::thread(musicThread).detach(); });
}

void updateMusic() {
    if (playlistCount <= 0)
        return;
    if (Player_Active() && !skipRequested())
        return;
    if (skipTrackKey)
        keys[skipKeyCode] = 0;
    // Kept within the playlist, so the count never overflows however long the
    // game runs; it still names the entry that plays.
    playlistPosition = (playlistPosition + 1) % playlistCount;
    startPlaylistEntry(playlistPosition);
}
