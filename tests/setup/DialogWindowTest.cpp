// The FLTK dialog built from the setup template, on the test X server.

#include "platform/Dialog.h"
#include "platform/DialogModel.h"
#include "resources/setupTemplateText.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

DialogTemplate setupTemplate() {
    return *parseDialogTemplate(setupTemplateText(), "setup.dlg").dialog;
}

class DialogWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "needs an X display (scripts/test.sh starts Xvfb)";
    }

    // Sends a key to the window the way the toolkit delivers one that no
    // focused widget took.
    static void pressKey(Dialog& dialog, int key) {
        Fl::e_keysym = key;
        dialog.window()->handle(FL_SHORTCUT);
    }
};

TEST_F(DialogWindowTest, PlacesEveryControlInDialogUnits) {
    DialogTemplate tmpl = setupTemplate();
    Dialog dialog(tmpl);
    const DialogBaseUnits& units = dialog.baseUnits();
    // Large enough to read: at least a 13-pixel font on a plain X screen.
    EXPECT_GE(units.fontPixels, 13);
    EXPECT_GE(units.baseUnitY, units.fontPixels);
    EXPECT_GT(units.baseUnitX, 4);
    EXPECT_EQ(dialog.window()->w(), units.toPixelsX(240));
    EXPECT_EQ(dialog.window()->h(), units.toPixelsY(266));
    EXPECT_STREQ(dialog.window()->label(), "VELDRIN setup");

    // Widgets are the window's children in tab order, one per control.
    ASSERT_EQ(dialog.window()->children(), static_cast<int>(tmpl.controls.size()));
    for (int i = 0; i < dialog.window()->children(); ++i) {
        const DialogControl& control = tmpl.controls[i];
        Fl_Widget* widget = dialog.window()->child(i);
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + control.text + "\"");
        EXPECT_EQ(widget->x(), units.toPixelsX(control.x));
        EXPECT_EQ(widget->y(), units.toPixelsY(control.y));
        EXPECT_EQ(widget->w(), units.toPixelsX(control.width));
        EXPECT_EQ(widget->h(), units.toPixelsY(control.height));
        EXPECT_EQ(widget->visible_focus() != 0, control.has(ControlStyle::TabStop));
        EXPECT_EQ(widget->labelsize(), units.fontPixels);
        if (control.id != NoControlId && control.kind != ControlKind::Edit &&
            control.kind != ControlKind::ListBox) {
            EXPECT_EQ(dialog.text(control.id), control.text);
        }
    }
    EXPECT_EQ(units.toPixelsX(4), units.baseUnitX);
    EXPECT_EQ(units.toPixelsY(8), units.baseUnitY);
}

// The FLTK dialog and the in-memory model answer the same calls alike.
TEST_F(DialogWindowTest, BehavesLikeTheModel) {
    DialogTemplate tmpl = setupTemplate();
    Dialog dialog(tmpl);
    DialogModel model(tmpl);
    for (DialogControls* controls :
         {static_cast<DialogControls*>(&dialog), static_cast<DialogControls*>(&model)}) {
        for (const char* name : {"b.mod", "A.mod", "a@b.mod", "B.MOD", "c d.mod"})
            controls->addString(1013, name);
        controls->addString(1000, "2");
        controls->addString(1000, "1");
        controls->select(1013, 2);
        controls->deleteString(1013, 0);
        controls->setText(1006, "77");
        controls->setText(1005, "status @ line");
        controls->setChecked(1010, true);
        controls->setTextLimit(1007, 3);
    }
    for (int id : {1000, 1013}) {
        ASSERT_EQ(dialog.count(id), model.count(id));
        for (int i = 0; i < model.count(id); ++i)
            EXPECT_EQ(dialog.itemText(id, i), model.itemText(id, i));
        EXPECT_EQ(dialog.selection(id), model.selection(id));
    }
    EXPECT_EQ(model.itemText(1013, 0), "a@b.mod");
    EXPECT_EQ(model.itemText(1000, 0), "2"); // the mode list keeps the order it is given
    for (int id : {1005, 1006, 1007, 1008, 1009})
        EXPECT_EQ(dialog.text(id), model.text(id)) << id;
    EXPECT_EQ(dialog.checked(1010), model.checked(1010));
    EXPECT_EQ(dialog.checked(1009), model.checked(1009));
}

TEST_F(DialogWindowTest, RoutesKeysButtonsAndTheCloseBox) {
    Dialog dialog(setupTemplate());
    std::vector<int> commands;
    dialog.setCommandHandler([&](int id) { commands.push_back(id); });
    dialog.window()->show(); // keyboard focus needs a window on the screen
    Fl::wait(0.1);

    pressKey(dialog, FL_Enter); // the default button
    pressKey(dialog, FL_KP_Enter);
    pressKey(dialog, FL_Escape);
    Fl::focus(dialog.widget(1015)); // a focused push button takes Enter
    pressKey(dialog, FL_Enter);
    Fl::focus(dialog.widget(1006)); // a field does not
    pressKey(dialog, FL_Enter);
    dialog.widget(1004)->do_callback();
    dialog.widget(1010)->do_callback();
    dialog.window()->do_callback(); // the close box: ignored without STYLE closebox
    EXPECT_EQ(commands, (std::vector<int>{1008, 1008, 2, 1015, 1008, 1004, 1010}));

    // A list box leaves Enter and Escape to the dialog.
    Fl::e_keysym = FL_Enter;
    EXPECT_EQ(dialog.widget(1013)->handle(FL_KEYBOARD), 0);
    Fl::e_keysym = FL_Escape;
    EXPECT_EQ(dialog.widget(1013)->handle(FL_KEYBOARD), 0);

    // Clicking a radio button unchecks the rest of its group.
    dialog.setChecked(1009, true);
    static_cast<Fl_Button*>(dialog.widget(1011))->value(1);
    dialog.widget(1011)->do_callback();
    EXPECT_FALSE(dialog.checked(1009));
    EXPECT_FALSE(dialog.checked(1010));
    EXPECT_TRUE(dialog.checked(1011));
}

TEST_F(DialogWindowTest, CloseBoxSendsTwoWhenTheTemplateHasOne) {
    DialogTemplate tmpl = *parseDialogTemplate("DIALOG 5 50 20\nSTYLE closebox\n"
                                               "1 button 2 2 20 10 \"OK\" default tabstop\n",
                                               "closable")
                               .dialog;
    Dialog dialog(tmpl);
    std::vector<int> commands;
    dialog.setCommandHandler([&](int id) { commands.push_back(id); });
    dialog.window()->do_callback();
    pressKey(dialog, FL_Enter);
    EXPECT_EQ(commands, (std::vector<int>{2, 1}));
}

TEST_F(DialogWindowTest, RunsModallyCentredUntilEnded) {
    Dialog dialog(setupTemplate());
    dialog.setCommandHandler([&](int id) { dialog.end(id); });
    struct Probe {
        Dialog* dialog;
        int x = -1, y = -1;
        bool open = false;
    } probe{&dialog};
    Fl::add_timeout(
        0.2,
        [](void* data) {
            auto* p = static_cast<Probe*>(data);
            p->x = p->dialog->window()->x();
            p->y = p->dialog->window()->y();
            p->open = p->dialog->isOpen();
            p->dialog->command(2);
        },
        &probe);
    EXPECT_EQ(dialog.runModal(), 2);
    EXPECT_TRUE(probe.open);
    EXPECT_FALSE(dialog.isOpen());
    int areaX = 0, areaY = 0, areaW = 0, areaH = 0;
    Fl::screen_work_area(areaX, areaY, areaW, areaH, 0);
    EXPECT_NEAR(probe.x, areaX + (areaW - dialog.window()->w()) / 2, 1);
    EXPECT_NEAR(probe.y, areaY + (areaH - dialog.window()->h()) / 2, 1);
}

} // namespace
