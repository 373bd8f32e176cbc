#pragma once

// The setup dialog's procedure, written against DialogControls so that it runs
// in the FLTK dialog and, in tests, in a DialogModel.

#include "platform/DialogControls.h"
#include "platform/DisplayModes.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// Control ids of template 101 (resources/setup.dlg).
namespace SetupId {
constexpr int Save = 1008;
constexpr int Exit = 2;
constexpr int ModeList = 1000;
constexpr int Show = 1004;
constexpr int StatusLine = 1005;
constexpr int MusicVolume = 1006;
constexpr int SoundVolume = 1007;
constexpr int Taviro = 1009;
constexpr int Kalmis = 1010;
constexpr int Off = 1011;
constexpr int MusicList = 1013;
constexpr int Playlist = 1014;
constexpr int Add = 1015;
constexpr int Remove = 1016;
} // namespace SetupId

// The dialog's result when the file could not be written: the program's exit code.
constexpr int SetupWriteFailed = 1;

// What the dialog remembers besides its controls.
struct SetupState {
    std::vector<DisplayMode> displayModes; // line i of the mode list is entry i
    std::int32_t selectedMode = -1;        // mode list selection as last read, -1 none
    std::int32_t musicVolumeValue = 0;     // music volume field as last read
    std::int32_t soundVolumeValue = 0;     // sound volume field as last read
};

// Where the dialog finds its input and puts its output.
struct SetupEnvironment {
    std::vector<DisplayMode> enumeratedModes; // every mode of the display, unfiltered
    std::filesystem::path soundFolder = "sound";
    std::filesystem::path configFile = "config.cfg";
    // Shows the box telling the user that config.cfg could not be written (the
    // text also goes to standard error as "caption: text"); the dialog then ends
    // with SetupWriteFailed. Unset: standard error only.
    std::function<void(const char* text, const char* caption)> showError;
};

// Fills the lists and fields: every module of the sound folder into both sorted
// lists, the kept display modes into the mode list and `displayModes`, volumes
// "32" and "128", the first mode selected, TAVIRO checked.
void initSetupDialog(DialogControls& dialog, SetupState& state, const SetupEnvironment& env);

// Reads the volume fields and the mode selection; shows them in the status line
// unless no mode is selected.
void updateStatusLine(DialogControls& dialog, SetupState& state);

enum class WriteOutcome { Written, NoModeSelected, Failed };

// Writes config.cfg from the state as last read and the controls; writes nothing
// while no mode is selected.
WriteOutcome writeConfigFile(DialogControls& dialog, const SetupState& state,
                             const SetupEnvironment& env);

// Acts on one command: SAVE (also Enter), EXIT (also Escape), SHOW, ">>", "<<".
// Other ids do nothing.
void setupDialogProc(DialogControls& dialog, SetupState& state, const SetupEnvironment& env,
                     int commandId);

constexpr const char* WriteFailedText = "Nepodarilo se vytvorit soubor konfigurace.";
constexpr const char* WriteFailedCaption = "ERROR";
