#include "app/OverlayQuads.h"

#include "app/GLWindow.h"
#include "gfx/Scene.h"

#include <GL/gl.h>

void drawPictureQuad(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2i(left, top);
    glTexCoord2f(0, 0);
    glVertex2i(left, bottom);
    glTexCoord2f(1, 0);
    glVertex2i(right, bottom);
    glTexCoord2f(1, 1);
    glVertex2i(right, top);
    glEnd();
}

void drawFullScreenPicture(int sceneTextureSlot) {
    glBindTexture(GL_TEXTURE_2D, sceneTextures[sceneTextureSlot]);
    drawPictureQuad(0, 0, window.width, window.height);
}

void drawShadedPanel(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.5f);
    glBegin(GL_QUADS);
    glVertex2i(left, top);
    glVertex2i(left, bottom);
    glVertex2i(right, bottom);
    glVertex2i(right, top);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}
