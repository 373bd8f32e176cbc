#include "audio/AudioLayer.h"
#include "tools/sounds/ModWriter.h"

#include <benchmark/benchmark.h>
#include <mikmod.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

// How many seconds of sound the mixer makes per second of CPU time: the
// counter "music_seconds_per_cpu_second" of each case. The cases run side by
// side: the game's settings with music alone, with music and every effect
// voice busy, and a cheap mono 8-bit mix without interpolation for scale.

namespace {

namespace fs = std::filesystem;

// Four channels with a note on every row, at the default speed, looping.
ModModule busyModule() {
    ModModule module;
    module.title = "bench";
    ModSample sample;
    sample.name = "saw";
    for (int i = 0; i < 256; ++i)
        sample.data.push_back(static_cast<std::int8_t>((i % 64) * 3 - 96));
    sample.loopLength = 256;
    module.samples.push_back(sample);
    module.patterns.resize(1);
    for (int row = 0; row < modRows; ++row)
        for (int channel = 0; channel < modChannels; ++channel)
            module.patterns[0].at(row, channel) = {notePeriod((row * 5 + channel * 7) % 36), 1, 0,
                                                   0};
    module.orders = {0};
    return module;
}

// An effect sample for the busy-effects case, in a WAV file; looped when loaded.
void writeEffect(const fs::path& file) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    const std::uint32_t frames = 100000;
    const std::uint32_t header[] = {0x46464952, 36 + frames, 0x45564157, 0x20746d66,
                                    16,         0x00010001,  10000,      10000,
                                    0x00080001, 0x61746164,  frames};
    std::fwrite(header, sizeof header, 1, out);
    for (std::uint32_t i = 0; i < frames; ++i)
        std::fputc(i % 50 < 25 ? 0xC0 : 0x40, out);
    std::fclose(out);
}

struct MixSettings {
    bool stereo;
    bool sixteenBit;
    bool interpolation;
    bool effects;
};

void mixMusic(benchmark::State& state, MixSettings settings) {
    const fs::path folder =
        fs::temp_directory_path() / ("veldrin-mixbench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path moduleFile = folder / "bench.mod";
    const fs::path effectFile = folder / "effect.wav";
    writeModFile(busyModule(), moduleFile.string());
    writeEffect(effectFile);

    ::setenv("VELDRIN_AUDIO", "nosound", 1);
    if (!initSound(44100, settings.stereo, settings.sixteenBit, settings.interpolation, 8, 32,
                   16)) {
        state.SkipWithError("the silent driver did not start");
        return;
    }
    MODULE* module = Player_Load(moduleFile.c_str(), moduleVoices, 0);
    SAMPLE* effect = Sample_Load(effectFile.c_str());
    if (module == nullptr || effect == nullptr) {
        state.SkipWithError("the bench's module or effect did not load");
        exitSound();
        return;
    }
    // Both keep playing for as long as the benchmark runs.
    module->wrap = 1;
    effect->flags |= SF_LOOP;
    effect->loopstart = 0;
    effect->loopend = effect->length;
    Player_Start(module);
    if (settings.effects)
        for (int i = 0; i < effectVoiceCount; ++i)
            playSample(effect, 127, 256, 0);

    // The silent driver mixes 32768 bytes per update.
    const double bytesPerSecond =
        44100.0 * (settings.stereo ? 2 : 1) * (settings.sixteenBit ? 2 : 1);
    double mixedSeconds = 0;
    for (auto _ : state) {
        updateMixer();
        mixedSeconds += 32768.0 / bytesPerSecond;
    }
    state.counters["music_seconds_per_cpu_second"] =
        benchmark::Counter(mixedSeconds, benchmark::Counter::kIsRate);

    stopEffectVoices();
    Sample_Free(effect);
    Player_Free(module);
    exitSound();
    fs::remove_all(folder);
}

BENCHMARK_CAPTURE(mixMusic, game_settings, MixSettings{true, true, true, false});
BENCHMARK_CAPTURE(mixMusic, game_settings_all_effects, MixSettings{true, true, true, true});
BENCHMARK_CAPTURE(mixMusic, mono_8bit_plain, MixSettings{false, false, false, false});

} // namespace

BENCHMARK_MAIN();
