#include "gfx/QuadEmitter.h"

#include <GL/gl.h>

namespace {

GLenum capability(DrawSwitch which) {
    switch (which) {
    case DrawSwitch::Lighting:
        return GL_LIGHTING;
    case DrawSwitch::Texturing:
        return GL_TEXTURE_2D;
    case DrawSwitch::ColourMaterial:
        break;
    }
    return GL_COLOR_MATERIAL;
}

class ImmediateQuads final : public QuadEmitter {
  public:
    void setSwitch(DrawSwitch which, bool on) override {
        if (on)
            glEnable(capability(which));
        else
            glDisable(capability(which));
    }
    void colourMaterialFrontDiffuse() override { glColorMaterial(GL_FRONT, GL_DIFFUSE); }
    void colour(float red, float green, float blue) override { glColor3f(red, green, blue); }
    void bindTexture(std::uint32_t name) override { glBindTexture(GL_TEXTURE_2D, name); }
    void beginQuads() override { glBegin(GL_QUADS); }
    void quad(const Quad& quad) override {
        if (quad.hasNormal)
            glNormal3f(quad.normal[0], quad.normal[1], quad.normal[2]);
        for (const QuadVertex& v : quad.corner) {
            glTexCoord2f(v.s, v.t);
            glVertex3f(v.x, v.y, v.z);
        }
    }
    void endQuads() override { glEnd(); }
};

} // namespace

QuadEmitter& immediateQuads() {
    static ImmediateQuads emitter;
    return emitter;
}
