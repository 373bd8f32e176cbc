// Scene state, texture uploads and board drawing in a real OpenGL context.
#include "gfx/BoardDrawing.h"
#include "gfx/Scene.h"
#include "gfx/SceneTextures.h"

#include "BmpFixture.h"
#include "GlContext.h"
#include "LayoutFixture.h"
#include "app/Settings.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

using Rgb = std::array<std::uint8_t, 3>;

class GlScene : public ::testing::Test {
  protected:
    void SetUp() override {
        const GlContext& context = glContext();
        if (!context.available) {
            if (std::getenv("DISPLAY") == nullptr)
                GTEST_SKIP() << context.why;
            FAIL() << context.why;
        }
    }
};

// A strip of 42 faces of size x size, face 1 at the top. In the file each pixel
// is stored blue, green, red; after upload the texel at (column, row from the
// face's bottom) of face k reads red k * 6, green column, blue row.
BmpFixture faceAtlas(int size) {
    return BmpFixture::filled(
        size, size * faceKinds, [size](std::int32_t column, std::int32_t row) {
            int face = faceKinds - row / size;
            return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(row % size),
                                               static_cast<std::uint8_t>(column),
                                               static_cast<std::uint8_t>(face * 6)};
        });
}

Rgb atlasTexel(int face, int column, int row) {
    return {static_cast<std::uint8_t>(face * 6), static_cast<std::uint8_t>(column),
            static_cast<std::uint8_t>(row)};
}

std::vector<std::uint8_t> textureImage(std::uint32_t name, int& width, int& height) {
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

Rgb texel(const std::vector<std::uint8_t>& texels, int width, int column, int row) {
    std::size_t at = (static_cast<std::size_t>(row) * width + column) * 3;
    return {texels[at], texels[at + 1], texels[at + 2]};
}

void expectLinearFilters(std::uint32_t name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint mag = 0, min = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
    EXPECT_EQ(mag, GL_LINEAR);
    EXPECT_EQ(min, GL_LINEAR);
}

struct TileSizeCase {
    int tileSize;
    int size; // pixels a side of each face
};

class FaceTextures : public GlScene, public ::testing::WithParamInterface<TileSizeCase> {};

TEST_P(FaceTextures, NameIShowsTheIPlusFirstFaceFromTheTop) {
    const auto [tileSize, size] = GetParam();
    std::string folder = fixtureFolder();
    faceAtlas(size).write(folder + "/atlas.bmp");
    auto board = std::make_unique<Mahjong>(writeFlatLayout(folder).c_str(), 14.0f, 12.0f, 35.0f);
    loadFaceTextures(*board, (folder + "/atlas.bmp").c_str(), tileSize);
    EXPECT_EQ(board->faceAtlas, nullptr);

    for (int i = 0; i < faceKinds; ++i) {
        SCOPED_TRACE("texture " + std::to_string(i));
        int width = 0, height = 0;
        auto texels = textureImage(board->faceTextures[i], width, height);
        ASSERT_EQ(width, size);
        ASSERT_EQ(height, size);
        const int face = i + 1;
        for (auto [column, row] : {std::pair{0, 0},
                                   {size - 1, 0},
                                   {0, size - 1},
                                   {size - 1, size - 1},
                                   {size / 2, size / 3}})
            EXPECT_EQ(texel(texels, width, column, row), atlasTexel(face, column, row))
                << column << "," << row;
        expectLinearFilters(board->faceTextures[i]);
    }
}

// An option other than 0 or 1 reads the small faces.
INSTANTIATE_TEST_SUITE_P(TileSizes, FaceTextures,
                         ::testing::Values(TileSizeCase{0, 64}, TileSizeCase{1, 128},
                                           TileSizeCase{7, 64}),
                         [](const auto& info) {
                             return "Option" + std::to_string(info.param.tileSize);
                         });

TEST_F(GlScene, DeletingTheBoardDeletesItsFaceTextures) {
    std::string folder = fixtureFolder();
    faceAtlas(64).write(folder + "/atlas.bmp");
    std::string layout = writeFlatLayout(folder);
    for (int game = 0; game < 2; ++game) {
        auto* board = new Mahjong(layout.c_str(), 14.0f, 12.0f, 35.0f);
        loadFaceTextures(*board, (folder + "/atlas.bmp").c_str(), 0);
        std::array<std::uint32_t, faceKinds> names;
        std::copy(std::begin(board->faceTextures), std::end(board->faceTextures), names.begin());
        for (std::uint32_t name : names)
            EXPECT_TRUE(glIsTexture(name)) << name;
        delete board;
        for (std::uint32_t name : names)
            EXPECT_FALSE(glIsTexture(name)) << name;
    }
}

TEST_F(GlScene, LoadTextureUploadsTheSquareFromTheStartOfTheBlock) {
    std::string path = fixtureFolder() + "/taller.bmp";
    // 64 wide, 80 high: only the lowest 64 rows are taken.
    BmpFixture::filled(64, 80, [](std::int32_t column, std::int32_t row) {
        return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(row), 7,
                                           static_cast<std::uint8_t>(column)};
    }).write(path);
    GLuint name = 0;
    glGenTextures(1, &name);
    loadTexture(path.c_str(), name, 64);
    int width = 0, height = 0;
    auto texels = textureImage(name, width, height);
    ASSERT_EQ(width, 64);
    ASSERT_EQ(height, 64);
    EXPECT_EQ(texel(texels, width, 0, 0), (Rgb{0, 7, 0}));
    EXPECT_EQ(texel(texels, width, 63, 10), (Rgb{63, 7, 10}));
    EXPECT_EQ(texel(texels, width, 5, 63), (Rgb{5, 7, 63}));
    expectLinearFilters(name);
    glDeleteTextures(1, &name);
}

BmpFixture plain(int size, Rgb rgb) {
    return BmpFixture::filled(size, size, [rgb](std::int32_t, std::int32_t) {
        return std::array<std::uint8_t, 3>{rgb[2], rgb[1], rgb[0]};
    });
}

// A data folder with the scene's pictures, each one colour, as the working folder.
struct SceneFolder {
    explicit SceneFolder(bool withBackgrounds) {
        std::string folder = fixtureFolder();
        std::filesystem::create_directories(folder + "/tex");
        if (withBackgrounds) {
            plain(512, {10, 20, 30}).write(folder + "/tex/background2.bmp");
            plain(512, {40, 50, 60}).write(folder + "/tex/background.bmp");
        }
        plain(64, {1, 0, 0}).write(folder + "/tex/bang.bmp");
        plain(64, {2, 0, 0}).write(folder + "/tex/combo.bmp");
        plain(64, {3, 0, 0}).write(folder + "/tex/turbo.bmp");
        plain(512, {4, 0, 0}).write(folder + "/tex/help.bmp");
        plain(512, {70, 80, 90}).write(folder + "/tex/other.bmp");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    ~SceneFolder() { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
};

Rgb firstTexel(std::uint32_t name, int& size) {
    int height = 0;
    auto texels = textureImage(name, size, height);
    return texels.empty() ? Rgb{} : texel(texels, size, 0, 0);
}

struct BackgroundCase {
    std::int32_t background;
    bool loaded;
    Rgb colour;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << "background " << c.background;
}

class SceneTextures : public GlScene, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(SceneTextures, InitSceneLoadsTheChosenBackgroundAndTheFourPictures) {
    const BackgroundCase& c = GetParam();
    // Background files exist only where the setting asks for one, so a read of
    // the wrong file would end the test with the loader's exit.
    SceneFolder folder(c.loaded);
    background = c.background;
    ASSERT_TRUE(initScene());
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            EXPECT_NE(sceneTextures[i], sceneTextures[j]);
    int size = 0;
    Rgb colour = firstTexel(sceneTextures[0], size);
    if (c.loaded) {
        EXPECT_EQ(size, 512);
        EXPECT_EQ(colour, c.colour);
    } else {
        EXPECT_EQ(size, 0);
    }
    const int sizes[] = {64, 64, 64, 512};
    for (int slot = 1; slot < 5; ++slot) {
        EXPECT_EQ(firstTexel(sceneTextures[slot], size),
                  (Rgb{static_cast<std::uint8_t>(slot), 0, 0}));
        EXPECT_EQ(size, sizes[slot - 1]);
        expectLinearFilters(sceneTextures[slot]);
    }
    glDeleteTextures(5, sceneTextures);
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, SceneTextures,
                         ::testing::Values(BackgroundCase{0, true, {10, 20, 30}},
                                           BackgroundCase{1, true, {40, 50, 60}},
                                           BackgroundCase{2, false, {}},
                                           BackgroundCase{-1, false, {}}),
                         [](const auto& info) { return "Setting" + std::to_string(info.index); });

TEST_F(GlScene, ReplacingTheBackgroundKeepsTheOtherNames) {
    SceneFolder folder(true);
    background = 0;
    initScene();
    std::uint32_t before[5];
    std::copy(std::begin(sceneTextures), std::end(sceneTextures), before);
    replaceBackground(backgroundFiles[1]);
    int size = 0;
    EXPECT_EQ(firstTexel(sceneTextures[0], size), (Rgb{40, 50, 60}));
    EXPECT_EQ(size, 512);
    for (int slot = 1; slot < 5; ++slot)
        EXPECT_EQ(sceneTextures[slot], before[slot]);
    replaceBackground("tex\\other.bmp");
    EXPECT_EQ(firstTexel(sceneTextures[0], size), (Rgb{70, 80, 90}));
    glDeleteTextures(5, sceneTextures);
}

TEST_F(GlScene, InitSceneSetsTheFixedStateAndTheFaceRelease) {
    SceneFolder folder(false);
    background = 2;
    faceTextureRelease = nullptr;
    initScene();
    EXPECT_EQ(faceTextureRelease, releaseFaceTextures);

    auto integer = [](GLenum which) {
        GLint value = 0;
        glGetIntegerv(which, &value);
        return value;
    };
    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(integer(GL_FRONT_FACE), GL_CCW);
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE);
    EXPECT_EQ(integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    for (GLenum on : {GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING, GL_LIGHT0})
        EXPECT_TRUE(glIsEnabled(on)) << on;
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));

    using Four = std::array<GLfloat, 4>;
    auto light = [](GLenum which) {
        Four v{};
        glGetLightfv(GL_LIGHT0, which, v.data());
        return v;
    };
    auto material = [](GLenum which) {
        Four v{};
        glGetMaterialfv(GL_FRONT, which, v.data());
        return v;
    };
    Four clear{}, white{1, 1, 1, 1}, black{0, 0, 0, 1};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
    EXPECT_EQ(clear, black);
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_EQ(depth, 1.0f);
    EXPECT_EQ(light(GL_SPECULAR), white);
    EXPECT_EQ(light(GL_DIFFUSE), white);
    EXPECT_EQ(light(GL_AMBIENT), black);
    EXPECT_EQ(light(GL_POSITION), (Four{0, 0, 1, 0}));
    EXPECT_EQ(material(GL_DIFFUSE), (Four{0.7f, 0.7f, 0.7f, 1}));
    EXPECT_EQ(material(GL_AMBIENT), black);
    glDeleteTextures(5, sceneTextures);
}

// ---- Drawing in a real context --------------------------------------------

struct Pixel {
    int x, y;
};

// Where a world point lands in the window under the current matrices.
Pixel project(double x, double y, double z) {
    GLdouble model[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(wx), static_cast<int>(wy)};
}

Rgb pixelAt(Pixel p) {
    std::uint8_t rgba[4] = {};
    glReadPixels(p.x, p.y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

TEST_F(GlScene, SelectedTileShowsARedFrameAroundItsLitFace) {
    SceneFolder folder(false);
    background = 2;
    initScene();
    const GlContext& context = glContext();
    glViewport(0, 0, context.width, context.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(context.width) / context.height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -8);
    glEnable(GL_TEXTURE_2D);

    // One face texture of a single colour on a lone tile centred on the axis.
    TileGrid tiles{};
    Tile& tile = tiles[0][3][5];
    tile.present = true;
    tile.face = 1;
    tile.x = -1;
    tile.y = -1.5f;
    std::uint32_t faces[faceKinds] = {};
    glGenTextures(1, faces);
    std::vector<std::uint8_t> orange(64 * 64 * 3);
    for (std::size_t i = 0; i < orange.size(); i += 3) {
        orange[i] = 240;
        orange[i + 1] = 120;
        orange[i + 2] = 0;
    }
    glBindTexture(GL_TEXTURE_2D, faces[0]);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, orange.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);

    Pixel centre = project(0, 0, 1);
    Pixel lowerBevel = project(0, -1.5 + 0.05, 0.95);
    Pixel outside = project(0, -2.5, 1);
    for (bool selected : {true, false}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        tile.selected = selected;
        glColor3f(1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawTiles(tiles, faces, immediateQuads());
        Rgb face = pixelAt(centre);
        // Lit by the white light straight on: the texture's own colour.
        EXPECT_NEAR(face[0], 240, 3);
        EXPECT_NEAR(face[1], 120, 3);
        EXPECT_NEAR(face[2], 0, 3);
        Rgb bevel = pixelAt(lowerBevel);
        if (selected)
            EXPECT_EQ(bevel, (Rgb{255, 0, 0}));
        else
            EXPECT_GT(bevel[1], 0) << "a lit, textured bevel is not pure red";
        EXPECT_EQ(pixelAt(outside), (Rgb{0, 0, 0}));
        // The drawing leaves lighting and texturing on and colour material off.
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ((std::array<GLfloat, 3>{colour[0], colour[1], colour[2]}),
                  (std::array<GLfloat, 3>{1, 1, 1}));
    }
    swapGlWindow();
    glDeleteTextures(1, faces);
    glDeleteTextures(5, sceneTextures);
}

} // namespace
