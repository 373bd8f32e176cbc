#include "app/Input.h"
#include "app/Settings.h"
#include "audio/AudioLayer.h"
#include "tests/audio/AudioTestSupport.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace audiotest;

// The game's working directory in a scratch folder, two short modules "first"
// (one pattern) and "second" (two patterns) in its sound folder, and the
// library writing what it plays to out.wav. A frame is one mixer update (as the
// music thread does) followed by the frame's music step.
class Playlist : public testing::Test {
  protected:
    void SetUp() override {
        writeToneModule(folder.sound() / "first.mod", "first", 1);
        writeToneModule(folder.sound() / "second.mod", "second", 2);
        writeToneModule(folder.sound() / "jumper.mod", "jumper", 2, true);
        ASSERT_TRUE(startDiskWriter(folder.path() / "out.wav"));
        skipTrackKey = true;
        keys[skipKeyCode] = 0;
    }
    void TearDown() override {
        exitSound();
        setPlaylist({});
        skipTrackKey = true;
        keys[skipKeyCode] = 0;
    }

    // Loads entry 0 and starts it, as start-up and the first frame do.
    void startFirstEntry() {
        ASSERT_TRUE(loadFirstModule());
        EXPECT_FALSE(Player_Active()) << "loading does not start the module";
        Player_Start(currentModule);
    }

    static std::string playingTitle() {
        return currentModule != nullptr ? currentModule->songname : "-";
    }

    // Runs frames until `count` entries have started after the first; returns
    // the titles in the order they started ("-" for an entry that did not
    // load) and checks that every switch came in the frame in which the
    // library reported the module ended, never earlier or later.
    std::vector<std::string> runSwitches(int count, std::vector<int>* framesPlayed = nullptr) {
        std::vector<std::string> started{playingTitle()};
        int frames = 0;
        for (int frame = 0; frame < 500 && static_cast<int>(started.size()) <= count; ++frame) {
            updateMixer();
            ++frames;
            const bool ended = !Player_Active();
            const MODULE* before = currentModule;
            const std::int32_t positionBefore = playlistPosition;
            updateMusic();
            if (!ended) {
                EXPECT_EQ(currentModule, before) << "switched while the module played";
                continue;
            }
            EXPECT_EQ(playlistPosition, (positionBefore + 1) % playlistCount);
            if (currentModule != nullptr) {
                EXPECT_TRUE(Player_Active()) << "the next entry starts in the same frame";
            }
            started.push_back(playingTitle());
            if (framesPlayed != nullptr)
                framesPlayed->push_back(frames);
            frames = 0;
        }
        return started;
    }

    ScratchFolder folder;
    WorkingDirectory inFolder{folder.path()};
};

TEST_F(Playlist, EntriesPlayInOrderAndWrap) {
    const struct {
        std::string name;
        std::vector<std::string> entries;
        std::vector<std::string> expected;
    } cases[] = {
        {"two entries",
         {"sound\\first.mod", "sound\\second.mod"},
         {"first", "second", "first", "second"}},
        {"one entry plays again from its start", {"sound\\first.mod"}, {"first", "first", "first"}},
        {"a missing later entry is skipped on the next frame",
         {"sound\\first.mod", "sound\\gone.mod", "sound\\second.mod"},
         {"first", "-", "second", "first"}},
        {"a later entry that is not a module is skipped",
         {"sound\\first.mod", "sound\\notes.txt"},
         {"first", "-", "first", "-"}},
    };
    std::FILE* notes = std::fopen("sound/notes.txt", "w");
    ASSERT_NE(notes, nullptr);
    std::fputs("not a module\n", notes);
    std::fclose(notes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setPlaylist(c.entries);
        startFirstEntry();
        EXPECT_EQ(runSwitches(static_cast<int>(c.expected.size()) - 1), c.expected);
    }
}

TEST_F(Playlist, EachModulePlaysToItsEnd) {
    setPlaylist({"sound\\first.mod", "sound\\second.mod"});
    startFirstEntry();
    std::vector<int> frames;
    const auto titles = runSwitches(3, &frames);
    ASSERT_EQ(frames.size(), 3u);
    // first, second, first: each lasted its play time, give or take the last
    // update's stretch.
    const double expected[] = {toneModuleSeconds(1), toneModuleSeconds(2), toneModuleSeconds(1)};
    for (int i = 0; i < 3; ++i) {
        const double played = frames[i] * secondsPerUpdate;
        EXPECT_GE(played, expected[i]) << titles[i];
        EXPECT_LT(played, expected[i] + 2 * secondsPerUpdate) << titles[i];
    }
}

TEST_F(Playlist, NoEntryLoadsRetriesOneEntryPerFrame) {
    setPlaylist({"sound\\gone1.mod", "sound\\gone2.mod"});
    EXPECT_FALSE(loadFirstModule());
    for (int frame = 1; frame <= 5; ++frame) {
        updateMixer();
        updateMusic();
        EXPECT_EQ(currentModule, nullptr);
        EXPECT_EQ(playlistPosition, frame % 2);
    }
}

TEST_F(Playlist, EmptyPlaylistDoesNothing) {
    setPlaylist({});
    keys[skipKeyCode] = 1;
    const std::int32_t position = playlistPosition;
    for (int frame = 0; frame < 3; ++frame) {
        updateMixer();
        updateMusic();
    }
    EXPECT_EQ(currentModule, nullptr);
    EXPECT_EQ(playlistPosition, position);
    EXPECT_EQ(keys[skipKeyCode], 1) << "the key is left alone";
}

TEST_F(Playlist, BackwardJumpPlaysOnceAndEnds) {
    setPlaylist({"sound\\jumper.mod", "sound\\first.mod"});
    startFirstEntry();
    std::vector<int> frames;
    const auto titles = runSwitches(1, &frames);
    ASSERT_EQ(titles, (std::vector<std::string>{"jumper", "first"}));
    const double played = frames[0] * secondsPerUpdate;
    EXPECT_GE(played, toneModuleSeconds(2));
    EXPECT_LT(played, toneModuleSeconds(2) + 2 * secondsPerUpdate);
}

TEST_F(Playlist, BackwardJumpLoopsWhenLoopingIsLeftOn) {
    // The contrast to the case above: the same module with the library's
    // looping left as loaded never ends.
    setPlaylist({"sound\\jumper.mod"});
    MODULE* module = Player_Load("sound/jumper.mod", moduleVoices, 0);
    ASSERT_NE(module, nullptr);
    Player_Start(module);
    const int frames = static_cast<int>(4 * toneModuleSeconds(2) / secondsPerUpdate);
    for (int frame = 0; frame < frames; ++frame)
        updateMixer();
    EXPECT_TRUE(Player_Active());
    Player_Free(module);
}

TEST_F(Playlist, SkipKey) {
    const struct {
        std::string name;
        bool skipKey;                    // the build with the skip key
        std::vector<int> pressed;        // the N key's state before each frame
        std::vector<std::string> titles; // the module after each frame
        int keyAfter;                    // the N key's entry after the last frame
    } cases[] = {
        {"N starts the next entry at once", true, {1}, {"second"}, 0},
        {"each press skips once", true, {1, 0, 1, 1}, {"second", "second", "first", "second"}, 0},
        {"without the skip key N does nothing", false, {1, 1, 1}, {"first", "first", "first"}, 1},
        {"no press, no skip", true, {0, 0}, {"first", "first"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setPlaylist({"sound\\first.mod", "sound\\second.mod"});
        startFirstEntry();
        skipTrackKey = c.skipKey;
        std::vector<std::string> titles;
        for (int press : c.pressed) {
            if (press != 0)
                keys[skipKeyCode] = 1;
            updateMixer();
            updateMusic();
            titles.push_back(playingTitle());
            EXPECT_TRUE(Player_Active());
        }
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(keys[skipKeyCode], c.keyAfter);
        keys[skipKeyCode] = 0;
    }
}

} // namespace
