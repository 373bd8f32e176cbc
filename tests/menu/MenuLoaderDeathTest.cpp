// Every way a menu file is turned away ends the process with status 1 after
// its message ("caption: text" on standard error). The file is read and
// checked before any font or image is made, so no display is needed.
#include "menu/Menu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

std::string escapeRegex(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
            escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}

std::string writeMenuFile(const std::string& name, const std::string& contents) {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("veldrin-menu-" + name + ".mnu");
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
    return path.string();
}

struct FatalCase {
    const char* name;
    std::string contents;
    std::string message; // "caption: text" as written to standard error
};

// Names the case in test listings instead of its bytes.
void PrintTo(const FatalCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuLoadFails : public testing::TestWithParam<FatalCase> {};

TEST_P(MenuLoadFails, ShowsItsMessageAndExitsWithOne) {
    const FatalCase& c = GetParam();
    const std::string path = writeMenuFile(c.name, c.contents);
    Menu menu;
    EXPECT_EXIT(menu.load(path.c_str()), testing::ExitedWithCode(1), "^" + escapeRegex(c.message));
    std::filesystem::remove(path);
}

const std::string kHeader = "POCET POLOZEK 1\nFONT DejaVuSans\nVYSKA 0.05\n";

const FatalCase kFatalCases[] = {
    {"NothingAfterPolozka", kHeader + "POLOZKA", "Menu load ERROR: Chyba ve zdrojovem souboru.\n"},
    {"NoOpeningQuote", kHeader + "POLOZKA New 0.1 0.5\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Nenalezen nazev polozky.\n"},
    {"NoClosingQuote", kHeader + "POLOZKA \"New 0.1 0.5\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chyba v nazvu polozky.\n"},
    {"UnexpectedWordRightAfterTheHeader", kHeader + "MENU\n",
     "MENU load ERROR: Nacten neocekavany retezec: MENU \n"},
    {"ItemTextTooLong", kHeader + "POLOZKA \"" + std::string(150, 'x') + "\" 0 0\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chyba v nazvu polozky.\n"},
    {"FaceNameTooLong", "POCET POLOZEK 1\nFONT " + std::string(300, 'F') + "\nVYSKA 0.05\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chybna hlavicka.\n"},
    {"TogglesBeforeTheFirstItem", kHeader + "TOGGLES 1 0.5\nTOGGLE a\nPOLOZKA \"A\" 0 0\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n TOGGLES bez polozky.\n"},
    {"MoreItemsThanAnnounced", kHeader + "POLOZKA \"A\" 0 0\nPOLOZKA \"B\" 0 0\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Prilis mnoho polozek.\n"},
    {"FewerItemsThanAnnounced", "POCET POLOZEK 3\nFONT A\nVYSKA 0.05\nPOLOZKA \"A\" 0 0\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chybi polozky.\n"},
    {"NegativeItemCount", "POCET POLOZEK -1\nFONT A\nVYSKA 0.05\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chybny pocet polozek.\n"},
    {"HugeToggleCount", kHeader + "POLOZKA \"A\" 0 0\nTOGGLES 999999999 0.5\nTOGGLE a\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.\n"},
    {"NegativeToggleCount", kHeader + "POLOZKA \"A\" 0 0\nTOGGLES -5 0.5\n",
     "Menu load ERROR: Chyba ve zdrojovem souboru.\n Chybny pocet hodnot.\n"},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuLoadFails, testing::ValuesIn(kFatalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLoad, MissingFileShowsItsMessageAndExitsWithOne) {
    Menu menu;
    EXPECT_EXIT(menu.load("no-such-folder\\no-such.mnu"), testing::ExitedWithCode(1),
                "^MENU load ERROR: Nepodarilo se otevrit soubor s definici menu!\n");
}

} // namespace
