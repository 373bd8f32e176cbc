#pragma once

// Draws one whole frame and moves the game from screen to screen. Called by the
// main loop with the context current; the loop swaps the buffers afterwards.
void runFrame();

// Starts a game: a new board from the chosen layout with the chosen tile set,
// dealt, and the combo level back at 0.
void startGame();

// One action per key press: true when the key (a virtual-key code) is down,
// and then its entry in `keys` is cleared until the next key-down.
bool consumeKey(int virtualKey);
