#include "platform/DialogTemplate.h"
#include "platform/DialogModel.h"
#include "resources/setupTemplateText.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;
    std::uint32_t style;
};

TEST(SetupTemplate, HoldsEveryControlInTabOrder) {
    using K = ControlKind;
    namespace S = ControlStyle;
    constexpr std::uint32_t list = S::Border | S::VScroll | S::Notify | S::NoIntegral | S::TabStop;
    constexpr std::uint32_t edit = S::Border | S::AutoHScroll | S::TabStop;
    const Row rows[] = {
        {1008, K::Button, "SAVE", 7, 245, 50, 14, S::Default | S::TabStop},
        {2, K::Button, "EXIT", 183, 245, 50, 14, S::TabStop},
        {1000, K::ListBox, "", 7, 7, 131, 125, list},
        {-1, K::Static, "Music volume (0..255)", 144, 73, 73, 12, S::VCenter},
        {-1, K::Static, "Sound volume (0..255)", 144, 103, 79, 12, S::VCenter},
        {1004, K::Button, "SHOW", 107, 246, 29, 13, S::Center | S::TabStop},
        {1005, K::Static, "", 7, 218, 226, 12, S::Border | S::NoWrap},
        {1006, K::Edit, "", 144, 85, 25, 15, edit},
        {1007, K::Edit, "", 144, 116, 25, 15, edit},
        {1009, K::Radio, "TAVIRO", 155, 18, 45, 13, S::Group},
        {1010, K::Radio, "KALMIS", 155, 34, 46, 13, 0},
        {1011, K::Radio, "OFF", 155, 49, 51, 13, 0},
        {-1, K::GroupBox, "Background", 145, 7, 72, 60, 0},
        {1013, K::ListBox, "", 7, 154, 97, 57, list | S::Sort},
        {-1, K::Static, "Music", 13, 142, 85, 10, 0},
        {1014, K::ListBox, "", 136, 154, 97, 57, list | S::Sort},
        {-1, K::Static, "Playlist", 144, 142, 46, 10, 0},
        {1015, K::Button, ">>", 112, 154, 19, 13, S::TabStop},
        {1016, K::Button, "<<", 112, 172, 19, 13, S::TabStop},
    };
    TemplateResult parsed = parseDialogTemplate(setupTemplateText(), "setup.dlg");
    ASSERT_TRUE(parsed.dialog) << parsed.error;
    const DialogTemplate& dialog = *parsed.dialog;
    EXPECT_EQ(dialog.id, 101);
    EXPECT_EQ(dialog.caption, "VELDRIN setup");
    EXPECT_EQ(dialog.width, 240);
    EXPECT_EQ(dialog.height, 266);
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_FALSE(dialog.closeBox);
    ASSERT_EQ(dialog.controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const DialogControl& control = dialog.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + row.text + "\"");
        EXPECT_EQ(control.id, row.id);
        EXPECT_EQ(control.kind, row.kind);
        EXPECT_EQ(control.text, row.text);
        EXPECT_EQ(control.x, row.x);
        EXPECT_EQ(control.y, row.y);
        EXPECT_EQ(control.width, row.width);
        EXPECT_EQ(control.height, row.height);
        EXPECT_EQ(control.style, row.style);
    }
}

TEST(DialogTemplate, ReadsStatementsQuotesAndComments) {
    const char* text = "# a comment\r\n"
                       "DIALOG 7 100 50   # size\r\n"
                       "CAPTION \"say \\\"hi\\\" \\\\ # not a comment\"\n"
                       "FONT 10 serif\n"
                       "STYLE closebox\n"
                       "\n"
                       "  12 edit 1 2 3 4 \"\" border tabstop\n"
                       "- static 0 0 10 10 \"two  blanks\"\n";
    TemplateResult parsed = parseDialogTemplate(text, "t.dlg");
    ASSERT_TRUE(parsed.dialog) << parsed.error;
    const DialogTemplate& dialog = *parsed.dialog;
    EXPECT_EQ(dialog.id, 7);
    EXPECT_EQ(dialog.caption, "say \"hi\" \\ # not a comment");
    EXPECT_EQ(dialog.fontPoints, 10);
    EXPECT_EQ(dialog.fontFace, "serif");
    EXPECT_TRUE(dialog.closeBox);
    ASSERT_EQ(dialog.controls.size(), 2u);
    EXPECT_EQ(dialog.controls[0].style, ControlStyle::Border | ControlStyle::TabStop);
    EXPECT_EQ(dialog.controls[1].id, NoControlId);
    EXPECT_EQ(dialog.controls[1].text, "two  blanks");
    ASSERT_NE(dialog.find(12), nullptr);
    EXPECT_EQ(dialog.find(12)->width, 3);
    EXPECT_EQ(dialog.find(NoControlId), nullptr);
    EXPECT_EQ(dialog.find(13), nullptr);
}

TEST(DialogTemplate, RejectsBadTextWithLineAndReason) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "t.dlg: no DIALOG line"},
        {"# only a comment\n1 button 0 0 1 1 \"x\"\n", "t.dlg: no DIALOG line"},
        {"DIALOG 1 0 10\n", "t.dlg line 1: the dialog's size must be positive"},
        {"DIALOG 1 10\n", "t.dlg line 1: DIALOG needs: id width height"},
        {"DIALOG 1 10 10\nWINDOW 3\n", "t.dlg line 2: unknown statement 'WINDOW'"},
        {"DIALOG 1 10 10\nCAPTION title\n",
         "t.dlg line 2: CAPTION needs one text in double quotes"},
        {"DIALOG 1 10 10\nCAPTION \"open\n", "t.dlg line 2: text without closing quote"},
        {"DIALOG 1 10 10\nCAPTION \"a\\n\"\n",
         "t.dlg line 2: unknown escape in text (only \\\" and \\\\ are allowed)"},
        {"DIALOG 1 10 10\nFONT big sans\n", "t.dlg line 2: FONT needs: points face"},
        {"DIALOG 1 10 10\nSTYLE sizable\n", "t.dlg line 2: unknown dialog style 'sizable'"},
        {"DIALOG 1 10 10\n\n1 slider 0 0 1 1 \"\"\n",
         "t.dlg line 3: unknown control kind 'slider'"},
        {"DIALOG 1 10 10\n1 button 0 0 1 \"x\"\n",
         "t.dlg line 2: a control needs: id kind x y width height \"text\" [flags]"},
        {"DIALOG 1 10 10\n1 button 0 0 1 1x \"x\"\n", "t.dlg line 2: '1x' is not a whole number"},
        {"DIALOG 1 10 10\n1 button 0 0 -1 1 \"x\"\n",
         "t.dlg line 2: a control's size may not be negative"},
        {"DIALOG 1 10 10\n1 button 0 0 1 1 x\n",
         "t.dlg line 2: the control's text must be in double quotes"},
        {"DIALOG 1 10 10\n1 button 0 0 1 1 \"x\" bold\n", "t.dlg line 2: unknown flag 'bold'"},
        {"DIALOG 1 10 10\nx button 0 0 1 1 \"x\"\n",
         "t.dlg line 2: control id 'x' is neither a number from 0 up nor '-'"},
        {"DIALOG 1 10 10\n5 button 0 0 1 1 \"a\"\n5 edit 0 0 1 1 \"\"\n",
         "t.dlg line 3: control id 5 is used twice"},
    };
    for (const Case& c : cases) {
        TemplateResult parsed = parseDialogTemplate(c.text, "t.dlg");
        EXPECT_FALSE(parsed.dialog.has_value()) << c.text;
        EXPECT_EQ(parsed.error, c.error) << c.text;
    }
}

const char* const ModelTemplate = "DIALOG 1 100 100\n"
                                  "1 listbox 0 0 10 10 \"\" sort\n"
                                  "2 listbox 0 0 10 10 \"\"\n"
                                  "3 radio 0 0 10 10 \"r1\" group\n"
                                  "4 radio 0 0 10 10 \"r2\"\n"
                                  "5 radio 0 0 10 10 \"r3\" group\n"
                                  "- static 0 0 10 10 \"label\"\n"
                                  "6 radio 0 0 10 10 \"r4\"\n"
                                  "7 edit 0 0 10 10 \"ignored\"\n";

DialogTemplate modelTemplate() {
    return *parseDialogTemplate(ModelTemplate, "model").dialog;
}

TEST(DialogModel, SortedListsIgnoreCaseAndKeepEqualLinesInOrder) {
    DialogModel model(modelTemplate());
    struct Add {
        const char* text;
        int sortedIndex, plainIndex;
    };
    const Add adds[] = {{"b", 0, 0}, {"A", 0, 1}, {"a", 1, 2},
                        {"C", 3, 3}, {"B", 3, 4}, {"", 0, 5}};
    for (const Add& add : adds) {
        EXPECT_EQ(model.addString(1, add.text), add.sortedIndex) << add.text;
        EXPECT_EQ(model.addString(2, add.text), add.plainIndex) << add.text;
    }
    std::vector<std::string> sorted, plain;
    for (int i = 0; i < model.count(1); ++i) {
        sorted.push_back(model.itemText(1, i));
        plain.push_back(model.itemText(2, i));
    }
    EXPECT_EQ(sorted, (std::vector<std::string>{"", "A", "a", "b", "B", "C"}));
    EXPECT_EQ(plain, (std::vector<std::string>{"b", "A", "a", "C", "B", ""}));
    EXPECT_EQ(model.itemText(1, 6), "");
    EXPECT_EQ(model.itemText(1, -1), "");
    EXPECT_EQ(model.addString(7, "not a list"), -1);
}

TEST(DialogModel, SelectionFollowsItsLineAndClearsOnDelete) {
    DialogModel model(modelTemplate());
    model.addString(1, "m");
    model.select(1, 0);
    model.addString(1, "a"); // inserted above the selected line
    EXPECT_EQ(model.selection(1), 1);
    EXPECT_EQ(model.itemText(1, model.selection(1)), "m");
    model.select(1, 5); // out of range clears
    EXPECT_EQ(model.selection(1), -1);
    model.select(1, 0);
    model.deleteString(1, 1);
    EXPECT_EQ(model.selection(1), -1);
    model.deleteString(1, 3); // out of range: nothing
    EXPECT_EQ(model.count(1), 1);
}

TEST(DialogModel, RadioGroupsAndEditLimits) {
    DialogModel model(modelTemplate());
    EXPECT_EQ(radioGroups(modelTemplate()), (std::vector<int>{-1, -1, 0, 0, 1, -1, 2, -1}));
    model.clickRadio(3);
    model.clickRadio(5);
    model.clickRadio(4);
    EXPECT_FALSE(model.checked(3));
    EXPECT_TRUE(model.checked(4));
    EXPECT_TRUE(model.checked(5)); // another group
    model.clickRadio(6);
    EXPECT_TRUE(model.checked(5));

    EXPECT_EQ(model.text(7), ""); // an edit field's template text is not its content
    model.setTextLimit(7, 4);
    model.typeText(7, "abcdefgh");
    EXPECT_EQ(model.text(7), "abcd");
    model.setText(7, "abcdefgh"); // the program itself is not limited
    EXPECT_EQ(model.text(7), "abcdefgh");
    EXPECT_EQ(model.text(3), "r1");
    EXPECT_EQ(model.text(99), "");
    EXPECT_FALSE(model.result().has_value());
    model.end(5);
    EXPECT_EQ(model.result(), 5);
}

} // namespace
