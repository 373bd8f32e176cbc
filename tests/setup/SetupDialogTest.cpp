#include "setup/SetupDialog.h"

#include "TempFolder.h"
#include "platform/DialogModel.h"
#include "resources/setupTemplateText.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const DialogTemplate& setupTemplate() {
    static const DialogTemplate parsed = [] {
        TemplateResult result = parseDialogTemplate(setupTemplateText(), "setup.dlg");
        if (!result.dialog)
            ADD_FAILURE() << result.error;
        return result.dialog.value_or(DialogTemplate{});
    }();
    return parsed;
}

// One run of the dialog: a sound folder, the display's modes, the user's actions.
class SetupRun {
  public:
    SetupRun(std::vector<const char*> modules, std::vector<DisplayMode> modes)
        : dialog(setupTemplate()) {
        for (const char* name : modules)
            folder.touch(std::filesystem::path("sound") / name);
        env.enumeratedModes = std::move(modes);
        env.soundFolder = folder.path() / "sound";
        env.configFile = folder.path() / "config.cfg";
        env.showError = [this](const char* text, const char* caption) {
            shownError = std::string(caption) + ": " + text;
        };
        initSetupDialog(dialog, state, env);
    }

    void command(int id) { setupDialogProc(dialog, state, env, id); }
    std::optional<std::string> written() const {
        if (!std::filesystem::is_regular_file(env.configFile))
            return std::nullopt;
        return readWholeFile(env.configFile);
    }
    std::vector<std::string> lines(int list) const {
        std::vector<std::string> result;
        for (int i = 0; i < dialog.count(list); ++i)
            result.push_back(dialog.itemText(list, i));
        return result;
    }

    TempFolder folder;
    DialogModel dialog;
    SetupState state;
    SetupEnvironment env;
    std::string shownError;
};

const std::vector<DisplayMode> TwoModes = {{1024, 768, 8}, {1280, 1024, 24}, {800, 600, 16}};
const std::vector<const char*> TwoModules = {"B.MOD", "a.mod"};

std::string header(const char* mode, int music, int sound, int background, int count) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "RESOLUTION: %s\nMUSIC VOLUME: %d\nSFX VOLUME: %d\nBACKGROUND: %d\n"
                  "PLAYLIST: %d\n",
                  mode, music, sound, background, count);
    return text;
}

TEST(SetupDialog, InitialisationFillsListsAndFields) {
    SetupRun run({"b.mod", "C.MOD", "a.mod", "x.wav"}, TwoModes);
    using V = std::vector<std::string>;
    EXPECT_EQ(run.lines(SetupId::MusicList), (V{"a.mod", "b.mod", "C.MOD"}));
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod", "b.mod", "C.MOD"}));
    EXPECT_EQ(run.lines(SetupId::ModeList), (V{"1280x1024 24bpp", "800x600 16bpp"}));
    EXPECT_EQ(run.state.displayModes, (std::vector<DisplayMode>{{1280, 1024, 24}, {800, 600, 16}}));
    EXPECT_EQ(run.dialog.selection(SetupId::ModeList), 0);
    EXPECT_EQ(run.dialog.text(SetupId::MusicVolume), "32");
    EXPECT_EQ(run.dialog.text(SetupId::SoundVolume), "128");
    EXPECT_TRUE(run.dialog.checked(SetupId::Taviro));
    EXPECT_FALSE(run.dialog.checked(SetupId::Kalmis) || run.dialog.checked(SetupId::Off));
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "");
    EXPECT_FALSE(run.dialog.result().has_value());
}

// What the user does, and the file SAVE leaves behind (nullopt: none).
struct SaveCase {
    const char* name;
    std::vector<const char*> modules;
    std::vector<DisplayMode> modes;
    std::function<void(SetupRun&)> act;
    std::optional<std::string> file;
};

std::vector<SaveCase> saveCases() {
    return {
        {"untouched", TwoModules, TwoModes, [](SetupRun&) {},
         header("1280 1024 24", 32, 128, 0, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"second mode and new volumes", TwoModules, TwoModes,
         [](SetupRun& r) {
             r.dialog.select(SetupId::ModeList, 1);
             r.dialog.typeText(SetupId::MusicVolume, "-5");
             r.dialog.typeText(SetupId::SoundVolume, "1234");
         },
         header("800 600 16", 0, 123, 0, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"letters keep the value read by SHOW", TwoModules, TwoModes,
         [](SetupRun& r) {
             r.dialog.typeText(SetupId::MusicVolume, "999");
             r.command(SetupId::Show);
             r.dialog.typeText(SetupId::MusicVolume, "loud");
             r.dialog.typeText(SetupId::SoundVolume, "");
         },
         header("1280 1024 24", 999, 128, 0, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"letters before any read give 0", TwoModules, TwoModes,
         [](SetupRun& r) {
             r.dialog.typeText(SetupId::MusicVolume, "abc");
             r.dialog.typeText(SetupId::SoundVolume, "x1");
         },
         header("1280 1024 24", 0, 0, 0, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"KALMIS clicked", TwoModules, TwoModes,
         [](SetupRun& r) { r.dialog.clickRadio(SetupId::Kalmis); },
         header("1280 1024 24", 32, 128, 1, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"no background button checked", TwoModules, TwoModes,
         [](SetupRun& r) { r.dialog.setChecked(SetupId::Taviro, false); },
         header("1280 1024 24", 32, 128, 2, 2) + "sound\\a.mod\nsound\\B.MOD\n"},
        {"module added twice sits next to itself", TwoModules, TwoModes,
         [](SetupRun& r) {
             r.dialog.select(SetupId::MusicList, 0);
             r.command(SetupId::Add);
         },
         header("1280 1024 24", 32, 128, 0, 3) + "sound\\a.mod\nsound\\a.mod\nsound\\B.MOD\n"},
        {"emptied playlist", TwoModules, TwoModes,
         [](SetupRun& r) {
             for (int n = 0; n < 2; ++n) {
                 r.dialog.select(SetupId::Playlist, 0);
                 r.command(SetupId::Remove);
             }
         },
         header("1280 1024 24", 32, 128, 0, 0)},
        {"no module files", {}, TwoModes, [](SetupRun&) {}, header("1280 1024 24", 32, 128, 0, 0)},
        {"module name with a blank",
         {"my song.mod"},
         TwoModes,
         [](SetupRun&) {},
         header("1280 1024 24", 32, 128, 0, 1) + "sound\\my song.mod\n"},
        {"259-character module name",
         {},
         TwoModes,
         // No Linux file system holds a name this long, so it reaches the
         // playlist the way a file listed on another system would.
         [](SetupRun& r) { r.dialog.addString(SetupId::Playlist, std::string(255, 'm') + ".mod"); },
         header("1280 1024 24", 32, 128, 0, 1) + "sound\\" + std::string(255, 'm') + ".mod\n"},
        {"no mode of 16 bits or more", TwoModules, {{640, 480, 8}}, [](SetupRun&) {}, std::nullopt},
        {"mode selection cleared", TwoModules, TwoModes,
         [](SetupRun& r) { r.dialog.select(SetupId::ModeList, -1); }, std::nullopt},
    };
}

TEST(SetupDialog, SaveWritesWhatTheControlsHold) {
    for (const SaveCase& c : saveCases()) {
        SCOPED_TRACE(c.name);
        SetupRun run(c.modules, c.modes);
        c.act(run);
        run.command(SetupId::Save);
        EXPECT_EQ(run.dialog.result(), SetupId::Save);
        EXPECT_EQ(run.written(), c.file);
        EXPECT_EQ(run.shownError, "");
    }
}

TEST(SetupDialog, ExitWritesNothing) {
    SetupRun run(TwoModules, TwoModes);
    run.command(SetupId::Exit);
    EXPECT_EQ(run.dialog.result(), SetupId::Exit);
    EXPECT_EQ(run.written(), std::nullopt);
}

TEST(SetupDialog, UnwritableFileShowsTheErrorAndEndsWithOne) {
    SetupRun run(TwoModules, TwoModes);
    std::filesystem::create_directory(run.env.configFile);
    testing::internal::CaptureStderr();
    run.command(SetupId::Save);
    std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_EQ(run.dialog.result(), SetupWriteFailed);
    EXPECT_EQ(run.shownError, "ERROR: Nepodarilo se vytvorit soubor konfigurace.");
    EXPECT_NE(stderrText.find("ERROR: Nepodarilo se vytvorit soubor konfigurace."),
              std::string::npos);
}

TEST(SetupDialog, StatusLineShowsValuesAsLastRead) {
    SetupRun run(TwoModules, TwoModes);
    run.command(SetupId::Show);
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "(1280x1024,24bpp) Music:32, Sound:128");

    // Typing and choosing change nothing until the next SHOW.
    run.dialog.typeText(SetupId::MusicVolume, "64");
    run.dialog.select(SetupId::ModeList, 1);
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "(1280x1024,24bpp) Music:32, Sound:128");
    run.command(SetupId::Show);
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "(800x600,16bpp) Music:64, Sound:128");

    // With no mode selected SHOW reads the volumes but leaves the line alone.
    run.dialog.select(SetupId::ModeList, -1);
    run.dialog.typeText(SetupId::SoundVolume, "7");
    run.command(SetupId::Show);
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "(800x600,16bpp) Music:64, Sound:128");
    EXPECT_EQ(run.state.soundVolumeValue, 7);
    EXPECT_EQ(run.state.selectedMode, -1);
}

TEST(SetupDialog, PlaylistButtonsNeedASelection) {
    using V = std::vector<std::string>;
    SetupRun run(TwoModules, TwoModes);
    run.command(SetupId::Add);    // nothing selected in the music list
    run.command(SetupId::Remove); // nothing selected in the playlist
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod", "B.MOD"}));

    run.dialog.select(SetupId::Playlist, 1);
    run.command(SetupId::Remove);
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod"}));
    EXPECT_EQ(run.dialog.selection(SetupId::Playlist), -1);
    run.command(SetupId::Remove); // the deletion left nothing selected
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod"}));

    run.dialog.select(SetupId::MusicList, 1);
    run.command(SetupId::Add);
    run.command(SetupId::Add); // the music list keeps its selection
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod", "B.MOD", "B.MOD"}));

    run.dialog.addString(SetupId::MusicList, ""); // sorts first
    run.dialog.select(SetupId::MusicList, 0);
    run.command(SetupId::Add); // an empty line is never added
    EXPECT_EQ(run.lines(SetupId::Playlist), (V{"a.mod", "B.MOD", "B.MOD"}));
}

TEST(SetupDialog, OtherCommandsDoNothing) {
    SetupRun run(TwoModules, TwoModes);
    for (int id : {SetupId::ModeList, SetupId::MusicList, SetupId::Playlist, SetupId::MusicVolume,
                   SetupId::Taviro, 1, 0, -1, 4242})
        run.command(id);
    EXPECT_FALSE(run.dialog.result().has_value());
    EXPECT_EQ(run.dialog.text(SetupId::StatusLine), "");
    EXPECT_EQ(run.dialog.count(SetupId::Playlist), 2);
    EXPECT_EQ(run.written(), std::nullopt);
}

} // namespace
