#pragma once

// One vertex on the rim of the disc: its place on the colour wheel, its
// texture coordinate and its position in the disc's own plane (z = 0).
struct RimVertex {
    double red, green, blue;
    double s, t;
    double x, y;
};

// The rim has vertices at 0, 3, ..., 360 degrees; the first and the last
// coincide and close the fan.
constexpr int rimVertexCount = 121;

// Vertex i lies at 3 * i degrees.
RimVertex rimVertex(int i);
