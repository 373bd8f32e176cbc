#pragma once

// A modal box with the text, the caption and only an OK button, centred on the
// screen, on top of the setup dialog.
void showErrorBox(const char* text, const char* caption);
