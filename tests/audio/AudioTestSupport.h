#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Fixtures of the audio tests: a scratch folder laid out like the game's
// working directory, small real modules and effects written into it, and the
// disk writer's output read back.

namespace audiotest {

// The parameters the game starts the mixer with.
constexpr std::uint16_t gameMixFrequency = 44100;
constexpr std::uint8_t gameMusicVoices = 8;
constexpr std::uint8_t gameEffectVoices = 32;
constexpr std::uint8_t gameBufferLength = 16;

// Sound the wav and nosound drivers mix per library update: 32768 bytes of
// 16-bit stereo at 44.1 kHz.
constexpr double secondsPerUpdate = 32768.0 / (44100.0 * 4.0);

// A folder under the system's temporary folder, with a "sound" folder in it,
// removed again with everything in it.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return root; }
    std::filesystem::path sound() const { return root / "sound"; }

  private:
    std::filesystem::path root;
};

// Makes the process work in a folder until destroyed (the game addresses its
// data relative to the working directory).
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::filesystem::path& folder);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    std::filesystem::path previous;
};

// A four-channel module titled `title`: a square tone held on channel 0 for
// `patterns` patterns of 64 rows at one tick per row (1.28 s each at the
// default tempo). With `jumpBack`, the last row of the last pattern jumps back
// to the first order.
void writeToneModule(const std::filesystem::path& file, const std::string& title, int patterns,
                     bool jumpBack = false);
// Play time of such a module played once, in seconds.
double toneModuleSeconds(int patterns);

// An 8-bit mono PCM WAV file of a full-scale square wave, `seconds` long at
// 10000 Hz.
void writeSquareWav(const std::filesystem::path& file, double seconds);
// The eight effect files of the game, each a short square wave; `skip` names
// one index that is not written (-1: all are written).
void writeEffectFiles(const std::filesystem::path& soundFolder, int skip = -1);

// The 16-bit samples of a PCM WAV file (all channels interleaved). Empty when
// the file is missing or not a 16-bit PCM WAV.
std::vector<std::int16_t> readWavSamples(const std::filesystem::path& file);
// Root mean square of samples [from, to) (clamped to the data).
double rmsLevel(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to);
int peakLevel(const std::vector<std::int16_t>& samples);

// Sets VELDRIN_AUDIO to the disk writer writing to `file` and starts the
// library with the game's parameters. True when it started.
bool startDiskWriter(const std::filesystem::path& file);

// Records which files of one folder are opened, by anyone, from its
// construction on (inotify).
class OpenWatch {
  public:
    explicit OpenWatch(const std::filesystem::path& folder);
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;
    // Names of the files opened so far, in order, each once.
    std::vector<std::string> opened();

  private:
    int fd = -1;
    std::vector<std::string> names;
};

// Sets the playlist globals.
void setPlaylist(const std::vector<std::string>& entries);

} // namespace audiotest
