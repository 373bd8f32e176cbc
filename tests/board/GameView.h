#pragma once

#include <array>
#include <optional>

// The view the game draws the board with, built from plain 4x4 matrices in the
// way the fixed-function pipeline composes them, independent of the pick:
// gluPerspective(45, W/H, 0.1, 10000), then translate(0, 0, -distance),
// rotate(yawDeg) about y and rotate(pitchDeg) about x, the angles following the
// pointer. Window coordinates have their origin at the top-left.

struct Vec3 {
    double x;
    double y;
    double z;
};

struct Pixel {
    double x;
    double y;
};

struct Mat4 {
    std::array<std::array<double, 4>, 4> m{}; // m[row][column]
    static Mat4 identity();
    Mat4 operator*(const Mat4& other) const;
    std::array<double, 4> operator*(const std::array<double, 4>& v) const;
};

Mat4 perspective(double fovyDegrees, double aspect, double nearPlane, double farPlane);
Mat4 translation(double x, double y, double z);
Mat4 rotation(double degrees, double x, double y, double z);
Mat4 inverse(const Mat4& matrix);

struct Ray {
    Vec3 origin;
    Vec3 direction;
};

class GameView {
  public:
    GameView(int width, int height, Pixel pointer, double distance);
    // Where a world point appears; nothing when it lies behind the eye.
    std::optional<Pixel> project(const Vec3& world) const;
    // The world ray through a window position, from the near plane outwards.
    Ray unproject(const Pixel& pixel) const;

  private:
    int width_;
    int height_;
    Mat4 transform_; // projection times model-view
};

// The pointer position at which a world point lies under the pointer itself,
// with the camera following the pointer, searched from `start`. Nothing when
// the search does not settle.
std::optional<Pixel> pointerOver(const Vec3& world, int width, int height, double distance,
                                 Pixel start);
