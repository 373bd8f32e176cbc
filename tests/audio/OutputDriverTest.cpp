#include "audio/OutputDriver.h"
#include "audio/AudioLayer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(OutputDriver, SettingSplitsAtTheFirstColon) {
    const struct {
        const char* value;
        bool present;
        const char* alias;
        const char* options;
    } cases[] = {
        {nullptr, false, "", ""},
        {"", false, "", ""},
        {":file=x", false, "", ""},
        {"nosound", true, "nosound", ""},
        {"wav:file=/tmp/out.wav", true, "wav", "file=/tmp/out.wav"},
        {"wav:file=C:/a:b", true, "wav", "file=C:/a:b"},
        {"oss:", true, "oss", ""},
    };
    for (const auto& c : cases) {
        const auto setting = parseAudioDriverSetting(c.value);
        ASSERT_EQ(setting.has_value(), c.present) << (c.value ? c.value : "(null)");
        if (!setting)
            continue;
        EXPECT_EQ(setting->alias, c.alias);
        EXPECT_EQ(setting->options, c.options);
    }
}

TEST(OutputDriver, OssBufferHoldsTheBufferLength) {
    const struct {
        OutputFormat format;
        const char* options;
    } cases[] = {
        // 16/50 s of 44.1 kHz 16-bit stereo: 56448 bytes, 14 fragments of 4096.
        {{44100, true, true, 16}, "buffer=12,count=14"},
        // 42/50 s: 148176 bytes.
        {{44100, true, true, 42}, "buffer=12,count=37"},
        {{22500, false, false, 10}, "buffer=12,count=2"},  // 4500 bytes, rounded up
        {{8000, false, false, 1}, "buffer=12,count=2"},    // the driver's least
        {{65535, true, true, 255}, "buffer=12,count=255"}, // the driver's most
    };
    for (const auto& c : cases)
        EXPECT_EQ(ossBufferOptions(c.format), c.options) << c.format.bufferLength;
}

// Settings with which the library cannot start on any machine, and one that
// needs a sound device this machine may lack. Each ends in a defined failure.
TEST(OutputDriver, UnusableSettingsFailToStart) {
    const struct {
        const char* value;
        const char* note; // part of the note on standard error, or "" for none
    } cases[] = {
        {"nonesuch", "no output driver \"nonesuch\""},
        {":file=x", "names no driver"},
        {"wav:file=/nonexistent-folder/out.wav", ""},
    };
    for (const auto& c : cases) {
        ::setenv("VELDRIN_AUDIO", c.value, 1);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(initSound(44100, true, true, true, 8, 32, 16)) << c.value;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.note), std::string::npos) << c.value << ": " << err;
        EXPECT_FALSE(soundRunning());
        // Safe after a failed start, and twice.
        exitSound();
        exitSound();
        // The voice bookkeeping is set up whether or not the library started.
        EXPECT_EQ(effectVoiceCount, 32);
        EXPECT_EQ(firstEffectVoice, 8);
    }
    ::setenv("VELDRIN_AUDIO", "nosound", 1);
    EXPECT_TRUE(initSound(0, false, false, false, 100, 200, 0));
    EXPECT_EQ(effectVoiceCount, 64) << "effect voices are capped at 64";
    EXPECT_EQ(firstEffectVoice, 64) << "music voices are capped at 64";
    exitSound();
    exitSound();
}

} // namespace
