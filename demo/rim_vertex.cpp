#include "rim_vertex.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

struct Colour {
    double red, green, blue;
};

// The wheel runs red, green, blue and back to red, one third of the rim for
// each pair of neighbours. hue is the position on the wheel, 0 to 3.
Colour wheelColour(double hue)
{
    const double fraction = hue - std::trunc(hue);
    if (hue >= 3.0) {
        return {1.0, 0.0, 0.0};
    }
    if (hue >= 2.0) {
        return {fraction, 0.0, 1.0 - fraction};
    }
    if (hue >= 1.0) {
        return {0.0, 1.0 - fraction, fraction};
    }
    return {1.0 - fraction, fraction, 0.0};
}

} // namespace

RimVertex rimVertex(int i)
{
    const int degrees = 3 * i;
    // A multiplication by the nearest double to 1/120, which makes the hue
    // come out exactly 1, 2 and 3 at 120, 240 and 360 degrees.
    const Colour colour = wheelColour(degrees * (1.0 / 120.0));
    const double angle = (i * pi) * (1.0 / 60.0);
    const double x = std::cos(angle);
    const double y = std::sin(angle);
    return {colour.red, colour.green, colour.blue, (x + 1.0) * 0.5, (y + 1.0) * 0.5, x, y};
}
