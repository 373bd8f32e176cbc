// Least code that lets the game run until the game flow lands: a cleared frame.
#include "app/GameFlow.h"
#include "app/GameState.h"

#include <GL/gl.h>

std::int32_t highScore = 0;

void runFrame() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
