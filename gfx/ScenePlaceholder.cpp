// Least code that lets the game run until the scene set-up lands.
#include "gfx/Scene.h"

#include <GL/gl.h>

std::uint32_t sceneTextures[5] = {};

bool initScene() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    return true;
}
