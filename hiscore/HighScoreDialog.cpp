#include "hiscore/HighScoreDialog.h"

#include "hiscore/BrowserLauncher.h"
#include "hiscore/ScoreServer.h"
#include "hiscore/SubmissionDialog.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"

#include <FL/x.H>

namespace {
// Hands the toolkit a display connection opened here, so that a missing display
// is reported and skipped instead of ending the process from inside the exit
// handlers (the toolkit's own failure path calls exit).
bool displayAvailable() {
    if (fl_display != nullptr)
        return true;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        messageBox("Nelze otevrit displej, skore nelze odeslat.", "HIGHSCORE ERROR",
                   BoxIcon::Error);
        return false;
    }
    fl_open_display(display);
    return true;
}
} // namespace

void showHighScoreDialog(std::int32_t highScore) {
    // Nothing to submit: the dialog closes before it is ever shown.
    if (highScore <= 0)
        return;
    const std::optional<DialogTemplate> dialogTemplate = highScoreTemplate(highScoreTableAddress());
    if (!dialogTemplate || !displayAvailable())
        return;
    Dialog dialog(*dialogTemplate);
    SubmissionDialog procedure(dialog, highScore, scoreServerAddress(), openInBrowser);
    procedure.initialise();
    dialog.setCommandHandler([&procedure](int controlId) { procedure.onCommand(controlId); });
    dialog.runModal();
}
