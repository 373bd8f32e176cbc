#include "app/Settings.h"
#include "audio/AudioLayer.h"
#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <string>

namespace {

using namespace audiotest;

// Output levels measured in the disk writer's file. Music: a held tone
// module; effects: one long square wave. Each case runs the library afresh.
class VolumeLevels : public testing::Test {
  protected:
    void SetUp() override {
        writeToneModule(folder.sound() / "tone.mod", "tone", 2);
        writeSquareWav(folder.sound() / "long.wav", 3.0);
    }
    void TearDown() override { setPlaylist({}); }

    // RMS of the output while the music plays at `volume`.
    double musicLevel(int volume) {
        const auto out = folder.path() / ("music" + std::to_string(volume) + ".wav");
        EXPECT_TRUE(startDiskWriter(out));
        setMusicVolume(volume);
        setSfxVolume(128);
        setPlaylist({"sound\\tone.mod"});
        EXPECT_TRUE(loadFirstModule());
        Player_Start(currentModule);
        for (int i = 0; i < 8; ++i)
            updateMixer();
        exitSound();
        return levelOf(out);
    }

    // RMS of the output while one effect plays at `sfxVolume`, with full
    // volume passed to playSample.
    double effectLevel(int volume) {
        const auto out = folder.path() / ("sfx" + std::to_string(volume) + ".wav");
        EXPECT_TRUE(startDiskWriter(out));
        setMusicVolume(128);
        setSfxVolume(volume);
        SAMPLE* sample = Sample_Load((folder.sound() / "long.wav").c_str());
        EXPECT_NE(sample, nullptr);
        EXPECT_EQ(playSample(sample, 127, 256, 0), firstEffectVoice);
        for (int i = 0; i < 8; ++i)
            updateMixer();
        stopEffectVoices();
        Sample_Free(sample);
        exitSound();
        return levelOf(out);
    }

    // Skips the first update's stretch (the attack of the note) and measures
    // the next 1.1 s.
    static double levelOf(const std::filesystem::path& file) {
        const auto samples = readWavSamples(file);
        const auto stride = static_cast<std::size_t>(secondsPerUpdate * 44100 * 2);
        EXPECT_GE(samples.size(), 7 * stride) << file;
        return rmsLevel(samples, stride, 7 * stride);
    }

    ScratchFolder folder;
    WorkingDirectory inFolder{folder.path()};
};

struct VolumeCase {
    int volume;
    double share; // expected level as a share of the level at 128
};

// The low 8 bits are used and the scale ends at 128: 0 and 256 are silent,
// 129 to 255 play like 128.
const VolumeCase volumeCases[] = {{0, 0.0},   {32, 0.25}, {64, 0.5},  {128, 1.0},
                                  {129, 1.0}, {255, 1.0}, {256, 0.0}, {320, 0.5}};

TEST_F(VolumeLevels, MusicVolumeUsesTheLowEightBits) {
    const double full = musicLevel(128);
    ASSERT_GT(full, 1000.0) << "the tone module is heard";
    for (const auto& c : volumeCases)
        EXPECT_NEAR(musicLevel(c.volume) / full, c.share, 0.03) << "volume " << c.volume;
}

TEST_F(VolumeLevels, EffectVolumeUsesTheLowEightBits) {
    const double full = effectLevel(128);
    ASSERT_GT(full, 1000.0) << "the effect is heard";
    for (const auto& c : volumeCases)
        EXPECT_NEAR(effectLevel(c.volume) / full, c.share, 0.03) << "volume " << c.volume;
}

TEST_F(VolumeLevels, EffectVolumeArgumentScalesTheEffect) {
    // playEffect's volume, 0 to 255 from the game, is clamped to playSample's
    // 0 to 256. The effect files are short: their peaks are compared.
    const struct {
        int volume;
        double share; // of the peak at 256
    } cases[] = {{256, 1.0}, {128, 0.5}, {64, 0.25}, {0, 0.0}, {-5, 0.0}, {1000, 1.0}};
    writeEffectFiles(folder.sound());
    double reference = 0;
    for (const auto& c : cases) {
        const auto out = folder.path() / ("effect" + std::to_string(c.volume) + ".wav");
        ASSERT_TRUE(startDiskWriter(out));
        setSfxVolume(128);
        ASSERT_TRUE(loadSoundEffects());
        playEffect(SFX_BEEP, c.volume);
        updateMixer();
        freeSoundEffects();
        exitSound();
        const auto samples = readWavSamples(out);
        ASSERT_FALSE(samples.empty());
        const double peak = peakLevel(samples);
        if (reference == 0) {
            ASSERT_GT(peak, 1000.0) << "the effect is heard";
            reference = peak;
        }
        EXPECT_NEAR(peak / reference, c.share, 0.03) << "volume " << c.volume;
    }
}

} // namespace
