#pragma once

// Asks the main loop to end, as closing the window does: posts one quit
// message (exit code 0) that the loop takes at its next turn.
void postQuitMessage();
