// The file the setup program writes, read back by the game's own reader. Only
// this test links both sides; the setup program links nothing of the game.

#include "app/Config.h"
#include "setup/SetupConfig.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct RoundTrip {
    const char* name;
    SetupConfig written;
    std::vector<std::string> playlistRead; // what the game's playlist holds afterwards
};

TEST(ConfigRoundTrip, GameReadsWhatSetupWrites) {
    const std::string longName = std::string(255, 'x') + ".MOD"; // 259 characters
    const RoundTrip cases[] = {
        {"defaults",
         {{1280, 1024, 24}, 32, 128, 0, {"a.mod", "B.MOD"}},
         {"sound\\a.mod", "sound\\B.MOD"}},
        {"empty playlist", {{640, 480, 16}, 0, 0, 2, {}}, {}},
        {"large volumes and KALMIS", {{1024, 768, 32}, 999, 300, 1, {"m.mod"}}, {"sound\\m.mod"}},
        {"module listed twice",
         {{800, 600, 16}, 5, 6, 2, {"b.mod", "b.mod"}},
         {"sound\\b.mod", "sound\\b.mod"}},
        {"259-character name", {{800, 600, 16}, 1, 2, 0, {longName}}, {"sound\\" + longName}},
        // The reader splits at white space and stops after PLAYLIST entries, so
        // a blank in a name leaves the entry's first half and shifts the rest.
        {"name with a blank",
         {{800, 600, 16}, 1, 2, 0, {"my song.mod", "z.mod"}},
         {"sound\\my", "song.mod"}},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        auto path = folder.path() / "config.cfg";
        ASSERT_TRUE(writeConfig(path, c.written));
        std::FILE* file = std::fopen(path.c_str(), "r");
        ASSERT_NE(file, nullptr);
        ConfigValues read = parseConfig(file);
        std::fclose(file);
        EXPECT_EQ(read.width, c.written.mode.width);
        EXPECT_EQ(read.height, c.written.mode.height);
        EXPECT_EQ(read.bits, c.written.mode.bits);
        EXPECT_EQ(read.musicVolume, c.written.musicVolume);
        EXPECT_EQ(read.sfxVolume, c.written.sfxVolume);
        EXPECT_EQ(read.background, c.written.background);
        EXPECT_EQ(read.playlist, c.playlistRead);
    }
}

} // namespace
