#pragma once

// The frame step of a game in progress: camera after the pointer, the click,
// the pair reward, zoom, take-back and re-deal keys, the board, the heads-up
// display, the automatic re-deal, the combo decay and the effect picture. Sets
// `gameState` to GameOver when the board is cleared or Esc is pressed.
void runPlaying();
