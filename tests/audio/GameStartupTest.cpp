#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace audiotest;
namespace fs = std::filesystem;

// The real game started in a scratch folder laid out like its working
// directory. DISPLAY is removed from its environment: a failure's message box
// then cannot open (and wait for a click), and standard error carries the
// "caption: text" line alone.

struct Outcome {
    int exitCode = -1;
    std::string errors; // standard error
};

Outcome runGame(const fs::path& folder, const std::optional<std::string>& audio) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeEnds[1], STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        if (audio)
            ::setenv("VELDRIN_AUDIO", audio->c_str(), 1);
        else
            ::unsetenv("VELDRIN_AUDIO");
        if (::chdir(folder.c_str()) == 0)
            ::execl(VELDRIN_GAME_PROGRAM, VELDRIN_GAME_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    Outcome outcome;
    // Read until the game closes its end; a game that never does is ended after
    // a minute so that a fault shows as a failure, not a hang.
    pollfd reader{pipeEnds[0], POLLIN, 0};
    char buffer[4096];
    while (::poll(&reader, 1, 60000) > 0) {
        const ssize_t length = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (length <= 0)
            break;
        outcome.errors.append(buffer, static_cast<std::size_t>(length));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

void writeConfig(const fs::path& folder, const std::vector<std::string>& playlist) {
    std::ofstream config(folder / "config.cfg");
    config << "RESOLUTION: 640 480 32\nMUSIC VOLUME: 64\nSFX VOLUME: 128\nBACKGROUND: 2\n"
           << "PLAYLIST: " << playlist.size() << "\n";
    for (const auto& entry : playlist)
        config << entry << "\n";
}

// The WAV files opened in the sound folder, in order.
std::vector<std::string> openedEffects(OpenWatch& watch) {
    std::vector<std::string> effects;
    for (const auto& name : watch.opened())
        if (name.size() > 4 && name.substr(name.size() - 4) == ".wav")
            effects.push_back(name);
    return effects;
}

const std::vector<std::string> effectNames = {"fanfare.wav", "min.wav",  "blip2.wav",
                                              "beep.wav",    "skid.wav", "metal_crunch.wav",
                                              "flip.wav",    "max.wav"};

constexpr const char* audioError = "Audio ERROR: Cannot init sound system..\n";
constexpr const char* musicError = "MUSIC ERROR: Nepodarilo se nahrat hudebni soubor.\n";
constexpr const char* soundError = "SOUND ERROR: Nepodarilo se nahrat zvukovy soubor.\n";

struct StartupCase {
    std::string name;
    std::optional<std::string> audio; // VELDRIN_AUDIO; "{out}" stands for a path in the folder
    std::vector<std::string> playlist;
    int missingEffect;   // -1: all eight present
    const char* message; // the audio message expected, or nullptr for none
    std::size_t effectsOpened;
};

TEST(GameStartup, AudioFailuresStopTheGameBeforeItsWindow) {
    const std::vector<StartupCase> cases = {
        {"a driver that cannot start",
         "wav:file={out}/no-such-folder/out.wav",
         {},
         -1,
         audioError,
         0},
        {"an unknown driver", "nonesuch", {}, -1, audioError, 0},
        {"a missing first playlist file",
         "nosound",
         {"sound\\gone.mod", "sound\\song.mod"},
         -1,
         musicError,
         0},
        {"a first entry that is not a module",
         "nosound",
         {"sound\\fanfare.wav"},
         -1,
         musicError,
         1},
        {"the first effect missing", "nosound", {"sound\\song.mod"}, 0, soundError, 0},
        {"a middle effect missing", "nosound", {}, 4, soundError, 4},
        {"the last effect missing", "nosound", {}, 7, soundError, 7},
        {"a missing later playlist file is not reported",
         "nosound",
         {"sound\\song.mod", "sound\\gone.mod"},
         -1,
         nullptr,
         8},
        {"an empty playlist", "nosound", {}, -1, nullptr, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        writeEffectFiles(folder.sound(), c.missingEffect);
        writeToneModule(folder.sound() / "song.mod", "song", 1);
        writeConfig(folder.path(), c.playlist);
        std::optional<std::string> audio = c.audio;
        if (audio) {
            const auto at = audio->find("{out}");
            if (at != std::string::npos)
                audio->replace(at, 5, folder.path().string());
        }
        OpenWatch watch(folder.sound());
        const Outcome outcome = runGame(folder.path(), audio);
        EXPECT_EQ(outcome.exitCode, 1);
        const std::vector<std::string> opened = openedEffects(watch);
        // Effects load in order and stop at the first that fails: no later
        // file is even opened.
        EXPECT_EQ(opened, std::vector<std::string>(effectNames.begin(),
                                                   effectNames.begin() + c.effectsOpened));
        if (c.message != nullptr) {
            // The message is the last line: nothing else, no window, follows.
            ASSERT_GE(outcome.errors.size(), std::string(c.message).size()) << outcome.errors;
            EXPECT_EQ(outcome.errors.substr(outcome.errors.size() - std::string(c.message).size()),
                      c.message);
        } else {
            // Past the audio start-up the window is next, which cannot open here.
            for (const char* message : {audioError, musicError, soundError})
                EXPECT_EQ(outcome.errors.find(message), std::string::npos) << outcome.errors;
            EXPECT_FALSE(outcome.errors.empty()) << "the window's failure is reported";
        }
    }
}

bool soundDevicePresent() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return fs::exists("/dev/snd") || fs::exists("/dev/dsp") ||
           (runtime != nullptr && fs::exists(fs::path(runtime) / "pulse" / "native")) ||
           std::getenv("PULSE_SERVER") != nullptr;
}

TEST(GameStartup, NoSoundDeviceStopsTheGame) {
    if (soundDevicePresent())
        GTEST_SKIP() << "this machine has a sound device";
    ScratchFolder folder;
    writeEffectFiles(folder.sound());
    writeConfig(folder.path(), {});
    const Outcome outcome = runGame(folder.path(), std::nullopt);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.errors.find(audioError), std::string::npos) << outcome.errors;
}

} // namespace
