#include "gfx/Scene.h"

#include "app/Settings.h"
#include "gfx/SceneTextures.h"

#include <GL/gl.h>

std::uint32_t sceneTextures[5] = {};

namespace {

void setFixedState() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    // Additive blending for the drawing steps that switch blending on.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

// One white light from the viewer's side (GL's default position (0, 0, 1, 0)).
void setLight() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat white[] = {1, 1, 1, 1};
    const GLfloat black[] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    const GLfloat grey[] = {0.7f, 0.7f, 0.7f, 1};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, grey);
    glMaterialfv(GL_FRONT, GL_AMBIENT, black);
}

void loadSceneTextures() {
    glGenTextures(5, sceneTextures);
    if (background == 0 || background == 1)
        loadTexture(backgroundFiles[background], sceneTextures[0], backgroundTextureSize);
    loadTexture("tex\\bang.bmp", sceneTextures[1], effectTextureSize);
    loadTexture("tex\\combo.bmp", sceneTextures[2], effectTextureSize);
    loadTexture("tex\\turbo.bmp", sceneTextures[3], effectTextureSize);
    loadTexture("tex\\help.bmp", sceneTextures[4], helpTextureSize);
}

} // namespace

bool initScene() {
    faceTextureRelease = releaseFaceTextures;
    setFixedState();
    setLight();
    loadSceneTextures();
    return true;
}
