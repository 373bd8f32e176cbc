#include "setup/SetupDialog.h"

#include "setup/SetupConfig.h"

#include <cstdio>

void initSetupDialog(DialogControls& dialog, SetupState& state, const SetupEnvironment& env) {
    for (const std::string& name : findModules(env.soundFolder)) {
        dialog.addString(SetupId::MusicList, name);
        dialog.addString(SetupId::Playlist, name);
    }
    // One pass over one enumeration fills both the list and the table, so line i
    // and entry i always describe the same mode.
    state.displayModes = keptModes(env.enumeratedModes);
    for (const DisplayMode& mode : state.displayModes)
        dialog.addString(SetupId::ModeList, modeLine(mode));
    dialog.setText(SetupId::MusicVolume, "32");
    dialog.setText(SetupId::SoundVolume, "128");
    dialog.select(SetupId::ModeList, 0);
    dialog.setChecked(SetupId::Taviro, true);
}

void updateStatusLine(DialogControls& dialog, SetupState& state) {
    state.musicVolumeValue =
        readVolumeField(dialog.text(SetupId::MusicVolume), state.musicVolumeValue);
    state.soundVolumeValue =
        readVolumeField(dialog.text(SetupId::SoundVolume), state.soundVolumeValue);
    state.selectedMode = dialog.selection(SetupId::ModeList);
    if (state.selectedMode < 0 ||
        state.selectedMode >= static_cast<std::int32_t>(state.displayModes.size()))
        return;
    dialog.setText(SetupId::StatusLine, statusLine(state.displayModes[state.selectedMode],
                                                   state.musicVolumeValue, state.soundVolumeValue));
}

WriteOutcome writeConfigFile(DialogControls& dialog, const SetupState& state,
                             const SetupEnvironment& env) {
    if (state.selectedMode < 0 ||
        state.selectedMode >= static_cast<std::int32_t>(state.displayModes.size()))
        return WriteOutcome::NoModeSelected;
    SetupConfig config;
    config.mode = state.displayModes[state.selectedMode];
    config.musicVolume = state.musicVolumeValue;
    config.sfxVolume = state.soundVolumeValue;
    config.background =
        backgroundChoice(dialog.checked(SetupId::Taviro), dialog.checked(SetupId::Kalmis),
                         dialog.checked(SetupId::Off));
    for (int line = 0; line < dialog.count(SetupId::Playlist); ++line)
        config.modules.push_back(dialog.itemText(SetupId::Playlist, line));
    return writeConfig(env.configFile, config) ? WriteOutcome::Written : WriteOutcome::Failed;
}

namespace {
void save(DialogControls& dialog, SetupState& state, const SetupEnvironment& env) {
    updateStatusLine(dialog, state);
    if (writeConfigFile(dialog, state, env) == WriteOutcome::Failed) {
        // Standard error first, so the message survives a box that cannot open.
        std::fprintf(stderr, "%s: %s\n", WriteFailedCaption, WriteFailedText);
        if (env.showError)
            env.showError(WriteFailedText, WriteFailedCaption);
        dialog.end(SetupWriteFailed);
        return;
    }
    dialog.end(SetupId::Save);
}

void addSelectedModule(DialogControls& dialog) {
    int line = dialog.selection(SetupId::MusicList);
    if (line < 0)
        return;
    std::string name = dialog.itemText(SetupId::MusicList, line);
    if (!name.empty())
        dialog.addString(SetupId::Playlist, name);
}

void removeSelectedModule(DialogControls& dialog) {
    int line = dialog.selection(SetupId::Playlist);
    if (line >= 0)
        dialog.deleteString(SetupId::Playlist, line);
}
} // namespace

void setupDialogProc(DialogControls& dialog, SetupState& state, const SetupEnvironment& env,
                     int commandId) {
    switch (commandId) {
    case SetupId::Save:
        save(dialog, state, env);
        break;
    case SetupId::Exit:
        dialog.end(SetupId::Exit);
        break;
    case SetupId::Show:
        updateStatusLine(dialog, state);
        break;
    case SetupId::Add:
        addSelectedModule(dialog);
        break;
    case SetupId::Remove:
        removeSelectedModule(dialog);
        break;
    default:
        break;
    }
}
