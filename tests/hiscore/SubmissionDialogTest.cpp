#include "hiscore/SubmissionDialog.h"
#include "platform/DialogModel.h"
#include "platform/GameRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr const char* base = "http://scores.test";
constexpr std::int32_t score = 1234;

// Template 101 held in memory with its procedure; the opener records addresses.
class SubmissionDialogModel : public testing::Test {
  protected:
    void SetUp() override {
        std::optional<DialogTemplate> parsed = highScoreTemplate("caption");
        ASSERT_TRUE(parsed.has_value());
        model.emplace(*parsed);
        procedure.emplace(*model, score, base, [this](const std::string& address) {
            sent.push_back(address);
            return browserStarts;
        });
        procedure->initialise();
    }
    std::optional<DialogModel> model;
    std::optional<SubmissionDialog> procedure;
    std::vector<std::string> sent;
    bool browserStarts = true;
};
} // namespace

TEST(HighScoreTemplate, HoldsTheControlsInTabOrder) {
    std::optional<DialogTemplate> parsed = highScoreTemplate("http://scores.test/hiscore2003.php");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->id, 101);
    EXPECT_EQ(parsed->width, 186);
    EXPECT_EQ(parsed->height, 111);
    EXPECT_EQ(parsed->fontPoints, 8);
    EXPECT_TRUE(parsed->closeBox);
    EXPECT_EQ(parsed->caption, "http://scores.test/hiscore2003.php");

    namespace S = ControlStyle;
    const std::uint32_t field = S::Border | S::AutoHScroll | S::TabStop;
    const std::vector<DialogControl> expected = {
        {1003, ControlKind::Button, "OK", 7, 90, 50, 14, S::Default | S::TabStop},
        {1004, ControlKind::Button, "Cancel", 129, 90, 50, 14, S::TabStop},
        {NoControlId, ControlKind::Static, "INTERNET HIGHSCORE", 7, 7, 172, 9, S::Center},
        {1000, ControlKind::Edit, "", 39, 42, 140, 15, field},
        {NoControlId, ControlKind::Static, "NAME", 7, 42, 33, 13, S::VCenter},
        {1001, ControlKind::Edit, "", 39, 61, 140, 15, field},
        {NoControlId, ControlKind::Static, "E-MAIL", 7, 62, 33, 13, S::VCenter},
        {1002, ControlKind::Static, "SCORE", 7, 17, 172, 13, S::Center | S::VCenter},
    };
    ASSERT_EQ(parsed->controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DialogControl& got = parsed->controls[i];
        const DialogControl& want = expected[i];
        SCOPED_TRACE(want.text);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(std::vector<int>({got.x, got.y, got.width, got.height}),
                  std::vector<int>({want.x, want.y, want.width, want.height}));
        EXPECT_EQ(got.style, want.style);
    }
}

TEST_F(SubmissionDialogModel, ShowsTheScoreAndLimitsTheFields) {
    EXPECT_EQ(model->text(SubmissionControl::Score), "SCORE: 1234");
    model->typeText(SubmissionControl::Name, std::string(25, 'n'));
    model->typeText(SubmissionControl::Email, std::string(70, 'e'));
    EXPECT_EQ(model->text(SubmissionControl::Name), std::string(20, 'n'));
    EXPECT_EQ(model->text(SubmissionControl::Email), std::string(60, 'e'));
}

TEST_F(SubmissionDialogModel, OnlyOkAndCancelAnswer) {
    model->typeText(SubmissionControl::Name, "Alice");
    model->typeText(SubmissionControl::Email, "alice@example.org");
    // 2 is what Escape and the close box send; the rest are ids that send no
    // command of their own.
    for (int ignored : {2, 1, 0, SubmissionControl::Name, SubmissionControl::Email,
                        SubmissionControl::Score, NoControlId}) {
        procedure->onCommand(ignored);
        EXPECT_FALSE(model->result().has_value()) << "command " << ignored;
    }
    EXPECT_TRUE(sent.empty());
    procedure->onCommand(SubmissionControl::Cancel);
    EXPECT_EQ(model->result(), 0);
    EXPECT_TRUE(sent.empty());
}

TEST_F(SubmissionDialogModel, OkCorrectsTheFieldsUntilTheRequestGoesOut) {
    seedGameRandom(2024);
    model->typeText(SubmissionControl::Name, "Ann Lee");
    model->typeText(SubmissionControl::Email, "ann-lee@example.org");
    procedure->onCommand(SubmissionControl::Ok);
    EXPECT_EQ(model->text(SubmissionControl::Name), "Ann");
    EXPECT_EQ(model->text(SubmissionControl::Email), "ann-lee@example.org");
    procedure->onCommand(SubmissionControl::Ok);
    EXPECT_EQ(model->text(SubmissionControl::Email), "ann");
    procedure->onCommand(SubmissionControl::Ok);
    EXPECT_EQ(model->text(SubmissionControl::Email), "");
    EXPECT_FALSE(model->result().has_value());
    EXPECT_TRUE(sent.empty());

    model->typeText(SubmissionControl::Email, "ann@example.org");
    procedure->onCommand(SubmissionControl::Ok);
    EXPECT_EQ(model->result(), 0);
    seedGameRandom(2024);
    for (int i = 0; i < 9; ++i)
        drawGameRandom();
    const std::int32_t r = drawSubmissionRandom();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], requestAddress(base, "Ann", score, "ann@example.org", r));
}

TEST_F(SubmissionDialogModel, BrowserThatDoesNotStartLeavesTheDialogOpen) {
    browserStarts = false;
    model->typeText(SubmissionControl::Name, "Alice");
    model->typeText(SubmissionControl::Email, "alice@example.org");
    procedure->onCommand(SubmissionControl::Ok);
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_FALSE(model->result().has_value());
}
