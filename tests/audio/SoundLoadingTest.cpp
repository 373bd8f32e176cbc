#include "app/Settings.h"
#include "audio/AudioLayer.h"
#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <string>
#include <vector>

namespace {

using namespace audiotest;

const char* const effectNames[] = {"fanfare.wav", "min.wav",          "blip2.wav", "beep.wav",
                                   "skid.wav",    "metal_crunch.wav", "flip.wav",  "max.wav"};

class SoundLoading : public testing::Test {
  protected:
    void SetUp() override {
        ::setenv("VELDRIN_AUDIO", "nosound", 1);
        ASSERT_TRUE(initSound(gameMixFrequency, true, true, true, gameMusicVoices, gameEffectVoices,
                              gameBufferLength));
    }
    void TearDown() override {
        exitSound();
        setPlaylist({});
    }

    ScratchFolder folder;
    WorkingDirectory inFolder{folder.path()};
};

TEST_F(SoundLoading, EffectsLoadInOrderAndStopAtTheFirstMissing) {
    for (int missing = -1; missing < soundEffectCount; ++missing) {
        SCOPED_TRACE("missing " + std::to_string(missing));
        ScratchFolder data;
        writeEffectFiles(data.sound(), missing);
        WorkingDirectory inData(data.path());
        OpenWatch watch(data.sound());
        EXPECT_EQ(loadSoundEffects(), missing < 0);
        const int loaded = missing < 0 ? soundEffectCount : missing;
        std::vector<std::string> expected(effectNames, effectNames + loaded);
        EXPECT_EQ(watch.opened(), expected) << "no file after the missing one is tried";
        for (int i = 0; i < soundEffectCount; ++i)
            EXPECT_EQ(effectSamples[i] != nullptr, i < loaded) << "effect " << i;
        freeSoundEffects();
        for (SAMPLE* sample : effectSamples)
            EXPECT_EQ(sample, nullptr);
    }
}

TEST_F(SoundLoading, EffectFilesAreTheGamesTable) {
    const char* const expected[] = {
        "sound\\fanfare.wav", "sound\\min.wav",          "sound\\blip2.wav", "sound\\beep.wav",
        "sound\\skid.wav",    "sound\\metal_crunch.wav", "sound\\flip.wav",  "sound\\max.wav"};
    for (int i = 0; i < soundEffectCount; ++i)
        EXPECT_STREQ(effectFiles[i], expected[i]);
    EXPECT_EQ(SFX_FANFARE, 0);
    EXPECT_EQ(SFX_MAX, 7);
}

TEST_F(SoundLoading, FreeingStopsEffectsThatStillPlay) {
    writeEffectFiles(folder.sound());
    ASSERT_TRUE(loadSoundEffects());
    for (int effect = 0; effect < soundEffectCount; ++effect)
        playEffect(effect, 255);
    updateMixer();
    // Quitting from the menu plays an effect just before the effects are
    // freed: this one has not been mixed at all yet.
    playEffect(SFX_METAL_CRUNCH, 255);
    freeSoundEffects();
    for (int voice = firstEffectVoice; voice < firstEffectVoice + soundEffectCount; ++voice)
        EXPECT_TRUE(Voice_Stopped(static_cast<SBYTE>(voice))) << voice;
    // Mixing on is safe: the mixer finds the freed samples' handles empty.
    for (int i = 0; i < 3; ++i)
        updateMixer();
    for (int voice = firstEffectVoice; voice <= firstEffectVoice + soundEffectCount; ++voice)
        EXPECT_TRUE(Voice_Stopped(static_cast<SBYTE>(voice))) << voice;
    playEffect(SFX_BEEP, 255); // a freed effect is null: nothing plays
    EXPECT_EQ(effectSlots[0], nullptr);
}

TEST_F(SoundLoading, EffectNumbersOutsideTheTablePlayNothing) {
    writeEffectFiles(folder.sound());
    ASSERT_TRUE(loadSoundEffects());
    for (int effect : {-1, soundEffectCount, 1000})
        playEffect(effect, 255);
    for (SAMPLE* slot : effectSlots)
        EXPECT_EQ(slot, nullptr);
    playEffect(SFX_MAX, 255);
    EXPECT_EQ(effectSlots[0], effectSamples[SFX_MAX]);
    freeSoundEffects();
}

TEST_F(SoundLoading, FirstModule) {
    writeToneModule(folder.sound() / "song.mod", "song", 1);
    std::FILE* text = std::fopen("sound/text.mod", "w");
    ASSERT_NE(text, nullptr);
    std::fputs("plain text, not a module", text);
    std::fclose(text);
    const struct {
        std::vector<std::string> entries;
        bool loads;
    } cases[] = {
        {{"sound\\song.mod"}, true},
        {{"sound\\song.mod", "sound\\gone.mod"}, true},
        {{"sound\\gone.mod", "sound\\song.mod"}, false},
        {{"sound\\text.mod"}, false},
        {{"sound\\"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries.front());
        setPlaylist(c.entries);
        EXPECT_EQ(loadFirstModule(), c.loads);
        EXPECT_EQ(currentModule != nullptr, c.loads);
        if (currentModule == nullptr)
            continue;
        EXPECT_FALSE(currentModule->wrap);
        EXPECT_FALSE(currentModule->loop);
        EXPECT_FALSE(Player_Active()) << "not started by loading";
    }
}

TEST_F(SoundLoading, NothingLoadsWhileTheLibraryIsStopped) {
    writeEffectFiles(folder.sound());
    writeToneModule(folder.sound() / "song.mod", "song", 1);
    setPlaylist({"sound\\song.mod"});
    ASSERT_TRUE(loadSoundEffects());
    ASSERT_TRUE(loadFirstModule());
    exitSound();
    EXPECT_EQ(currentModule, nullptr) << "released before the library stopped";
    for (SAMPLE* sample : effectSamples)
        EXPECT_EQ(sample, nullptr);
    EXPECT_FALSE(loadSoundEffects());
    EXPECT_FALSE(loadFirstModule());
    freeSoundEffects();
    updateMixer();
    updateMusic();
    startPlaylistEntry(0);
    EXPECT_EQ(currentModule, nullptr);
}

} // namespace
