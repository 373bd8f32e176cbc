#pragma once

#include "gfx/QuadEmitter.h"

#include <string>
#include <vector>

// Records what the board drawing sends instead of drawing it: every call as a
// line of text, and every quad with the state it would have been drawn in.
class RecordingEmitter final : public QuadEmitter {
  public:
    struct DrawnQuad {
        Quad quad;
        bool lighting, texturing, colourMaterial;
        float colour[3];
        std::uint32_t texture;
        int batch; // which beginQuads / endQuads pair it belongs to
    };

    void setSwitch(DrawSwitch which, bool on) override {
        const char* names[] = {"lighting", "texturing", "colour material"};
        int index = static_cast<int>(which);
        (index == 0 ? lighting : index == 1 ? texturing : colourMaterial) = on;
        log.push_back(std::string(on ? "enable " : "disable ") + names[index]);
    }
    void colourMaterialFrontDiffuse() override { log.push_back("colour material front diffuse"); }
    void colour(float red, float green, float blue) override {
        current[0] = red;
        current[1] = green;
        current[2] = blue;
        log.push_back("colour " + number(red) + " " + number(green) + " " + number(blue));
    }
    void bindTexture(std::uint32_t name) override {
        texture = name;
        log.push_back("bind " + std::to_string(name));
    }
    void beginQuads() override {
        if (inBatch)
            faults.push_back("batch begun inside a batch");
        inBatch = true;
        ++batches;
        log.push_back("begin");
    }
    void quad(const Quad& quad) override {
        if (!inBatch)
            faults.push_back("quad outside a batch");
        quads.push_back({quad,
                         lighting,
                         texturing,
                         colourMaterial,
                         {current[0], current[1], current[2]},
                         texture,
                         batches});
        log.push_back("quad");
    }
    void endQuads() override {
        if (!inBatch)
            faults.push_back("batch ended outside a batch");
        inBatch = false;
        log.push_back("end");
    }

    // The state on entry to the board drawing: lighting and texturing on.
    bool lighting = true;
    bool texturing = true;
    bool colourMaterial = false;
    float current[3] = {1, 1, 1};
    std::uint32_t texture = 0;
    bool inBatch = false;
    int batches = 0;

    std::vector<std::string> log;
    std::vector<DrawnQuad> quads;
    std::vector<std::string> faults;

  private:
    static std::string number(float value) {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        return text;
    }
};
