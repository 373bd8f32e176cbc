#include "hiscore/SubmissionDialog.h"

#include "platform/MessageBox.h"
#include "resources/hiscoreTemplateText.h"

#include <utility>

SubmissionDialog::SubmissionDialog(DialogControls& controls, std::int32_t highScore,
                                   std::string baseAddress, AddressOpener open)
    : controls(controls), highScore(highScore), baseAddress(std::move(baseAddress)),
      open(std::move(open)) {}

void SubmissionDialog::initialise() {
    controls.setText(SubmissionControl::Score, "SCORE: " + std::to_string(highScore));
    controls.setTextLimit(SubmissionControl::Name, nameFieldLimit);
    controls.setTextLimit(SubmissionControl::Email, emailFieldLimit);
}

void SubmissionDialog::onCommand(int controlId) {
    switch (controlId) {
    case SubmissionControl::Ok:
        submit();
        break;
    case SubmissionControl::Cancel:
        controls.end(0);
        break;
    default:
        break; // Escape and the close box (command 2) leave the dialog open
    }
}

void SubmissionDialog::submit() {
    const SubmissionFields before{controls.text(SubmissionControl::Name),
                                  controls.text(SubmissionControl::Email)};
    SubmissionFields fields = before;
    const bool sent = submitHighScore(fields, highScore, baseAddress, open);
    // Only a corrected field is written back, so an untouched one keeps its cursor.
    if (fields.name != before.name)
        controls.setText(SubmissionControl::Name, fields.name);
    if (fields.email != before.email)
        controls.setText(SubmissionControl::Email, fields.email);
    if (sent)
        controls.end(0);
}

std::optional<DialogTemplate> highScoreTemplate(const std::string& caption) {
    TemplateResult parsed = parseDialogTemplate(hiscoreTemplateText(), "hiscore.dlg");
    if (!parsed.dialog) {
        messageBox(parsed.error.c_str(), "HIGHSCORE ERROR", BoxIcon::Error);
        return std::nullopt;
    }
    parsed.dialog->caption = caption;
    return parsed.dialog;
}
