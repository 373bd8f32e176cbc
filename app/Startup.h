#pragma once

// The program entry of the game: reads the settings, brings up sound, music,
// effects and the window, runs the main loop and returns the exit code.
int runGame();

// Audio, music, effects, window and scene; false at the first failure, which
// has already been reported.
bool initApplication();

// The at-exit handler: stops the sound, gives the desktop its display mode back
// and offers the high-score submission.
void onExit();
