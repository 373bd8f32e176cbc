#pragma once

// Draws one whole frame and moves the game from screen to screen. Called by the
// main loop with the context current; the loop swaps the buffers afterwards.
void runFrame();
