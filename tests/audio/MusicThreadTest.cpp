#include "app/Settings.h"
#include "audio/AudioLayer.h"
#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using namespace audiotest;
namespace fs = std::filesystem;

// The music thread never ends, so each case runs in a forked child process of
// its own (the parent never starts the thread) and the parent checks what the
// child wrote.

// Waits, without asserting any time, until the disk writer's file has grown
// past `bytes` (the thread mixes without pacing); gives up after 20 s.
bool waitForOutput(const fs::path& file, std::uintmax_t bytes) {
    for (int i = 0; i < 2000; ++i) {
        std::error_code ec;
        if (fs::file_size(file, ec) > bytes && !ec)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

[[noreturn]] void finish(bool ok, const char* what) {
    std::fprintf(stderr, "%s: %s\n", what, ok ? "ok" : "failed");
    std::exit(ok ? 0 : 2);
}

void playEffectWithEmptyPlaylist(const fs::path& folder) {
    WorkingDirectory inFolder(folder);
    if (!startDiskWriter(folder / "out.wav"))
        finish(false, "start");
    setSfxVolume(128);
    setPlaylist({});
    if (!loadSoundEffects())
        finish(false, "effects");
    startMusic();
    updateMusic();
    if (currentModule != nullptr || playlistPosition != 0)
        finish(false, "empty playlist");
    playEffect(SFX_BEEP, 255);
    // Three seconds of output: the thread has run many updates on its own.
    if (!waitForOutput(folder / "out.wav", 3 * 44100 * 4))
        finish(false, "thread");
    freeSoundEffects();
    exitSound();
    const auto size = fs::file_size(folder / "out.wav");
    // The thread keeps running after exitSound; its updates do nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    finish(fs::file_size(folder / "out.wav") == size, "after exit");
}

TEST(MusicThreadDeathTest, RunsWithoutMusicAndMixesEffects) {
    ScratchFolder folder;
    writeEffectFiles(folder.sound());
    EXPECT_EXIT(playEffectWithEmptyPlaylist(folder.path()), testing::ExitedWithCode(0),
                "after exit: ok");
    const auto samples = readWavSamples(folder.path() / "out.wav");
    ASSERT_GT(samples.size(), 3u * 44100 * 2);
    // The effect (0.25 s) is heard somewhere (the thread may have mixed some
    // silence before it started) and silence follows it.
    const std::size_t window = 44100 * 2 / 10;
    double loudest = 0;
    for (std::size_t at = 0; at + window <= samples.size(); at += window / 2)
        loudest = std::max(loudest, rmsLevel(samples, at, at + window));
    EXPECT_GT(loudest, 1000.0);
    const std::vector<std::int16_t> lastSecond(samples.end() - 44100 * 2, samples.end());
    EXPECT_EQ(peakLevel(lastSecond), 0);
}

void playTwoModules(const fs::path& folder) {
    WorkingDirectory inFolder(folder);
    if (!startDiskWriter(folder / "out.wav"))
        finish(false, "start");
    setMusicVolume(128);
    setPlaylist({"sound\\first.mod", "sound\\second.mod"});
    if (!loadFirstModule())
        finish(false, "load");
    startMusic();
    // Frames as the game runs them, with the thread mixing on its own.
    std::string order = currentModule->songname;
    for (int i = 0; i < 10000 && order.size() < 80; ++i) {
        const MODULE* before = currentModule;
        updateMusic();
        if (currentModule != before)
            order += std::string(",") + (currentModule ? currentModule->songname : "-");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (order.find("first,second,first") != std::string::npos)
            finish(true, "order");
    }
    std::fprintf(stderr, "%s\n", order.c_str());
    finish(false, "order");
}

TEST(MusicThreadDeathTest, PlaylistAdvancesWhileTheThreadMixes) {
    ScratchFolder folder;
    writeToneModule(folder.sound() / "first.mod", "first", 1);
    writeToneModule(folder.sound() / "second.mod", "second", 1);
    EXPECT_EXIT(playTwoModules(folder.path()), testing::ExitedWithCode(0), "order: ok");
}

} // namespace
