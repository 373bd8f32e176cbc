#pragma once

// The plain pieces of the setup program: reading the volume fields, the texts it
// shows, and the config.cfg it writes. No dialog and no display involved.

#include "platform/DisplayModes.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Reads a volume field as the dialog does: at most its first 3 characters,
// converted with "%d". No number keeps `previous`; a negative number gives 0;
// there is no upper limit (three digits reach 999).
std::int32_t readVolumeField(std::string_view field, std::int32_t previous);

// "%dx%d %dbpp": one line of the mode list.
std::string modeLine(const DisplayMode& mode);

// "(%dx%d,%dbpp) Music:%d, Sound:%d": the status line.
std::string statusLine(const DisplayMode& mode, std::int32_t music, std::int32_t sound);

// BACKGROUND from the three radio buttons, tested in order TAVIRO (0), KALMIS (1),
// OFF (2), the last checked one winning; 2 when none is checked.
std::int32_t backgroundChoice(bool taviro, bool kalmis, bool off);

// The modes the setup offers: those of 16 or more bits per pixel, in order.
std::vector<DisplayMode> keptModes(const std::vector<DisplayMode>& enumerated);

// The values of one config.cfg as the setup writes it.
struct SetupConfig {
    DisplayMode mode;
    std::int32_t musicVolume = 0;
    std::int32_t sfxVolume = 0;
    std::int32_t background = 0;
    std::vector<std::string> modules; // bare file names in playlist order
};

// The file's text: five header lines, then "sound\<name>" per module, each line
// ending in "\n".
std::string configText(const SetupConfig& config);

// Creates or empties `path` and writes configText into it. Returns false when the
// file cannot be created or not written completely; an incomplete regular file
// is removed so that the game never starts from half a configuration.
bool writeConfig(const std::filesystem::path& path, const SetupConfig& config);

// The module files of `folder`: regular files whose names end in ".mod" in any
// letter case, as bare names, in the order the folder lists them. A missing or
// unreadable folder gives none.
std::vector<std::string> findModules(const std::filesystem::path& folder);
