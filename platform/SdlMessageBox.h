#pragma once

// Routes message boxes to SDL's simple message box with no parent window.
void installSdlMessageBox();
