#include "setup/SetupConfig.h"

#include <cctype>
#include <cstdio>
#include <system_error>

std::int32_t readVolumeField(std::string_view field, std::int32_t previous) {
    constexpr std::size_t MaxCharacters = 3;
    std::string head(field.substr(0, MaxCharacters));
    int value = 0;
    if (std::sscanf(head.c_str(), "%d", &value) != 1)
        return previous;
    return value < 0 ? 0 : value;
}

std::string modeLine(const DisplayMode& mode) {
    char line[64];
    std::snprintf(line, sizeof line, "%dx%d %dbpp", mode.width, mode.height, mode.bits);
    return line;
}

std::string statusLine(const DisplayMode& mode, std::int32_t music, std::int32_t sound) {
    char line[128];
    std::snprintf(line, sizeof line, "(%dx%d,%dbpp) Music:%d, Sound:%d", mode.width, mode.height,
                  mode.bits, music, sound);
    return line;
}

std::int32_t backgroundChoice(bool taviro, bool kalmis, bool off) {
    std::int32_t choice = 2;
    if (taviro)
        choice = 0;
    if (kalmis)
        choice = 1;
    if (off)
        choice = 2;
    return choice;
}

std::vector<DisplayMode> keptModes(const std::vector<DisplayMode>& enumerated) {
    constexpr std::int32_t MinimumBits = 16;
    std::vector<DisplayMode> kept;
    for (const DisplayMode& mode : enumerated)
        if (mode.bits >= MinimumBits)
            kept.push_back(mode);
    return kept;
}

std::string configText(const SetupConfig& config) {
    char header[256];
    std::snprintf(header, sizeof header,
                  "RESOLUTION: %d %d %d\nMUSIC VOLUME: %d\nSFX VOLUME: %d\nBACKGROUND: %d\n"
                  "PLAYLIST: %d\n",
                  config.mode.width, config.mode.height, config.mode.bits, config.musicVolume,
                  config.sfxVolume, config.background, static_cast<int>(config.modules.size()));
    std::string text = header;
    for (const std::string& module : config.modules)
        text += "sound\\" + module + "\n";
    return text;
}

bool writeConfig(const std::filesystem::path& path, const SetupConfig& config) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr)
        return false;
    std::string text = configText(config);
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fclose(file) == 0 && written;
    std::error_code ignored;
    if (!written && std::filesystem::is_regular_file(path, ignored))
        std::filesystem::remove(path, ignored); // never a device such as /dev/full
    return written;
}

namespace {
bool endsWithModIgnoringCase(const std::string& name) {
    constexpr std::string_view Suffix = ".mod";
    if (name.size() < Suffix.size())
        return false;
    std::string_view tail = std::string_view(name).substr(name.size() - Suffix.size());
    for (std::size_t i = 0; i < Suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != Suffix[i])
            return false;
    return true;
}
} // namespace

std::vector<std::string> findModules(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error), end;
    for (; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        if (!it->is_regular_file(statusError))
            continue;
        std::string name = it->path().filename().string();
        if (endsWithModIgnoringCase(name))
            names.push_back(std::move(name));
    }
    return names;
}
