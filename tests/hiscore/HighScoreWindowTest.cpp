// The high-score dialog as an FLTK window in this process, under the test X
// server: what the toolkit does with the close box, Escape and typed text.

#include "DisplayHelpers.h"
#include "hiscore/SubmissionDialog.h"
#include "platform/Dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
constexpr const char* caption = "http://scores.test/hiscore2003.php";

class HighScoreWindow : public testing::Test {
  protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        ASSERT_TRUE(display && *display) << "these tests need an X display (scripts/test.sh)";
        std::optional<DialogTemplate> parsed = highScoreTemplate(caption);
        ASSERT_TRUE(parsed.has_value());
        dialog.emplace(*parsed);
        procedure.emplace(*dialog, 77, "http://scores.test", [this](const std::string& address) {
            sent.push_back(address);
            return true;
        });
        procedure->initialise();
        dialog->setCommandHandler([this](int id) {
            commands.push_back(id);
            procedure->onCommand(id);
        });
        dialog->window()->show();
        pumpUntil([this] { return dialog->window()->visible() != 0; });
        focusWindow(windowIdOf(dialog->window()));
    }
    void TearDown() override {
        if (dialog)
            dialog->window()->hide();
        Fl::wait(0);
    }

    // Lets the toolkit handle events until `done` holds, for at most a few
    // hundred rounds so a lost event fails the test instead of hanging it.
    template <typename Done> bool pumpUntil(Done done) {
        for (int round = 0; round < 500 && !done(); ++round)
            Fl::wait(0.02);
        return done();
    }
    bool sawCommand(int id) const {
        return std::find(commands.begin(), commands.end(), id) != commands.end();
    }
    std::optional<Dialog> dialog;
    std::optional<SubmissionDialog> procedure;
    std::vector<int> commands;
    std::vector<std::string> sent;
};
} // namespace

TEST_F(HighScoreWindow, ShowsTheTableAddressAndTheScore) {
    EXPECT_STREQ(dialog->window()->label(), caption);
    EXPECT_EQ(dialog->text(SubmissionControl::Score), "SCORE: 77");
}

TEST_F(HighScoreWindow, CloseBoxLeavesTheDialogOpen) {
    sendCloseRequest(windowIdOf(dialog->window()));
    ASSERT_TRUE(pumpUntil([this] { return sawCommand(2); })) << "the close request never arrived";
    EXPECT_TRUE(dialog->isOpen());
    EXPECT_TRUE(sent.empty());
}

TEST_F(HighScoreWindow, TypedTextStopsAtTheFieldLimitAndEscapeIsIgnored) {
    struct FieldCase {
        int id;
        std::size_t limit;
    };
    for (FieldCase field :
         {FieldCase{SubmissionControl::Name, 20}, FieldCase{SubmissionControl::Email, 60}}) {
        commands.clear();
        dialog->focus(field.id);
        Fl::wait(0.02);
        // Escape after the text: once it arrives, every character before it has too.
        runCommand("xdotool type --delay 1 " + std::string(field.limit + 5, 'x') +
                   " && xdotool key Escape");
        ASSERT_TRUE(pumpUntil([this] { return sawCommand(2); })) << "Escape never arrived";
        EXPECT_EQ(dialog->text(field.id), std::string(field.limit, 'x'));
        EXPECT_TRUE(dialog->isOpen());
    }
    EXPECT_TRUE(sent.empty());
}
