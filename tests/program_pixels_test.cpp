// Screenshots of the real program against positions the test works out itself.
#include "mask_files.h"
#include "program_test.h"
#include "scene_projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

struct RimSample {
    int degrees;
    Rgb rim;
};

// The telling rim colours; 0 and 360 degrees are the same vertex.
const RimSample rimSamples[] = {
    {0, {255, 0, 0}},    {30, {191, 64, 0}},   {60, {128, 128, 0}},  {120, {0, 255, 0}},
    {180, {0, 128, 128}}, {240, {0, 0, 255}}, {300, {128, 0, 128}},
};

// A little inside the rim the fan mixes the rim colour with the white centre.
constexpr double sampleFraction = 0.8;
constexpr int colourTolerance = 10;

// Where the disc at fraction of its radius towards degrees appears.
WindowPixel discPixel(const SceneView& view, int degrees, double fraction)
{
    const double a = degrees * pi / 180;
    return projectDiscPoint(view, fraction * std::cos(a), fraction * std::sin(a));
}

bool rimColoursMatch(const Screenshot& shot, const SceneView& view, std::string* report = nullptr)
{
    bool all = true;
    for (const RimSample& s : rimSamples) {
        const WindowPixel p = discPixel(view, s.degrees, sampleFraction);
        const Rgb seen = shot.at(p.column, p.row);
        const Rgb wanted = expectedColour(s.rim, sampleFraction);
        if (!near(seen, wanted, colourTolerance)) {
            all = false;
            if (report) {
                *report += std::to_string(s.degrees) + " deg at (" + std::to_string(p.column) + ", " +
                           std::to_string(p.row) + "): seen " + std::to_string(seen.red) + "," +
                           std::to_string(seen.green) + "," + std::to_string(seen.blue) + " wanted " +
                           std::to_string(wanted.red) + "," + std::to_string(wanted.green) + "," +
                           std::to_string(wanted.blue) + "\n";
            }
        }
    }
    return all;
}

using ProgramPixels = ProgramTest;

TEST_F(ProgramPixels, BackgroundFrameCentreAndRimColours)
{
    RunningDemo demo(uniformMask(8, 8, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    const SceneView view;
    const Screenshot shot = demo.captureWhen([&](const Screenshot& s) { return rimColoursMatch(s, view); });
    ASSERT_EQ(shot.width, 512);
    ASSERT_EQ(shot.height, 512);

    // The top row and the right-most column lie outside the viewport.
    for (int i = 0; i < 512; ++i) {
        EXPECT_TRUE(near(shot.at(i, 0), clearColour, 1)) << "top row, column " << i;
        EXPECT_TRUE(near(shot.at(511, i), clearColour, 1)) << "right-most column, row " << i;
    }
    for (const WindowPixel corner : {WindowPixel{0, 0}, WindowPixel{0, 511}, WindowPixel{510, 1}, WindowPixel{510, 511}}) {
        EXPECT_TRUE(near(shot.at(corner.column, corner.row), clearColour, 1)) << corner.column << "," << corner.row;
    }
    const WindowPixel centre = projectDiscPoint(view, 0, 0);
    EXPECT_TRUE(near(shot.at(centre.column, centre.row), {255, 255, 255}, 3));

    std::string report;
    EXPECT_TRUE(rimColoursMatch(shot, view, &report)) << report;
    // Just beyond the rim is background again.
    for (const RimSample& s : rimSamples) {
        const WindowPixel p = discPixel(view, s.degrees, 1.06);
        if (p.column >= 0 && p.column < 511 && p.row > 0 && p.row < 512) {
            EXPECT_TRUE(near(shot.at(p.column, p.row), clearColour, 1)) << s.degrees;
        }
    }
}

TEST_F(ProgramPixels, AfterAResizeTheDiscStaysRound)
{
    RunningDemo demo(uniformMask(8, 8, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    demo.window().resize(800, 400);
    SceneView view;
    view.width = 800;
    view.height = 400;
    std::string report;
    const Screenshot shot = demo.captureWhen([&](const Screenshot& s) { return s.width == 800 && rimColoursMatch(s, view); });
    ASSERT_EQ(shot.width, 800);
    ASSERT_EQ(shot.height, 400);
    EXPECT_TRUE(rimColoursMatch(shot, view, &report)) << report;
    const WindowPixel centre = projectDiscPoint(view, 0, 0);
    EXPECT_TRUE(near(shot.at(centre.column, centre.row), {255, 255, 255}, 3));
    EXPECT_TRUE(near(shot.at(799, 200), clearColour, 1));
    EXPECT_TRUE(near(shot.at(400, 0), clearColour, 1));
}

TEST_F(ProgramPixels, TheMaskCutsTheDiscAtThresholdOneHalf)
{
    // The image's first rows lie at the disc's y = -1, the far edge, which
    // shows nearer the bottom of the window.
    RunningDemo demo(halfMask(64, 64));
    ASSERT_TRUE(demo.waitUntilShown());
    const SceneView view;
    const WindowPixel shown = projectDiscPoint(view, 0, 0.5);
    const WindowPixel cut = projectDiscPoint(view, 0, -0.5);
    const WindowPixel cutSide = projectDiscPoint(view, 0.6, -0.3);
    ASSERT_LT(shown.row, cut.row);
    const Screenshot shot = demo.captureSettled();
    EXPECT_TRUE(near(shot.at(cut.column, cut.row), clearColour, 1));
    EXPECT_TRUE(near(shot.at(cutSide.column, cutSide.row), clearColour, 1));
    const Rgb kept = shot.at(shown.column, shown.row);
    EXPECT_FALSE(near(kept, clearColour, 10));
    // Half way to the rim at 90 degrees, whose colour is (0.25, 0.75, 0).
    EXPECT_TRUE(near(kept, expectedColour({64, 191, 0}, 0.5), colourTolerance));
}

TEST_F(ProgramPixels, AnAllZeroMaskLeavesOnlyTheBackground)
{
    RunningDemo demo(uniformMask(4, 4, 0));
    ASSERT_TRUE(demo.waitUntilShown());
    const Screenshot shot = demo.captureSettled();
    int other = 0;
    for (const Rgb& p : shot.pixels) {
        other += near(p, clearColour, 1) ? 0 : 1;
    }
    EXPECT_EQ(other, 0);
}

} // namespace
