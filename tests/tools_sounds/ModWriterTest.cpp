#include "tools/sounds/ModWriter.h"
#include "tools/sounds/ModInfo.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One looped sample, one pattern with a note, played twice.
ModModule smallModule() {
    ModModule module;
    module.title = "fixture";
    ModSample sample;
    sample.name = "square";
    for (int i = 0; i < 33; ++i)
        sample.data.push_back(static_cast<std::int8_t>(i % 16 < 8 ? 60 : -60));
    sample.volume = 48;
    sample.loopStart = 16;
    sample.loopLength = 16;
    module.samples.push_back(sample);
    module.patterns.resize(1);
    module.patterns[0].at(0, 0) = {notePeriod(12), 1, 0xC, 0x40};
    module.orders = {0, 0};
    return module;
}

std::size_t wordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (std::size_t{bytes[at]} << 8) | bytes[at + 1];
}

TEST(ModWriter, LaysOutHeaderPatternsAndSamples) {
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(encodeMod(smallModule(), bytes), "");
    ASSERT_EQ(bytes.size(), 1084u + 1024u + 34u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 7), "fixture");
    EXPECT_EQ(std::string(bytes.begin() + 1080, bytes.begin() + 1084), "M.K.");
    EXPECT_EQ(wordAt(bytes, 42), 17u);         // length in words, padded
    EXPECT_EQ(bytes[45], 48);                  // volume
    EXPECT_EQ(wordAt(bytes, 46), 8u);          // loop start in words
    EXPECT_EQ(wordAt(bytes, 48), 8u);          // loop length in words
    EXPECT_EQ(wordAt(bytes, 42 + 30 + 6), 1u); // empty slot: loop length 1
    EXPECT_EQ(bytes[950], 2);                  // song length
    // First cell: sample 1, period 428 (0x1AC), effect C40.
    EXPECT_EQ(bytes[1084], 0x01);
    EXPECT_EQ(bytes[1085], 0xAC);
    EXPECT_EQ(bytes[1086], 0x1C);
    EXPECT_EQ(bytes[1087], 0x40);
    EXPECT_EQ(bytes[1084 + 1024], 60); // sample data follows the patterns
    EXPECT_EQ(bytes.back(), 0);        // the padding byte
}

TEST(ModWriter, PeriodsCoverThreeOctaves) {
    const struct {
        int note;
        std::uint16_t period;
    } cases[] = {{-1, 0}, {0, 856}, {9, 508}, {12, 428}, {24, 214}, {35, 113}, {36, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(notePeriod(c.note), c.period) << "note " << c.note;
}

TEST(ModWriter, RefusesWhatTheFormatCannotHold) {
    const struct {
        const char* what;
        std::function<void(ModModule&)> spoil;
        const char* message;
    } cases[] = {
        {"long title", [](ModModule& m) { m.title = std::string(21, 'x'); }, "title"},
        {"loud sample", [](ModModule& m) { m.samples[0].volume = 65; }, "volume"},
        {"odd loop", [](ModModule& m) { m.samples[0].loopStart = 3; }, "even"},
        {"loop past end", [](ModModule& m) { m.samples[0].loopLength = 40; }, "past the end"},
        {"no orders", [](ModModule& m) { m.orders.clear(); }, "order list"},
        {"missing pattern", [](ModModule& m) { m.orders.push_back(1); }, "does not exist"},
        {"unplayed pattern", [](ModModule& m) { m.patterns.resize(2); }, "not in the order list"},
        {"unknown sample", [](ModModule& m) { m.patterns[0].at(1, 1).sample = 2; }, "sample 2"},
        {"wide period", [](ModModule& m) { m.patterns[0].at(1, 1).period = 0x1000; }, "period"},
        {"too many samples", [](ModModule& m) { m.samples.resize(32); }, "31"},
    };
    for (const auto& c : cases) {
        ModModule module = smallModule();
        c.spoil(module);
        std::vector<std::uint8_t> bytes{1, 2, 3};
        const std::string error = encodeMod(module, bytes);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(bytes.size(), 3u) << c.what << ": output changed on error";
    }
}

TEST(ModInfo, WalksTheSongLikeAPlayerWithLoopingOff) {
    const double row = 6 * 2.5 / 125; // seconds per row at speed 6, tempo 125
    const struct {
        const char* what;
        std::function<void(ModModule&)> change;
        double seconds;
        bool jumpsBack;
    } cases[] = {
        {"plain", [](ModModule&) {}, 128 * row, false},
        {"speed 3",
         [](ModModule& m) {
             m.patterns[0].at(0, 1) = {0, 0, 0xF, 3};
         },
         64 * row, false},
        {"tempo 250",
         [](ModModule& m) {
             m.patterns[0].at(0, 1) = {0, 0, 0xF, 250};
         },
         64 * row, false},
        {"break at row 16",
         [](ModModule& m) {
             m.patterns[0].at(15, 2) = {0, 0, 0xD, 0};
         },
         32 * row, false},
        {"break into row 10",
         [](ModModule& m) {
             m.patterns[0].at(63, 2) = {0, 0, 0xD, 0x10};
         },
         (64 + 54) * row, false},
        {"jump back",
         [](ModModule& m) {
             m.patterns[0].at(31, 3) = {0, 0, 0xB, 0};
         },
         32 * row, true},
        {"pattern delay",
         [](ModModule& m) {
             m.patterns[0].at(5, 3) = {0, 0, 0xE, 0xE2};
         },
         132 * row, false},
    };
    for (const auto& c : cases) {
        ModModule module = smallModule();
        c.change(module);
        std::vector<std::uint8_t> bytes;
        ASSERT_EQ(encodeMod(module, bytes), "") << c.what;
        ModInfo info;
        ASSERT_EQ(readModInfo(bytes, info), "") << c.what;
        EXPECT_EQ(info.signature, "M.K.") << c.what;
        EXPECT_EQ(info.songLength, 2) << c.what;
        EXPECT_EQ(info.patternCount, 1) << c.what;
        EXPECT_NEAR(info.playSeconds, c.seconds, 1e-9) << c.what;
        EXPECT_EQ(info.jumpsBack, c.jumpsBack) << c.what;
    }
}

TEST(ModInfo, RejectsDamagedFiles) {
    std::vector<std::uint8_t> good;
    ASSERT_EQ(encodeMod(smallModule(), good), "");
    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        const char* message;
    } cases[] = {
        {"empty", [](auto& b) { b.clear(); }, "shorter than a module header"},
        {"header cut", [](auto& b) { b.resize(1000); }, "shorter than a module header"},
        {"no signature", [](auto& b) { b[1080] = 'X'; }, "signature"},
        {"zero song length", [](auto& b) { b[950] = 0; }, "song length"},
        {"song length 200", [](auto& b) { b[950] = 200; }, "song length"},
        {"pattern cut", [](auto& b) { b.resize(1500); }, "file ends"},
        {"sample cut", [](auto& b) { b.pop_back(); }, "file ends"},
        {"order names missing pattern", [](auto& b) { b[952 + 100] = 63; }, "file ends"},
    };
    for (const auto& c : cases) {
        auto bytes = good;
        c.damage(bytes);
        ModInfo info;
        info.songLength = 99;
        const std::string error = readModInfo(bytes, info);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(info.songLength, 99) << c.what << ": info changed on error";
    }
}

TEST(ModInfo, NamesAMissingFile) {
    std::vector<std::uint8_t> bytes;
    EXPECT_NE(readBinaryFile("/nonexistent/x.mod", bytes).find("/nonexistent/x.mod"),
              std::string::npos);
}

} // namespace
