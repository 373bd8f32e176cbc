#pragma once

// The one way the programs tell the user about a failure. The text always goes
// to standard error as well, so a message is never lost when no display can
// show the box (tests, a headless session).

enum class BoxIcon { None, Information, Warning, Error };

// Shows a modal box with an OK button and no owner window. An empty or null
// caption shows "Error", the way the desktop labels a box without a caption.
void messageBox(const char* text, const char* caption, BoxIcon icon);

// How a box is put on screen. The programs install the SDL box at start-up;
// until then (and in logic tests) boxes go to standard error only.
using MessageBoxDisplay = void (*)(const char* text, const char* caption, BoxIcon icon);
void setMessageBoxDisplay(MessageBoxDisplay display);
