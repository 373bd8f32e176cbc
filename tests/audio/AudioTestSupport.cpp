#include "tests/audio/AudioTestSupport.h"

#include "app/Settings.h"
#include "audio/GameAudio.h"
#include "tools/sounds/ModWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include <sys/inotify.h>
#include <unistd.h>

namespace audiotest {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "veldrin-audio-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    root = pattern;
    fs::create_directory(sound());
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

WorkingDirectory::WorkingDirectory(const fs::path& folder) : previous(fs::current_path()) {
    fs::current_path(folder);
}

WorkingDirectory::~WorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
}

namespace {
constexpr double secondsPerRow = 0.02; // one tick per row at 125 BPM

ModSample squareSample() {
    ModSample sample;
    sample.name = "square";
    for (int i = 0; i < 64; ++i)
        sample.data.push_back(static_cast<std::int8_t>(i % 32 < 16 ? 100 : -100));
    sample.loopStart = 0;
    sample.loopLength = 64;
    return sample;
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t littleEndian(const std::vector<char>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}
} // namespace

void writeToneModule(const fs::path& file, const std::string& title, int patterns, bool jumpBack) {
    ModModule module;
    module.title = title;
    module.samples.push_back(squareSample());
    module.patterns.resize(patterns);
    for (int p = 0; p < patterns; ++p) {
        module.patterns[p].at(0, 0) = {notePeriod(12), 1, 0xF, 0x01}; // speed 1
        module.orders.push_back(static_cast<std::uint8_t>(p));
    }
    if (jumpBack)
        module.patterns[patterns - 1].at(modRows - 1, 1) = {0, 0, 0xB, 0x00};
    const std::string error = writeModFile(module, file.string());
    ASSERT_EQ(error, "");
}

double toneModuleSeconds(int patterns) {
    return patterns * modRows * secondsPerRow;
}

void writeSquareWav(const fs::path& file, double seconds) {
    constexpr std::uint32_t rate = 10000;
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + frames, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, rate, 4);
    putLittleEndian(out, rate, 4); // bytes per second
    putLittleEndian(out, 1, 2);    // block align
    putLittleEndian(out, 8, 2);    // bits
    out.write("data", 4);
    putLittleEndian(out, frames, 4);
    for (std::uint32_t i = 0; i < frames; ++i)
        out.put(static_cast<char>(i % 40 < 20 ? 0xF0 : 0x10)); // unsigned 8-bit
}

void writeEffectFiles(const fs::path& soundFolder, int skip) {
    static const char* const names[] = {"fanfare.wav", "min.wav",          "blip2.wav", "beep.wav",
                                        "skid.wav",    "metal_crunch.wav", "flip.wav",  "max.wav"};
    for (int i = 0; i < 8; ++i)
        if (i != skip)
            writeSquareWav(soundFolder / names[i], 0.25);
}

std::vector<std::int16_t> readWavSamples(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return samples;
    std::size_t at = 12;
    int bits = 0;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && body + 16 <= bytes.size())
            bits = static_cast<int>(littleEndian(bytes, body + 14, 2));
        if (std::memcmp(bytes.data() + at, "data", 4) == 0 && bits == 16) {
            // The writer patches the size on close; trust the bytes present.
            const std::size_t end = std::min(bytes.size(), body + std::size_t{size});
            for (std::size_t i = body; i + 1 < end; i += 2)
                samples.push_back(static_cast<std::int16_t>(littleEndian(bytes, i, 2)));
            return samples;
        }
        at = body + size + (size & 1);
    }
    return samples;
}

double rmsLevel(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    to = std::min(to, samples.size());
    if (from >= to)
        return 0;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

int peakLevel(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(int{s}));
    return peak;
}

bool startDiskWriter(const fs::path& file) {
    const std::string setting = "wav:file=" + file.string();
    ::setenv("VELDRIN_AUDIO", setting.c_str(), 1);
    return initSound(gameMixFrequency, true, true, true, gameMusicVoices, gameEffectVoices,
                     gameBufferLength);
}

OpenWatch::OpenWatch(const fs::path& folder) : fd(::inotify_init1(IN_NONBLOCK)) {
    if (fd < 0 || ::inotify_add_watch(fd, folder.c_str(), IN_OPEN) < 0)
        throw std::runtime_error("cannot watch " + folder.string());
}

OpenWatch::~OpenWatch() {
    ::close(fd);
}

std::vector<std::string> OpenWatch::opened() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string name = event->len > 0 ? event->name : "";
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}

void setPlaylist(const std::vector<std::string>& entries) {
    playlist = entries;
    playlistCount = static_cast<std::int32_t>(entries.size());
}

} // namespace audiotest
