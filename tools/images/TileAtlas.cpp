#include "TileAtlas.h"

#include "FaceKinds.h"
#include "FacePainter.h"

// Pixels per face unit of the drawing: 576 x 896, nine by fourteen pixels of
// drawing for each pixel of a 64-pixel face.
constexpr float drawingScale = 3.2f;

std::vector<Canvas> tileAtlases(const std::vector<int>& sizes, const FontSet& fonts) {
    std::vector<Canvas> atlases;
    for (int size : sizes)
        atlases.emplace_back(size, size * faceCount);
    for (int face = 1; face <= faceCount; ++face) {
        Canvas drawing(static_cast<int>(faceWide * drawingScale),
                       static_cast<int>(faceHigh * drawingScale));
        Sketch sketch(drawing, drawingScale);
        drawFace(sketch, face, fonts);
        for (Canvas& atlas : atlases) {
            const int size = atlas.width();
            const Canvas small = resampled(drawing, size, size);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    atlas.setPixel(x, (face - 1) * size + y, small.pixel(x, y));
        }
    }
    return atlases;
}
