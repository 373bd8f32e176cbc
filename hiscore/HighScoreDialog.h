#pragma once

#include <cstdint>

// The modal dialog that offers to send the run's best score to the internet
// high-score table. Closes at once, unseen, when the score is 0 (or below).
void showHighScoreDialog(std::int32_t highScore);
