#include "tools/sounds/ModInfo.h"
#include "tools/sounds/WavFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The files the build writes into the ready-to-run folder, with what the game
// needs of each: effects play at the mixer's 10000 Hz voice rate, modules play
// once through with looping off and must last a minute or more.
enum class Kind { Effect, Module };

struct Expected {
    const char* file;
    Kind kind;
    double minSeconds;
    double maxSeconds;
};

const Expected generatedFiles[] = {
    {"fanfare.wav", Kind::Effect, 0.5, 4.0},  {"min.wav", Kind::Effect, 0.1, 2.0},
    {"blip2.wav", Kind::Effect, 0.02, 2.0},   {"beep.wav", Kind::Effect, 0.03, 2.0},
    {"skid.wav", Kind::Effect, 0.1, 2.0},     {"metal_crunch.wav", Kind::Effect, 0.1, 2.0},
    {"flip.wav", Kind::Effect, 0.03, 2.0},    {"max.wav", Kind::Effect, 0.1, 2.0},
    {"lotus.mod", Kind::Module, 60.0, 600.0}, {"bamboo.mod", Kind::Module, 60.0, 600.0},
    {"mist.mod", Kind::Module, 60.0, 600.0},
};

void checkEffect(const std::vector<std::uint8_t>& bytes, const Expected& expected) {
    WavInfo info;
    ASSERT_EQ(readWavInfo(bytes, info), "");
    EXPECT_EQ(info.format, 1) << "uncompressed PCM";
    EXPECT_EQ(info.channels, 1);
    EXPECT_TRUE(info.bitsPerSample == 8 || info.bitsPerSample == 16) << info.bitsPerSample;
    EXPECT_EQ(info.rate, 10000);
    EXPECT_GE(info.seconds, expected.minSeconds);
    EXPECT_LT(info.seconds, expected.maxSeconds);
    // Audible, and not clipped.
    EXPECT_GT(info.peak, 0.25);
    EXPECT_LT(info.peak, 0.99);
}

void checkModule(const std::vector<std::uint8_t>& bytes, const Expected& expected) {
    ModInfo info;
    ASSERT_EQ(readModInfo(bytes, info), "");
    EXPECT_EQ(info.signature, "M.K.");
    EXPECT_FALSE(info.jumpsBack);
    EXPECT_GE(info.playSeconds, expected.minSeconds);
    EXPECT_LT(info.playSeconds, expected.maxSeconds);
}

TEST(GeneratedSounds, EachFileIsThereWithTheRightFormatAndLength) {
    for (const auto& expected : generatedFiles) {
        SCOPED_TRACE(expected.file);
        std::vector<std::uint8_t> bytes;
        ASSERT_EQ(readBinaryFile(std::string(VELDRIN_SOUND_DIR) + "/" + expected.file, bytes), "");
        if (expected.kind == Kind::Effect)
            checkEffect(bytes, expected);
        else
            checkModule(bytes, expected);
    }
}

} // namespace
