#include "setup/SetupConfig.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct VolumeCase {
    const char* field;
    std::int32_t previous;
    std::int32_t expected;
};

TEST(SetupConfig, ReadsVolumeFieldsLikeTheDialog) {
    const VolumeCase cases[] = {
        {"32", 0, 32},    {"128", 0, 128}, {"-5", 7, 0},   // negative gives 0
        {"999", 0, 999},                                   // no upper limit
        {"1234", 0, 123},                                  // only 3 characters read
        {"abc", 0, 0},    {"abc", 55, 55},                 // no number keeps the last
        {"", 40, 40},     {"-", 40, 40},   {" 7", 0, 7},   // blanks are skipped
        {"12a", 0, 12},   {"+9", 0, 9},    {"-123", 9, 0}, // "-12" read, then 0
        {"   9", 3, 3},                                    // three blanks, no digit
    };
    for (const VolumeCase& c : cases)
        EXPECT_EQ(readVolumeField(c.field, c.previous), c.expected)
            << "field \"" << c.field << "\" previous " << c.previous;
}

TEST(SetupConfig, FormatsModeAndStatusLines) {
    EXPECT_EQ(modeLine({1280, 1024, 24}), "1280x1024 24bpp");
    EXPECT_EQ(modeLine({640, 480, 16}), "640x480 16bpp");
    EXPECT_EQ(statusLine({1024, 768, 32}, 32, 128), "(1024x768,32bpp) Music:32, Sound:128");
    EXPECT_EQ(statusLine({800, 600, 16}, 0, 999), "(800x600,16bpp) Music:0, Sound:999");
}

TEST(SetupConfig, BackgroundFromRadioButtonsLastCheckedWins) {
    struct Case {
        bool taviro, kalmis, off;
        std::int32_t expected;
    };
    const Case cases[] = {
        {true, false, false, 0},  {false, true, false, 1}, {false, false, true, 2},
        {false, false, false, 2}, // none checked
        {true, true, false, 1},   {true, false, true, 2},  {true, true, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(backgroundChoice(c.taviro, c.kalmis, c.off), c.expected)
            << c.taviro << c.kalmis << c.off;
}

TEST(SetupConfig, KeepsModesOfSixteenBitsOrMoreInOrderUnmerged) {
    std::vector<DisplayMode> enumerated = {
        {1280, 1024, 24}, {1280, 1024, 8},  {1024, 768, 15},
        {1024, 768, 16},  {1280, 1024, 24}, {640, 480, 32},
    };
    std::vector<DisplayMode> expected = {
        {1280, 1024, 24}, {1024, 768, 16}, {1280, 1024, 24}, {640, 480, 32}};
    EXPECT_EQ(keptModes(enumerated), expected);
    EXPECT_TRUE(keptModes({{800, 600, 8}}).empty());
}

TEST(SetupConfig, ConfigTextHasHeaderAndOneLinePerModule) {
    SetupConfig config{{1024, 768, 32}, 32, 128, 1, {"a.mod", "B.MOD", "B.MOD", "x y.mod"}};
    EXPECT_EQ(configText(config), "RESOLUTION: 1024 768 32\n"
                                  "MUSIC VOLUME: 32\n"
                                  "SFX VOLUME: 128\n"
                                  "BACKGROUND: 1\n"
                                  "PLAYLIST: 4\n"
                                  "sound\\a.mod\n"
                                  "sound\\B.MOD\n"
                                  "sound\\B.MOD\n"
                                  "sound\\x y.mod\n");
    config.modules.clear();
    EXPECT_EQ(configText(config), "RESOLUTION: 1024 768 32\nMUSIC VOLUME: 32\nSFX VOLUME: 128\n"
                                  "BACKGROUND: 1\nPLAYLIST: 0\n");
}

TEST(SetupConfig, WritesAndReplacesTheFile) {
    TempFolder folder;
    auto path = folder.path() / "config.cfg";
    {
        std::ofstream old(path);
        old << "an older, much longer configuration that must disappear completely\n";
    }
    SetupConfig config{{800, 600, 16}, 0, 0, 2, {"m.mod"}};
    ASSERT_TRUE(writeConfig(path, config));
    EXPECT_EQ(readWholeFile(path), configText(config));
}

TEST(SetupConfig, ReportsFilesThatCannotBeWritten) {
    TempFolder folder;
    SetupConfig config{{800, 600, 16}, 0, 0, 2, {}};
    // A folder in the file's place cannot be opened for writing, even by root.
    std::filesystem::create_directory(folder.path() / "config.cfg");
    EXPECT_FALSE(writeConfig(folder.path() / "config.cfg", config));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "config.cfg"));
    EXPECT_FALSE(writeConfig(folder.path() / "missing" / "config.cfg", config));
    // A full disk: the open succeeds, the data never lands. Reported, and the
    // device itself is left alone.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(writeConfig("/dev/full", config));
        EXPECT_TRUE(std::filesystem::exists("/dev/full"));
    }
}

TEST(SetupConfig, FindsModulesInAnyLetterCase) {
    TempFolder folder;
    for (const char* name :
         {"a.mod", "B.MOD", "c d.Mod", ".mod", "song.mOd", "x.wav", "mod", "y.mod.txt", "z.mo"})
        folder.touch(std::filesystem::path("sound") / name);
    std::filesystem::create_directory(folder.path() / "sound" / "folder.mod");

    std::vector<std::string> found = findModules(folder.path() / "sound");
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected = {".mod", "B.MOD", "a.mod", "c d.Mod", "song.mOd"};
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(findModules(folder.path() / "no such folder").empty());
}

} // namespace
