#include "gfx/SceneTextures.h"

#include "gfx/RGBImage.h"
#include "gfx/Scene.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

std::size_t faceBytes(int size) {
    return static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 3;
}

// Uploads a size x size RGB texture into the bound name from `pixels`.
void uploadBound(const std::uint8_t* pixels, int size) {
    glTexImage2D(GL_TEXTURE_2D, 0, 3, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

} // namespace

int faceSize(int tileSize) {
    return tileSize == 1 ? 128 : 64;
}

void loadTexture(const char* path, std::uint32_t name, int size) {
    RGBImage image(path);
    if (size <= 0 || !image.holds(0, faceBytes(size)))
        bitmapUnreadable();
    image.swapRedBlue();
    glBindTexture(GL_TEXTURE_2D, name);
    uploadBound(image.pixels.data(), size);
}

void loadFaceTextures(Mahjong& board, const char* path, int tileSize) {
    faceTextureRelease = releaseFaceTextures;
    const int size = faceSize(tileSize);
    board.faceAtlas = new RGBImage(path);
    RGBImage& atlas = *board.faceAtlas;
    if (!atlas.holds(0, faceBytes(size) * faceKinds))
        bitmapUnreadable();
    atlas.swapRedBlue();
    glGenTextures(faceKinds, board.faceTextures);
    for (int i = 0; i < faceKinds; ++i) {
        // The block runs bottom row first, so face i + 1 sits (41 - i) faces in.
        glBindTexture(GL_TEXTURE_2D, board.faceTextures[i]);
        uploadBound(atlas.pixels.data() + (faceKinds - 1 - i) * faceBytes(size), size);
    }
    delete board.faceAtlas;
    board.faceAtlas = nullptr;
}

void releaseFaceTextures(const std::uint32_t names[faceKinds]) {
    glDeleteTextures(faceKinds, names);
}

void replaceBackground(const char* path) {
    glDeleteTextures(1, &sceneTextures[0]);
    glGenTextures(1, &sceneTextures[0]);
    loadTexture(path, sceneTextures[0], backgroundTextureSize);
}
