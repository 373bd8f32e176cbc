#include "audio/AudioLayer.h"
#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace audiotest;

// The library runs on the silent driver; nothing is mixed unless a step asks
// for it, so every effect keeps playing until it is cut off or stopped.
class EffectSlots : public testing::Test {
  protected:
    void SetUp() override {
        writeSquareWav(folder.sound() / "long.wav", 5.0);
        writeSquareWav(folder.sound() / "short.wav", 0.05);
        ::setenv("VELDRIN_AUDIO", "nosound", 1);
        ASSERT_TRUE(initSound(gameMixFrequency, true, true, true, gameMusicVoices, gameEffectVoices,
                              gameBufferLength));
        longSample = Sample_Load((folder.sound() / "long.wav").c_str());
        shortSample = Sample_Load((folder.sound() / "short.wav").c_str());
        ASSERT_NE(longSample, nullptr);
        ASSERT_NE(shortSample, nullptr);
    }
    void TearDown() override {
        stopEffectVoices();
        Sample_Free(longSample);
        Sample_Free(shortSample);
        exitSound();
    }

    ScratchFolder folder;
    SAMPLE* longSample = nullptr;
    SAMPLE* shortSample = nullptr;
};

enum class Step { PlayLong, PlayShort, PlayNull, Mix, StopVoice, MixUntilShortEnds };

struct Action {
    Step step;
    int times = 1;       // repeat count for Play steps
    int voice = 0;       // for StopVoice
    int expectVoice = 0; // voice the last play answered
    int expectNext = 0;  // nextEffectSlot afterwards
};

struct SlotScenario {
    std::string name;
    std::vector<Action> actions;
};

TEST_F(EffectSlots, TakeTheFirstFreeSlotOrRotate) {
    const std::vector<SlotScenario> scenarios = {
        {"a null sample answers -1 and changes nothing",
         {{Step::PlayNull, 1, 0, -1, 0}, {Step::PlayLong, 1, 0, 8, 0}}},
        {"effects take slots from the lowest up, voices from 8",
         {{Step::PlayLong, 1, 0, 8, 0},
          {Step::PlayLong, 1, 0, 9, 0},
          {Step::PlayLong, 30, 0, 39, 0}}},
        {"the 33rd overlapping effect cuts slot nextEffectSlot off and moves it on",
         {{Step::PlayLong, 32, 0, 39, 0},
          {Step::PlayLong, 1, 0, 8, 1},
          {Step::PlayLong, 1, 0, 9, 2},
          {Step::PlayLong, 30, 0, 39, 0},
          {Step::PlayLong, 1, 0, 8, 1}}},
        {"a stopped voice frees its slot and leaves nextEffectSlot alone",
         {{Step::PlayLong, 33, 0, 8, 1},
          {Step::Mix, 1, 0, 0, 1},
          {Step::StopVoice, 1, 20, 0, 1},
          {Step::PlayLong, 1, 0, 20, 1},
          {Step::PlayLong, 1, 0, 9, 2}}},
        {"an effect started since the last update is busy although not mixed yet",
         {{Step::PlayLong, 1, 0, 8, 0},
          {Step::PlayLong, 1, 0, 9, 0},
          {Step::Mix, 1, 0, 0, 0},
          {Step::PlayLong, 1, 0, 10, 0}}},
        {"a voice that played to its end frees its slot",
         {{Step::PlayShort, 1, 0, 8, 0},
          {Step::PlayLong, 31, 0, 39, 0},
          {Step::MixUntilShortEnds, 1, 8, 0, 0},
          {Step::PlayLong, 1, 0, 8, 0}}},
    };
    for (const auto& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        stopEffectVoices();
        nextEffectSlot = 0;
        for (const auto& action : scenario.actions) {
            int voice = -2;
            switch (action.step) {
            case Step::PlayLong:
            case Step::PlayShort:
                for (int i = 0; i < action.times; ++i)
                    voice = playSample(action.step == Step::PlayLong ? longSample : shortSample,
                                       127, 256, 0);
                EXPECT_EQ(voice, action.expectVoice);
                EXPECT_EQ(effectSlots[voice - firstEffectVoice],
                          action.step == Step::PlayLong ? longSample : shortSample);
                break;
            case Step::PlayNull:
                EXPECT_EQ(playSample(nullptr, 127, 256, 0), -1);
                for (SAMPLE* slot : effectSlots)
                    EXPECT_EQ(slot, nullptr);
                break;
            case Step::Mix:
                updateMixer();
                break;
            case Step::StopVoice:
                Voice_Stop(static_cast<SBYTE>(action.voice));
                break;
            case Step::MixUntilShortEnds:
                // A voice reads as stopped until first mixed: mix at least once.
                for (int i = 0; i < 20; ++i) {
                    updateMixer();
                    if (Voice_Stopped(static_cast<SBYTE>(action.voice)))
                        break;
                }
                ASSERT_TRUE(Voice_Stopped(static_cast<SBYTE>(action.voice)));
                ASSERT_FALSE(Voice_Stopped(static_cast<SBYTE>(action.voice + 1)));
                break;
            }
            EXPECT_EQ(nextEffectSlot, action.expectNext);
        }
    }
}

TEST_F(EffectSlots, FrequencyIsSetOnlyWhenGiven) {
    const struct {
        std::uint32_t frequency;
        ULONG expected; // the software mixer starts every voice at 10000 Hz
    } cases[] = {{0, 10000}, {22050, 22050}, {0, 22050}, {8000, 8000}};
    // All on one voice: slot 0 is mixed once, then stopped, before each play.
    for (const auto& c : cases) {
        updateMixer();
        Voice_Stop(firstEffectVoice);
        const int voice = playSample(longSample, 127, 256, c.frequency);
        ASSERT_EQ(voice, firstEffectVoice);
        EXPECT_EQ(Voice_GetFrequency(static_cast<SBYTE>(voice)), c.expected) << c.frequency;
    }
}

TEST_F(EffectSlots, PanningIsSetOnTheVoice) {
    for (std::uint16_t pan : {0, 127, 255}) {
        const int voice = playSample(longSample, pan, 256, 0);
        EXPECT_EQ(Voice_GetPanning(static_cast<SBYTE>(voice)), pan);
    }
}

TEST(EffectSlotsWithoutVoices, NoEffectVoicesAnswerMinusOne) {
    ScratchFolder folder;
    writeSquareWav(folder.sound() / "a.wav", 0.1);
    ::setenv("VELDRIN_AUDIO", "nosound", 1);
    ASSERT_TRUE(initSound(gameMixFrequency, true, true, true, gameMusicVoices, 0, 16));
    SAMPLE* sample = Sample_Load((folder.sound() / "a.wav").c_str());
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(playSample(sample, 127, 256, 0), -1);
    EXPECT_EQ(nextEffectSlot, 0);
    Sample_Free(sample);
    exitSound();
    EXPECT_EQ(playSample(sample, 127, 256, 0), -1) << "a stopped library plays nothing";
}

} // namespace
