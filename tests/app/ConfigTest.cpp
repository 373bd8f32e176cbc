#include "app/Config.h"
#include "app/GLWindow.h"
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
ConfigValues parseText(const std::string& text) {
    std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    EXPECT_NE(file, nullptr);
    ConfigValues values = parseConfig(file);
    std::fclose(file);
    return values;
}

std::string withCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

const std::string setupFile = "RESOLUTION: 1024 768 32\nMUSIC VOLUME: 32\nSFX VOLUME: 128\n"
                              "BACKGROUND: 1\nPLAYLIST: 2\nsound\\lotus.mod\nsound\\mist.mod\n";
const std::string longName(259, 'x');
const std::string veryLongName(5000, 'y');

struct ConfigCase {
    const char* name;
    std::string text;
    ConfigValues expected;
};

ConfigValues values(int w, int h, int bits, int music, int sfx, int background,
                    std::vector<std::string> playlist) {
    ConfigValues v;
    v.width = w;
    v.height = h;
    v.bits = bits;
    v.musicVolume = music;
    v.sfxVolume = sfx;
    v.background = background;
    v.playlist = std::move(playlist);
    return v;
}

const ConfigValues startValues = values(1280, 1024, 16, 0, 0, 0, {});

std::vector<ConfigCase> configCases() {
    return {
        {"the file setup writes", setupFile,
         values(1024, 768, 32, 32, 128, 1, {"sound\\lotus.mod", "sound\\mist.mod"})},
        {"the same file with CR LF line ends", withCrLf(setupFile),
         values(1024, 768, 32, 32, 128, 1, {"sound\\lotus.mod", "sound\\mist.mod"})},
        {"an empty playlist",
         "RESOLUTION: 800 600 16\nMUSIC VOLUME: 0\nSFX VOLUME: 5\nBACKGROUND: 2\nPLAYLIST: 0\n",
         values(800, 600, 16, 0, 5, 2, {})},
        {"an empty file keeps every start value", "", startValues},
        {"a garbled first line stops every later read",
         "RESOLUTION: wide 768 32\nMUSIC VOLUME: 9\n", startValues},
        {"a garbled volume keeps its start value and what follows",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: loud\nSFX VOLUME: 7\n",
         values(640, 480, 16, 0, 0, 0, {})},
        {"a keyword in the wrong case does not match", "resolution: 640 480 16\nMUSIC VOLUME: 9\n",
         startValues},
        {"volumes above 255 are kept as written",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 300\nSFX VOLUME: 256\nBACKGROUND: 0\nPLAYLIST: 0\n",
         values(640, 480, 16, 300, 256, 0, {})},
        {"a 265-character entry",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: "
         "1\nsound\\" +
             longName + "\n",
         values(640, 480, 16, 1, 1, 0, {"sound\\" + longName})},
        {"an entry far longer than 265 characters is read whole",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: 1\n" +
             veryLongName + "\n",
         values(640, 480, 16, 1, 1, 0, {veryLongName})},
        {"an entry with a blank splits into two",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: 2\n"
         "sound\\my song.mod\n",
         values(640, 480, 16, 1, 1, 0, {"sound\\my", "song.mod"})},
        {"fewer entries than the count leave no empty entries",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: 5\n"
         "sound\\a.mod\n",
         values(640, 480, 16, 1, 1, 0, {"sound\\a.mod"})},
        {"a huge count reads only what is there",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: "
         "2000000000\n"
         "sound\\a.mod sound\\b.mod",
         values(640, 480, 16, 1, 1, 0, {"sound\\a.mod", "sound\\b.mod"})},
        {"a negative count reads no entry",
         "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 0\nPLAYLIST: -3\n"
         "sound\\a.mod\n",
         values(640, 480, 16, 1, 1, 0, {})},
        {"negative numbers are stored as written",
         "RESOLUTION: -640 480 16\nMUSIC VOLUME: -1\nSFX VOLUME: -2\nBACKGROUND: 7\nPLAYLIST: 0\n",
         values(-640, 480, 16, -1, -2, 7, {})},
    };
}
} // namespace

TEST(ConfigReader, ReadsEachFileAsWritten) {
    for (const ConfigCase& c : configCases()) {
        SCOPED_TRACE(c.name);
        ConfigValues v = parseText(c.text);
        EXPECT_EQ(v.width, c.expected.width);
        EXPECT_EQ(v.height, c.expected.height);
        EXPECT_EQ(v.bits, c.expected.bits);
        EXPECT_EQ(v.musicVolume, c.expected.musicVolume);
        EXPECT_EQ(v.sfxVolume, c.expected.sfxVolume);
        EXPECT_EQ(v.background, c.expected.background);
        EXPECT_EQ(v.playlist, c.expected.playlist);
    }
}

TEST(ConfigReader, FillsTheSettingsAndTheWindowMode) {
    auto path = std::filesystem::temp_directory_path() / "veldrin-config-test.cfg";
    std::ofstream(path) << setupFile;
    ASSERT_TRUE(readConfigFile(path.c_str()));
    EXPECT_EQ(window.width, 1024);
    EXPECT_EQ(window.height, 768);
    EXPECT_EQ(window.bits, 32);
    EXPECT_EQ(musicVolume, 32);
    EXPECT_EQ(sfxVolume, 128);
    EXPECT_EQ(background, 1);
    EXPECT_TRUE(backgroundOn);
    EXPECT_EQ(playlistCount, 2);
    ASSERT_EQ(playlist.size(), 2u);
    EXPECT_EQ(playlist[1], "sound\\mist.mod");

    std::ofstream(path) << "RESOLUTION: 640 480 16\nMUSIC VOLUME: 1\nSFX VOLUME: 1\nBACKGROUND: 2\n"
                           "PLAYLIST: 0\n";
    ASSERT_TRUE(readConfigFile(path.c_str()));
    EXPECT_FALSE(backgroundOn);
    EXPECT_EQ(playlistCount, 0);
    EXPECT_TRUE(playlist.empty());
    std::filesystem::remove(path);
}

TEST(ConfigReader, MissingFileChangesNothing) {
    window.width = 1280;
    musicVolume = 12;
    EXPECT_FALSE(readConfigFile("/nonexistent/veldrin/config.cfg"));
    EXPECT_EQ(window.width, 1280);
    EXPECT_EQ(musicVolume, 12);
}
