#pragma once

// Helpers of the display tests. X11's headers stay in DisplayHelpers.cpp: their
// macros collide with GoogleTest's.

#include <string>

class Fl_Window;

// Runs a command through the shell and returns its standard output, for the
// xdotool calls.
std::string runCommand(const std::string& command);

// The X window of a shown toolkit window.
unsigned long windowIdOf(Fl_Window* window);
// Gives a window the keyboard focus, as a click on it would under a window manager.
void focusWindow(unsigned long window);
// Sends a window what a window manager sends when the user clicks its close box
// (WM_PROTOCOLS / WM_DELETE_WINDOW), through the toolkit's display connection.
void sendCloseRequest(unsigned long window);
