#pragma once

#include <cstdint>

// One corner of a quad: world position and texture coordinate.
struct QuadVertex {
    float x, y, z;
    float s, t;
};

// One quad, corners counter-clockwise as seen from outside.
struct Quad {
    bool hasNormal;  // false: the quad gives no normal (unlit geometry)
    float normal[3]; // not normalised further: the bevels use 0.707
    QuadVertex corner[4];
};

// Switches that the board drawing changes for a tile.
enum class DrawSwitch { Lighting, Texturing, ColourMaterial };

// Where the board drawing sends its state changes and quads. The game draws
// through `immediateQuads()` (OpenGL immediate mode); tests put a recorder in
// its place and look at exactly what would have been drawn.
class QuadEmitter {
  public:
    virtual ~QuadEmitter() = default;
    virtual void setSwitch(DrawSwitch which, bool on) = 0;
    // Colour material tracks the front face's diffuse colour.
    virtual void colourMaterialFrontDiffuse() = 0;
    virtual void colour(float red, float green, float blue) = 0;
    virtual void bindTexture(std::uint32_t name) = 0;
    virtual void beginQuads() = 0;
    virtual void quad(const Quad& quad) = 0;
    virtual void endQuads() = 0;
};

// The emitter that draws with OpenGL 1.1 immediate-mode calls in the current
// context.
QuadEmitter& immediateQuads();
