// make_pictures: draws the game's pictures into a ready-to-run folder.
//
//   make_pictures RUN_DIR
//
// writes RUN_DIR/mahjong/tile64.bmp and tile128.bmp (the tile faces) and
// RUN_DIR/tex/*.bmp (backgrounds, effect pictures, help screen). Exits with 1
// and a message on standard error when a font is missing or a file cannot be
// written.
#include "BmpFile.h"
#include "FontSet.h"
#include "ScenePictures.h"
#include "TileAtlas.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "make_pictures: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return fail("usage: make_pictures RUN_DIR");
    const std::filesystem::path root = argv[1];
    FontSet fonts;
    std::string error;
    if (!fonts.load(error))
        return fail(error + " (scripts/install-deps.sh installs the fonts)");
    for (const char* folder : {"mahjong", "tex"}) {
        std::error_code ec;
        std::filesystem::create_directories(root / folder, ec);
        if (ec)
            return fail("cannot create " + (root / folder).string() + ": " + ec.message());
    }
    const std::vector<Canvas> atlases = tileAtlases({64, 128}, fonts);
    if (!writeBmp((root / "mahjong" / "tile64.bmp").string(), atlases[0], error) ||
        !writeBmp((root / "mahjong" / "tile128.bmp").string(), atlases[1], error))
        return fail(error);
    for (const ScenePicture& picture : scenePictures())
        if (!writeBmp((root / "tex" / picture.file).string(), picture.draw(fonts), error))
            return fail(error);
    return 0;
}
