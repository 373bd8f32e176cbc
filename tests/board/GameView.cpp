#include "GameView.h"

#include <cmath>
#include <numbers>
#include <utility>

Mat4 Mat4::identity() {
    Mat4 result;
    for (int i = 0; i < 4; ++i)
        result.m[i][i] = 1;
    return result;
}

Mat4 Mat4::operator*(const Mat4& other) const {
    Mat4 result;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            for (int k = 0; k < 4; ++k)
                result.m[row][column] += m[row][k] * other.m[k][column];
    return result;
}

std::array<double, 4> Mat4::operator*(const std::array<double, 4>& v) const {
    std::array<double, 4> result{};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k)
            result[row] += m[row][k] * v[k];
    return result;
}

Mat4 perspective(double fovyDegrees, double aspect, double nearPlane, double farPlane) {
    const double f = 1.0 / std::tan(fovyDegrees * std::numbers::pi / 360.0);
    Mat4 result;
    result.m[0][0] = f / aspect;
    result.m[1][1] = f;
    result.m[2][2] = (farPlane + nearPlane) / (nearPlane - farPlane);
    result.m[2][3] = 2 * farPlane * nearPlane / (nearPlane - farPlane);
    result.m[3][2] = -1;
    return result;
}

Mat4 translation(double x, double y, double z) {
    Mat4 result = Mat4::identity();
    result.m[0][3] = x;
    result.m[1][3] = y;
    result.m[2][3] = z;
    return result;
}

Mat4 rotation(double degrees, double x, double y, double z) {
    const double length = std::sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double t = 1 - c;
    Mat4 result = Mat4::identity();
    result.m[0] = {x * x * t + c, x * y * t - z * s, x * z * t + y * s, 0};
    result.m[1] = {y * x * t + z * s, y * y * t + c, y * z * t - x * s, 0};
    result.m[2] = {x * z * t - y * s, y * z * t + x * s, z * z * t + c, 0};
    return result;
}

Mat4 inverse(const Mat4& matrix) {
    Mat4 a = matrix;
    Mat4 result = Mat4::identity();
    for (int column = 0; column < 4; ++column) {
        int pivot = column;
        for (int row = column + 1; row < 4; ++row)
            if (std::abs(a.m[row][column]) > std::abs(a.m[pivot][column]))
                pivot = row;
        std::swap(a.m[pivot], a.m[column]);
        std::swap(result.m[pivot], result.m[column]);
        const double scale = a.m[column][column];
        for (int k = 0; k < 4; ++k) {
            a.m[column][k] /= scale;
            result.m[column][k] /= scale;
        }
        for (int row = 0; row < 4; ++row) {
            if (row == column)
                continue;
            const double factor = a.m[row][column];
            for (int k = 0; k < 4; ++k) {
                a.m[row][k] -= factor * a.m[column][k];
                result.m[row][k] -= factor * result.m[column][k];
            }
        }
    }
    return result;
}

GameView::GameView(int width, int height, Pixel pointer, double distance)
    : width_(width), height_(height) {
    const double yawDegrees = (pointer.x - width / 2) * (-2) * 80 / width;
    const double pitchDegrees = (pointer.y - height / 2) * (-2) * 80 / height;
    const Mat4 modelView = translation(0, 0, -distance) * rotation(yawDegrees, 0, 1, 0) *
                           rotation(pitchDegrees, 1, 0, 0);
    transform_ = perspective(45.0, double(width) / height, 0.1, 10000.0) * modelView;
}

std::optional<Pixel> GameView::project(const Vec3& world) const {
    const auto clip = transform_ * std::array<double, 4>{world.x, world.y, world.z, 1};
    if (clip[3] <= 0)
        return std::nullopt;
    const double ndcX = clip[0] / clip[3];
    const double ndcY = clip[1] / clip[3];
    return Pixel{(ndcX + 1) * width_ / 2, height_ - (ndcY + 1) * height_ / 2};
}

Ray GameView::unproject(const Pixel& pixel) const {
    const Mat4 back = inverse(transform_);
    const double ndcX = 2 * pixel.x / width_ - 1;
    const double ndcY = 2 * (height_ - pixel.y) / height_ - 1;
    const auto toWorld = [&](double ndcZ) {
        const auto p = back * std::array<double, 4>{ndcX, ndcY, ndcZ, 1};
        return Vec3{p[0] / p[3], p[1] / p[3], p[2] / p[3]};
    };
    const Vec3 nearPoint = toWorld(-1);
    const Vec3 farPoint = toWorld(1);
    return {nearPoint,
            {farPoint.x - nearPoint.x, farPoint.y - nearPoint.y, farPoint.z - nearPoint.z}};
}

namespace {

std::optional<Pixel> newtonFrom(const Vec3& world, int width, int height, double distance,
                                Pixel start) {
    // Newton's method on "where the point is seen, less where the pointer is",
    // with a numerical Jacobian and steps of at most 200 pixels.
    const auto offset = [&](const Pixel& pointer) -> std::optional<Pixel> {
        const auto seen = GameView(width, height, pointer, distance).project(world);
        if (!seen)
            return std::nullopt;
        return Pixel{seen->x - pointer.x, seen->y - pointer.y};
    };
    Pixel pointer = start;
    for (int step = 0; step < 100; ++step) {
        const auto f = offset(pointer);
        if (!f)
            return std::nullopt;
        if (std::abs(f->x) < 1e-7 && std::abs(f->y) < 1e-7)
            return pointer;
        constexpr double h = 1e-4;
        const auto fx = offset({pointer.x + h, pointer.y});
        const auto fy = offset({pointer.x, pointer.y + h});
        if (!fx || !fy)
            return std::nullopt;
        const double a = (fx->x - f->x) / h;
        const double b = (fy->x - f->x) / h;
        const double c = (fx->y - f->y) / h;
        const double d = (fy->y - f->y) / h;
        const double determinant = a * d - b * c;
        if (determinant == 0)
            return std::nullopt;
        double dx = -(d * f->x - b * f->y) / determinant;
        double dy = -(-c * f->x + a * f->y) / determinant;
        const double length = std::hypot(dx, dy);
        if (length > 200) {
            dx *= 200 / length;
            dy *= 200 / length;
        }
        pointer = {pointer.x + dx, pointer.y + dy};
    }
    return std::nullopt;
}

} // namespace

std::optional<Pixel> pointerOver(const Vec3& world, int width, int height, double distance,
                                 Pixel start) {
    if (const auto pointer = newtonFrom(world, width, height, distance, start))
        return pointer;
    // Close to the board the search can wander off; other starting points help.
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            if (const auto pointer = newtonFrom(world, width, height, distance,
                                                {width * (i + 0.5) / 5, height * (j + 0.5) / 5}))
                return pointer;
    return std::nullopt;
}
