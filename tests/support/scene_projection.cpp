#include "scene_projection.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double pi = 3.14159265358979323846;
double radians(double degrees) { return degrees * pi / 180.0; }

} // namespace

WindowPixel projectDiscPoint(const SceneView& view, double x, double y)
{
    // Scale, then the tilt about x: the disc's top half comes towards the eye.
    const double sx = view.zoom * x, sy = view.zoom * y;
    const double tx = sx, ty = sy * std::cos(radians(60)), tz = sy * std::sin(radians(60));
    // The spin about the vertical axis, then the camera 4 units away.
    const double s = radians(view.spinDegrees);
    const double ex = tx * std::cos(s) + tz * std::sin(s);
    const double ey = ty;
    const double ez = -tx * std::sin(s) + tz * std::cos(s) - 4.0;

    const double f = 1.0 / std::tan(radians(20));
    const double aspect = static_cast<double>(view.width) / view.height;
    const double ndcX = f / aspect * ex / -ez;
    const double ndcY = f * ey / -ez;
    const double windowX = (ndcX + 1) / 2 * (view.width - 1);
    const double windowY = (ndcY + 1) / 2 * (view.height - 1);
    return {static_cast<int>(std::floor(windowX)), view.height - 1 - static_cast<int>(std::floor(windowY))};
}

Rgb expectedColour(Rgb rim, double fraction)
{
    auto mix = [fraction](int c) { return static_cast<int>(std::lround((1 - fraction) * 255 + fraction * c)); };
    return {mix(rim.red), mix(rim.green), mix(rim.blue)};
}

bool near(Rgb a, Rgb b, int tolerance)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}
