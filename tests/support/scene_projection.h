#pragma once

#include "x_window.h"

// What the test expects of the picture, worked out on its own from the
// camera (eye at z = 4), the projection (40 degrees, near 2), the viewport one
// pixel short of the window, the 60 degree tilt, the zoom and any spin.
struct SceneView {
    int width = 512;
    int height = 512;
    double zoom = 1.5;
    double spinDegrees = 0.0;
};

struct WindowPixel {
    int column;
    int row; // from the window's top, as a screenshot counts
};

// The pixel that shows the point (x, y) of the disc's own plane.
WindowPixel projectDiscPoint(const SceneView& view, double x, double y);

// The colour a fraction of the way from the white centre to the rim at
// degrees, for the telling rim colours red, green and blue.
Rgb expectedColour(Rgb rim, double fraction);

// The light grey of the background.
constexpr Rgb clearColour{230, 230, 230};

bool near(Rgb a, Rgb b, int tolerance);
