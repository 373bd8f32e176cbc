// Writes the game's sound effects and music modules into the folder named on the
// command line. Exits with 1 and a message on the first file that cannot be made.
#include "tools/sounds/ModWriter.h"
#include "tools/sounds/Songs.h"
#include "tools/sounds/SoundEffects.h"
#include "tools/sounds/WavFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make_sounds: cannot create %s: %s\n", argv[1],
                     error.message().c_str());
        return 1;
    }
    for (const auto& recipe : effectRecipes()) {
        const std::string path = (folder / recipe.fileName).string();
        if (auto message = writeWavFile(path, effectRate, recipe.make()); !message.empty()) {
            std::fprintf(stderr, "make_sounds: %s\n", message.c_str());
            return 1;
        }
    }
    for (const auto& recipe : songRecipes()) {
        ModModule module;
        std::string message = recipe.compose(module);
        if (message.empty())
            message = writeModFile(module, (folder / recipe.fileName).string());
        if (!message.empty()) {
            std::fprintf(stderr, "make_sounds: %s: %s\n", recipe.fileName.c_str(), message.c_str());
            return 1;
        }
    }
    return 0;
}
