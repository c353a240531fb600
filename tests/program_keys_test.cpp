// The real program driven from the keyboard with xdotool.
#include "mask_files.h"
#include "program_test.h"
#include "scene_projection.h"
#include "threshold_model.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {


using ProgramKeys = ProgramTest;

TEST_F(ProgramKeys, ThresholdStepsAreReportedAndClamped)
{
    const struct {
        std::string presses;
        std::string last;
    } table[] = {
        {"xxx", "Schwellwert: 0.575"},
        {std::string(23, 'x'), "Schwellwert: 1"},
        {std::string(20, 'y'), "Schwellwert: 0"},
        {std::string(20, 'y') + "xxxyyy", "Schwellwert: 6.93889e-018"},
    };
    for (const auto& row : table) {
        RunningDemo demo(uniformMask(4, 4, 255));
        ASSERT_TRUE(demo.waitUntilShown());
        std::string keys;
        for (char c : row.presses) {
            keys += std::string(1, c) + " ";
        }
        ASSERT_TRUE(demo.pressAndWaitForLines(keys, static_cast<int>(row.presses.size()))) << row.presses;
        const std::vector<std::string> lines = thresholdLines(demo.process().standardOutput());
        ASSERT_EQ(lines.size(), row.presses.size());
        EXPECT_EQ(lines.back(), row.last);
        ThresholdModel model;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], model.press(row.presses[i])) << row.presses << " press " << i;
        }
    }
}

TEST_F(ProgramKeys, KeysOutsideTheTableWriteNothing)
{
    RunningDemo demo(uniformMask(4, 4, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    const std::string before = demo.process().standardOutput();
    // Then 'x' as a marker: its line must be the only new one.
    ASSERT_TRUE(demo.pressAndWaitForLines("A X Y z equal Return Tab F1 Left x", 1));
    sleepSeconds(0.2);
    EXPECT_EQ(demo.process().standardOutput(), before + "Schwellwert: 0.525\n");
    EXPECT_EQ(demo.process().standardError(), "");
}

TEST_F(ProgramKeys, EscapeEndsWithStatusZeroAndNothingAfter)
{
    RunningDemo demo(uniformMask(4, 4, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    ASSERT_TRUE(demo.pressAndWaitForLines("y", 1));
    demo.window().keys("Escape");
    int status = -1;
    ASSERT_TRUE(demo.process().waitForExit(10, status));
    EXPECT_EQ(status, 0);
    const std::string out = demo.process().standardOutput();
    EXPECT_EQ(out.substr(out.size() - 19), "Schwellwert: 0.475\n");
}

TEST_F(ProgramKeys, AlphaTestSwitchesOffAndOnAndTheThresholdStillMoves)
{
    RunningDemo demo(uniformMask(4, 4, 0));
    ASSERT_TRUE(demo.waitUntilShown());
    const SceneView view;
    const WindowPixel centre = projectDiscPoint(view, 0, 0);
    auto centreIs = [&](Rgb colour) {
        return [=](const Screenshot& s) { return near(s.at(centre.column, centre.row), colour, 3); };
    };
    EXPECT_TRUE(centreIs(clearColour)(demo.captureSettled()));

    demo.window().keys("a");
    EXPECT_TRUE(centreIs({255, 255, 255})(demo.captureWhen(centreIs({255, 255, 255})))) << "the whole disc shows";
    ASSERT_TRUE(demo.pressAndWaitForLines("x", 1)) << "the threshold moves with the test off";
    EXPECT_EQ(thresholdLines(demo.process().standardOutput()).back(), "Schwellwert: 0.525");

    demo.window().keys("a");
    EXPECT_TRUE(centreIs(clearColour)(demo.captureWhen(centreIs(clearColour)))) << "the mask cuts again";
}

TEST_F(ProgramKeys, SpaceStartsAndStopsTheSpin)
{
    RunningDemo demo(uniformMask(4, 4, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    const Screenshot still = demo.captureSettled();
    sleepSeconds(0.2);
    EXPECT_TRUE(demo.window().capture() == still) << "no spin at start-up";

    demo.window().keys("space");
    const Screenshot turning = demo.captureWhen([&](const Screenshot& s) { return !(s == still); });
    EXPECT_FALSE(turning == still);
    sleepSeconds(0.2);
    EXPECT_FALSE(demo.window().capture() == turning) << "still turning";

    demo.window().keys("space");
    sleepSeconds(0.3);
    const Screenshot stopped = demo.captureSettled();
    sleepSeconds(0.3);
    EXPECT_TRUE(demo.window().capture() == stopped) << "stopped where it was";
    EXPECT_FALSE(stopped == still);
}

TEST_F(ProgramKeys, ZoomKeysMoveTheRimToTheNewScale)
{
    RunningDemo demo(uniformMask(4, 4, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    // Where the disc's edge crosses the vertical through the centre, near
    // and far side: just inside shows the disc, just outside the background.
    auto edgesMatch = [](double zoom) {
        return [zoom](const Screenshot& s) {
            SceneView view;
            view.zoom = zoom;
            for (double y : {-1.0, 1.0}) {
                const double inside = 0.97 * y, outside = 1.03 * y;
                const WindowPixel in = projectDiscPoint(view, 0, inside);
                const WindowPixel out = projectDiscPoint(view, 0, outside);
                if (near(s.at(in.column, in.row), clearColour, 8) || !near(s.at(out.column, out.row), clearColour, 1)) {
                    return false;
                }
            }
            return true;
        };
    };
    EXPECT_TRUE(edgesMatch(1.5)(demo.captureSettled()));
    demo.window().keys("plus");
    EXPECT_TRUE(edgesMatch(1.5 * 1.1)(demo.captureWhen(edgesMatch(1.5 * 1.1)))) << "zoomed in";
    demo.window().keys("minus minus");
    EXPECT_TRUE(edgesMatch(1.5 * 1.1 * 0.9 * 0.9)(demo.captureWhen(edgesMatch(1.5 * 1.1 * 0.9 * 0.9)))) << "zoomed out";
}

} // namespace
