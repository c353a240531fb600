#include "rim_vertex.h"

#include <gtest/gtest.h>

namespace {

struct TellingColour {
    int degrees;
    double red, green, blue;
};

TEST(RimVertex, TellingColoursOfTheWheel)
{
    const TellingColour table[] = {
        {0, 1, 0, 0},     {30, 0.75, 0.25, 0}, {60, 0.5, 0.5, 0},  {120, 0, 1, 0},
        {180, 0, 0.5, 0.5}, {240, 0, 0, 1},    {300, 0.5, 0, 0.5}, {360, 1, 0, 0},
    };
    for (const TellingColour& c : table) {
        const RimVertex v = rimVertex(c.degrees / 3);
        // 120, 240 and 360 fall exactly on the higher row: no rounding slack.
        EXPECT_EQ(v.red, c.red) << c.degrees;
        EXPECT_EQ(v.green, c.green) << c.degrees;
        EXPECT_EQ(v.blue, c.blue) << c.degrees;
    }
}

TEST(RimVertex, PositionAndTextureCoordinateFollowTheAngle)
{
    EXPECT_EQ(rimVertexCount, 121);
    const RimVertex quarter = rimVertex(30);
    EXPECT_NEAR(quarter.x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(quarter.y, 1.0);
    EXPECT_NEAR(quarter.s, 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(quarter.t, 1.0);

    const RimVertex half = rimVertex(60);
    EXPECT_DOUBLE_EQ(half.x, -1.0);
    EXPECT_NEAR(half.y, 0.0, 1e-15);
    EXPECT_NEAR(half.s, 0.0, 1e-15);
    EXPECT_NEAR(half.t, 0.5, 1e-15);

    // The last vertex closes the fan on the first.
    const RimVertex first = rimVertex(0), last = rimVertex(120);
    EXPECT_EQ(first.x, 1.0);
    EXPECT_EQ(first.y, 0.0);
    EXPECT_NEAR(last.x, first.x, 1e-14);
    EXPECT_NEAR(last.y, first.y, 1e-14);
}

} // namespace
