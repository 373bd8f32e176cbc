#include "app/Config.h"

#include "app/GLWindow.h"
#include "app/Settings.h"

#include <cctype>

namespace {
// One "%s" conversion without a width limit: skip white space, then take
// everything up to the next white space. Empty at end of file.
std::string readToken(std::FILE* file) {
    int c = std::fgetc(file);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(file);
    std::string token;
    while (c != EOF && !std::isspace(c)) {
        token.push_back(static_cast<char>(c));
        c = std::fgetc(file);
    }
    if (c != EOF)
        std::ungetc(c, file);
    return token;
}
} // namespace

ConfigValues parseConfig(std::FILE* file) {
    ConfigValues values;
    int count = 0;
    // Each line is its own read; fscanf stops at the first mismatch and the next
    // line's read starts from there, as the file format was designed around.
    std::fscanf(file, "RESOLUTION: %d %d %d\n", &values.width, &values.height, &values.bits);
    std::fscanf(file, "MUSIC VOLUME: %d\n", &values.musicVolume);
    std::fscanf(file, "SFX VOLUME: %d\n", &values.sfxVolume);
    std::fscanf(file, "BACKGROUND: %d\n", &values.background);
    std::fscanf(file, "PLAYLIST: %d\n", &count);
    for (int i = 0; i < count; ++i) {
        std::string entry = readToken(file);
        if (entry.empty())
            break; // fewer entries than announced: keep only the real ones
        values.playlist.push_back(std::move(entry));
    }
    return values;
}

bool readConfigFile(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    ConfigValues values = parseConfig(file);
    std::fclose(file);

    window.width = values.width;
    window.height = values.height;
    window.bits = values.bits;
    musicVolume = values.musicVolume;
    sfxVolume = values.sfxVolume;
    background = values.background;
    backgroundOn = background != 2;
    playlist = std::move(values.playlist);
    playlistCount = static_cast<std::int32_t>(playlist.size());
    return true;
}
