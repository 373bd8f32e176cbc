// setup: the dialog that writes config.cfg for the game. Exit code: the dialog's
// result, 1008 after SAVE (the shell sees it modulo 256, as 240), 2 after EXIT or
// Escape, 1 when config.cfg could not be written or the dialog cannot be built.

#include "platform/Dialog.h"
#include "platform/DisplayModes.h"
#include "resources/setupTemplateText.h"
#include "setup/ErrorBox.h"
#include "setup/SetupDialog.h"

#include <cstdio>

int main() {
    TemplateResult parsed = parseDialogTemplate(setupTemplateText(), "setup.dlg");
    if (!parsed.dialog) {
        std::fprintf(stderr, "setup: %s\n", parsed.error.c_str());
        return 1;
    }
    SetupEnvironment env;
    env.enumeratedModes = enumerateDisplayModes();
    env.showError = showErrorBox;

    Dialog dialog(*parsed.dialog);
    SetupState state;
    initSetupDialog(dialog, state, env);
    dialog.setCommandHandler([&](int id) { setupDialogProc(dialog, state, env, id); });
    return dialog.runModal();
}
