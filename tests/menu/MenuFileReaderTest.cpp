// The menu file format read without a display: what a file says and which
// files are turned away with which message.
#include "menu/MenuFileReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

MenuReadResult readText(const std::string& text) {
    std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    EXPECT_NE(file, nullptr);
    MenuReadResult result = readMenuDefinition(file);
    std::fclose(file);
    return result;
}

const std::string kHeader1 = "POCET POLOZEK 1\nFONT DejaVuSans\nVYSKA 0.05\n";

struct ItemExpectation {
    std::string text;
    float left;
    float bottom;
    std::vector<std::string> toggles; // empty: no toggles
    float toggleOffset;
};

struct ReadCase {
    const char* name;
    std::string file;
    std::string face;
    float heightFraction;
    std::vector<ItemExpectation> items;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuFileReads : public testing::TestWithParam<ReadCase> {};

TEST_P(MenuFileReads, GivesTheDefinition) {
    const ReadCase& c = GetParam();
    MenuReadResult result = readText(c.file);
    ASSERT_TRUE(std::holds_alternative<MenuDefinition>(result))
        << std::get<MenuFileError>(result).text;
    const auto& menu = std::get<MenuDefinition>(result);
    EXPECT_EQ(menu.faceName, c.face);
    EXPECT_FLOAT_EQ(menu.heightFraction, c.heightFraction);
    EXPECT_EQ(menu.itemCount, static_cast<std::int32_t>(c.items.size()));
    ASSERT_EQ(menu.items.size(), c.items.size());
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        SCOPED_TRACE(i);
        const MenuItemDefinition& got = menu.items[i];
        const ItemExpectation& want = c.items[i];
        EXPECT_EQ(got.text, want.text);
        EXPECT_FLOAT_EQ(got.left, want.left);
        EXPECT_FLOAT_EQ(got.bottom, want.bottom);
        EXPECT_EQ(got.hasToggles, !want.toggles.empty());
        EXPECT_EQ(got.toggles, want.toggles);
        if (got.hasToggles) {
            EXPECT_FLOAT_EQ(got.toggleOffset, want.toggleOffset);
        }
    }
}

const ReadCase kReadCases[] = {
    {"QuotedTextWithBlanksAndTwoFractions",
     kHeader1 + "POLOZKA \"New game now\" 0.1 0.5\n",
     "DejaVuSans",
     0.05f,
     {{"New game now", 0.1f, 0.5f, {}, 0}}},
    {"BlanksBeforeTheOpeningQuote",
     kHeader1 + "POLOZKA      \"Quit\"   0.25   0.75\n",
     "DejaVuSans",
     0.05f,
     {{"Quit", 0.25f, 0.75f, {}, 0}}},
    {"ThreeTogglesWithTheirOffset",
     kHeader1 +
         "POLOZKA \"Background\" 0.1 0.5\nTOGGLES 3 0.3\nTOGGLE felt\nTOGGLE ocean\nTOGGLE none\n",
     "DejaVuSans",
     0.05f,
     {{"Background", 0.1f, 0.5f, {" felt", " ocean", " none"}, 0.3f}}},
    {"ValueKeepsEveryLeadingBlank",
     kHeader1 + "POLOZKA \"Music\" 0.1 0.2\nTOGGLES 2 0.5\nTOGGLE    on\nTOGGLE\toff\n",
     "DejaVuSans",
     0.05f,
     {{"Music", 0.1f, 0.2f, {"    on", "\toff"}, 0.5f}}},
    {"LastLineWithoutLineBreakLosesItsLastCharacter",
     kHeader1 + "POLOZKA \"Music\" 0.1 0.2\nTOGGLES 2 0.5\nTOGGLE on\nTOGGLE off",
     "DejaVuSans",
     0.05f,
     {{"Music", 0.1f, 0.2f, {" on", " of"}, 0.5f}}},
    {"EmptyValue",
     kHeader1 + "POLOZKA \"Music\" 0.1 0.2\nTOGGLES 1 0.5\nTOGGLE\n",
     "DejaVuSans",
     0.05f,
     {{"Music", 0.1f, 0.2f, {""}, 0.5f}}},
    {"WindowsLineBreaksInValues",
     kHeader1 + "POLOZKA \"Music\" 0.1 0.2\r\nTOGGLES 2 0.5\r\nTOGGLE on\r\nTOGGLE off\r\n",
     "DejaVuSans",
     0.05f,
     {{"Music", 0.1f, 0.2f, {" on", " off"}, 0.5f}}},
    {"KeywordsSeparatedByBlankLinesAndIndentation",
     "POCET POLOZEK 2\n\nFONT   Serif\n\n\nVYSKA 0.1\n\n   POLOZKA \"A\" 0 0\n\n\n\t TOGGLES 2 "
     "0.25\n"
     "\n   TOGGLE x\n\nTOGGLE y\n\n\n      POLOZKA \"B\" 1 1\n\n\n",
     "Serif",
     0.1f,
     {{"A", 0, 0, {" x", " y"}, 0.25f}, {"B", 1, 1, {}, 0}}},
    {"ItemTextOfNinetyNineCharacters",
     kHeader1 + "POLOZKA \"" + std::string(99, 'x') + "\" 0.1 0.1\n",
     "DejaVuSans",
     0.05f,
     {{std::string(99, 'x'), 0.1f, 0.1f, {}, 0}}},
    {"ValueOfNinetyNineCharacters",
     kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1 0.5\nTOGGLE" + std::string(99, 'v') + "\n",
     "DejaVuSans",
     0.05f,
     {{"A", 0, 0, {std::string(99, 'v')}, 0.5f}}},
    {"LongFaceNameReadWhole",
     "POCET POLOZEK 1\nFONT " + std::string(200, 'F') + "\nVYSKA 0.05\nPOLOZKA \"A\" 0 0\n",
     std::string(200, 'F'),
     0.05f,
     {{"A", 0, 0, {}, 0}}},
    {"BytesAboveAsciiKeptAsTheyAre",
     kHeader1 + "POLOZKA \"Caf\xE9 \x80\" 0.5 0.5\n",
     "DejaVuSans",
     0.05f,
     {{"Caf\xE9 \x80", 0.5f, 0.5f, {}, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuFileReads, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    std::string file;
    std::string text;
    const char* caption;
    BoxIcon icon;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const RejectCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuFileRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(MenuFileRejects, WithTheLoadersMessage) {
    const RejectCase& c = GetParam();
    MenuReadResult result = readText(c.file);
    ASSERT_TRUE(std::holds_alternative<MenuFileError>(result));
    const auto& error = std::get<MenuFileError>(result);
    EXPECT_EQ(error.text, c.text);
    EXPECT_STREQ(error.caption, c.caption);
    EXPECT_EQ(error.icon, c.icon);
}

const std::string kHeader2 = "POCET POLOZEK 2\nFONT DejaVuSans\nVYSKA 0.05\n";
const char* kSource = "Menu load ERROR";
const char* kWord = "MENU load ERROR";

const RejectCase kRejectCases[] = {
    // The loader's own checks, in the order they are made.
    {"NothingAfterPolozka", kHeader1 + "POLOZKA", "Chyba ve zdrojovem souboru.", kSource,
     BoxIcon::Warning},
    {"NoOpeningQuote", kHeader1 + "POLOZKA New game 0.1 0.5\n",
     "Chyba ve zdrojovem souboru.\n Nenalezen nazev polozky.", kSource, BoxIcon::Warning},
    {"TextOnTheNextLine", kHeader1 + "POLOZKA\n\"New game\" 0.1 0.5\n",
     "Chyba ve zdrojovem souboru.\n Nenalezen nazev polozky.", kSource, BoxIcon::Warning},
    {"NoClosingQuote", kHeader1 + "POLOZKA \"New game 0.1 0.5\n",
     "Chyba ve zdrojovem souboru.\n Chyba v nazvu polozky.", kSource, BoxIcon::Warning},
    {"UnexpectedWordAfterTheHeader", kHeader1 + "POLOZKY \"A\" 0 0\n",
     "Nacten neocekavany retezec: POLOZKY ", kWord, BoxIcon::Error},
    {"KeywordsAreCaseSensitive", kHeader1 + "polozka \"A\" 0 0\n",
     "Nacten neocekavany retezec: polozka ", kWord, BoxIcon::Error},
    {"StrayTextAfterAnItem", kHeader1 + "POLOZKA \"A\" 0 0\nextra\n",
     "Nacten neocekavany retezec: extra ", kWord, BoxIcon::Error},
    // A word longer than the message buffer is shown cut, never overrunning it.
    {"VeryLongUnexpectedWord", kHeader1 + std::string(5000, 'W') + "\n",
     "Nacten neocekavany retezec: " + std::string(255 - 28, 'W'), kWord, BoxIcon::Error},
    // Files that break the format's rules.
    {"ItemTextOfHundredCharacters", kHeader1 + "POLOZKA \"" + std::string(100, 'x') + "\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chyba v nazvu polozky.", kSource, BoxIcon::Warning},
    {"MissingHeader", "POLOZKA \"A\" 0 0\n", "Chyba ve zdrojovem souboru.\n Chybna hlavicka.",
     kSource, BoxIcon::Warning},
    {"EmptyFile", "", "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"CountNotANumber", "POCET POLOZEK many\nFONT A\nVYSKA 0.05\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"FontLineMissing", "POCET POLOZEK 1\nVYSKA 0.05\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"HeightMissing", "POCET POLOZEK 1\nFONT A\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"FaceNameLongerThanItsBuffer",
     "POCET POLOZEK 1\nFONT " + std::string(256, 'F') + "\nVYSKA 0.05\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"HeightZero", "POCET POLOZEK 1\nFONT A\nVYSKA 0\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"HeightNegative", "POCET POLOZEK 1\nFONT A\nVYSKA -0.05\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"HeightAboveTheWindow", "POCET POLOZEK 1\nFONT A\nVYSKA 1e30\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"HeightNotANumber", "POCET POLOZEK 1\nFONT A\nVYSKA nan\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hlavicka.", kSource, BoxIcon::Warning},
    {"ZeroItems", "POCET POLOZEK 0\nFONT A\nVYSKA 0.05\n",
     "Chyba ve zdrojovem souboru.\n Chybny pocet polozek.", kSource, BoxIcon::Warning},
    {"NegativeItemCount", "POCET POLOZEK -3\nFONT A\nVYSKA 0.05\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybny pocet polozek.", kSource, BoxIcon::Warning},
    {"HugeItemCount", "POCET POLOZEK 2000000000\nFONT A\nVYSKA 0.05\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybi polozky.", kSource, BoxIcon::Warning},
    {"FewerItemsThanAnnounced", kHeader2 + "POLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybi polozky.", kSource, BoxIcon::Warning},
    {"MoreItemsThanAnnounced", kHeader1 + "POLOZKA \"A\" 0 0\nPOLOZKA \"B\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Prilis mnoho polozek.", kSource, BoxIcon::Warning},
    {"PositionMissing", kHeader1 + "POLOZKA \"A\"\n",
     "Chyba ve zdrojovem souboru.\n Chybna poloha polozky.", kSource, BoxIcon::Warning},
    {"OnePositionOnly", kHeader1 + "POLOZKA \"A\" 0.5\n",
     "Chyba ve zdrojovem souboru.\n Chybna poloha polozky.", kSource, BoxIcon::Warning},
    {"PositionInfinite", kHeader1 + "POLOZKA \"A\" inf 0.5\n",
     "Chyba ve zdrojovem souboru.\n Chybna poloha polozky.", kSource, BoxIcon::Warning},
    {"PositionFarOutside", kHeader1 + "POLOZKA \"A\" 0.5 1e12\n",
     "Chyba ve zdrojovem souboru.\n Chybna poloha polozky.", kSource, BoxIcon::Warning},
    {"TogglesBeforeTheFirstItem",
     kHeader1 + "TOGGLES 2 0.5\nTOGGLE a\nTOGGLE b\nPOLOZKA \"A\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n TOGGLES bez polozky.", kSource, BoxIcon::Warning},
    {"TwoToggleBlocksForOneItem",
     kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1 0.5\nTOGGLE a\nTOGGLES 1 0.5\nTOGGLE b\n",
     "Chyba ve zdrojovem souboru.\n Druhy blok TOGGLES u polozky.", kSource, BoxIcon::Warning},
    {"ZeroToggles", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 0 0.5\n",
     "Chyba ve zdrojovem souboru.\n Chybny pocet hodnot.", kSource, BoxIcon::Warning},
    {"NegativeToggleCount", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES -1 0.5\nTOGGLE a\n",
     "Chyba ve zdrojovem souboru.\n Chybny pocet hodnot.", kSource, BoxIcon::Warning},
    {"ToggleOffsetMissing", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1\nTOGGLE a\n",
     "Chyba ve zdrojovem souboru.\n Chybny pocet hodnot.", kSource, BoxIcon::Warning},
    {"HugeToggleCount", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 2000000000 0.5\nTOGGLE a\n",
     "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.", kSource, BoxIcon::Warning},
    {"FewerValuesThanAnnounced",
     kHeader2 + "POLOZKA \"A\" 0 0\nTOGGLES 3 0.5\nTOGGLE a\nPOLOZKA \"B\" 0 0\n",
     "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.", kSource, BoxIcon::Warning},
    {"ValueWordMisspelt", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1 0.5\nTOGLE a\n",
     "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.", kSource, BoxIcon::Warning},
    {"ValueOfHundredCharacters",
     kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1 0.5\nTOGGLE" + std::string(100, 'v') + "\n",
     "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.", kSource, BoxIcon::Warning},
    {"ToggleWordAtTheEndOfTheFile", kHeader1 + "POLOZKA \"A\" 0 0\nTOGGLES 1 0.5\nTOGGLE",
     "Chyba ve zdrojovem souboru.\n Chybna hodnota TOGGLE.", kSource, BoxIcon::Warning},
};

INSTANTIATE_TEST_SUITE_P(Menu, MenuFileRejects, testing::ValuesIn(kRejectCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

MenuDefinition readDataFile(const char* name) {
    const std::string path = std::string(VELDRIN_DATA_DIR) + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "r");
    EXPECT_NE(file, nullptr) << path;
    if (file == nullptr)
        return {};
    MenuReadResult result = readMenuDefinition(file);
    std::fclose(file);
    EXPECT_TRUE(std::holds_alternative<MenuDefinition>(result)) << path;
    return std::holds_alternative<MenuDefinition>(result) ? std::get<MenuDefinition>(result)
                                                          : MenuDefinition{};
}

// The game flow gives each item and value index a fixed meaning.
TEST(GameMenuFiles, MainMenuHasNewGameOptionsAndQuit) {
    MenuDefinition menu = readDataFile("game.mnu");
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.items[0].text, "NEW GAME");
    EXPECT_EQ(menu.items[1].text, "OPTIONS");
    EXPECT_EQ(menu.items[2].text, "QUIT");
    for (const MenuItemDefinition& item : menu.items)
        EXPECT_FALSE(item.hasToggles);
}

TEST(GameMenuFiles, OptionValuesComeInTheOrderTheGameFlowReadsThem) {
    MenuDefinition menu = readDataFile("options.mnu");
    ASSERT_EQ(menu.items.size(), 7u);
    using Values = std::vector<std::string>;
    // Index 1 switches sound and music off; layouts and tile sets follow their
    // file tables; the backgrounds are background2.bmp (felt), background.bmp
    // (water) and none. Automatic re-deal starts off, and the first activation
    // both shows the next value and switches it on, so "ON" comes second.
    EXPECT_EQ(menu.items[0].toggles, (Values{" ON", " OFF"}));
    EXPECT_EQ(menu.items[1].toggles, (Values{" ON", " OFF"}));
    EXPECT_EQ(menu.items[2].toggles, (Values{" CLASSIC", " CUBE"}));
    EXPECT_EQ(menu.items[3].toggles, (Values{" NORMAL", " LARGE"}));
    EXPECT_EQ(menu.items[4].toggles, (Values{" FELT", " WATER", " NONE"}));
    EXPECT_EQ(menu.items[5].toggles, (Values{" OFF", " ON"}));
    EXPECT_FALSE(menu.items[6].hasToggles);
    EXPECT_EQ(menu.items[6].text, "BACK");
}

} // namespace
