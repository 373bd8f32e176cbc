#include "tools/sounds/WavFile.h"
#include "tools/sounds/ModInfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

std::vector<std::uint8_t> writtenWav(const Signal& signal) {
    const std::string path = testing::TempDir() + "wavfile_test.wav";
    EXPECT_EQ(writeWavFile(path, 10000, signal), "");
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readBinaryFile(path, bytes), "");
    std::remove(path.c_str());
    return bytes;
}

TEST(WavFile, WritesMonoSixteenBitPcmThatReadsBack) {
    Signal signal(2500, 0.0f);
    signal[10] = 0.5f;
    signal[11] = -2.0f; // clamps to full scale
    const auto bytes = writtenWav(signal);
    ASSERT_EQ(bytes.size(), 44u + 5000u);
    WavInfo info;
    ASSERT_EQ(readWavInfo(bytes, info), "");
    EXPECT_EQ(info.format, 1);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.rate, 10000);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_EQ(info.frames, 2500u);
    EXPECT_DOUBLE_EQ(info.seconds, 0.25);
    EXPECT_DOUBLE_EQ(info.peak, 1.0);
}

TEST(WavFile, ReportsDamagedFiles) {
    const auto good = writtenWav(Signal(100, 0.25f));
    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        const char* message;
    } cases[] = {
        {"empty", [](auto& b) { b.clear(); }, "not a RIFF WAVE"},
        {"wrong magic", [](auto& b) { b[8] = 'X'; }, "not a RIFF WAVE"},
        {"data cut short", [](auto& b) { b.resize(100); }, "runs past the end"},
        {"format chunk renamed", [](auto& b) { b[12] = 'x'; }, "data chunk before the format"},
        {"no channels", [](auto& b) { b[22] = 0; }, "names no channels"},
        {"header only", [](auto& b) { b.resize(36); }, "no data chunk"},
        {"short format chunk", [](auto& b) { b[16] = 8; }, "shorter than 16"},
    };
    for (const auto& c : cases) {
        auto bytes = good;
        c.damage(bytes);
        WavInfo info;
        info.rate = 1234;
        const std::string error = readWavInfo(bytes, info);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(info.rate, 1234) << c.what << ": info changed on error";
    }
}

} // namespace
