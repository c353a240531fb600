// The real program's console output, window and exit status.
#include "mask_files.h"
#include "program_test.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace {

const std::string keyHelp =
    "Tastenbelegung:\n"
    "ESC        Programm beenden\n"
    "Leertaste  Objekt drehen\n"
    "+          Hineinzoomen\n"
    "-          Herauszoomen\n"
    "a          Alpha Blending ein/aus\n"
    "x          Alpha-Schwellwert erhoehen\n"
    "y          Alpha-Schwellwert senken\n"
    "\n";
const std::string progressLine = "Reading image from file \"alpha.ppm\" \n";

using ProgramConsole = ProgramTest;

std::string xwininfo(const std::string& display)
{
    std::string text;
    const std::string command = "xwininfo -display " + display + " -name '" + demoTitle + "' 2>&1";
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p)) {
            text += buffer;
        }
        pclose(p);
    }
    return text;
}

TEST_F(ProgramConsole, PrintsTheKeyHelpAndOpensItsWindow)
{
    RunningDemo demo(uniformMask(4, 4, 255));
    ASSERT_TRUE(demo.waitUntilShown());
    EXPECT_EQ(demo.process().standardOutput(), keyHelp + progressLine);
    EXPECT_EQ(demo.process().standardError(), "");

    const std::string info = xwininfo(sharedDisplay().name());
    EXPECT_NE(info.find(std::string("\"") + demoTitle + "\""), std::string::npos) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex("Width: 512\n"))) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex("Height: 512\n"))) << info;
}

TEST_F(ProgramConsole, WithoutTheImageFileItStopsWithStatusMinusOne)
{
    RunningDemo demo(std::nullopt);
    int status = 0;
    ASSERT_TRUE(demo.process().waitForExit(20, status));
    EXPECT_EQ(status, 255);
    EXPECT_EQ(demo.process().standardOutput(), keyHelp);
    EXPECT_EQ(demo.process().standardError(), "no ppm image\n");
}

TEST_F(ProgramConsole, ReportsFormatErrorsAndKeepsRunning)
{
    const struct {
        std::string mask;
        int errorLines;
    } table[] = {
        {"P6\n4 4\n255\n" + std::string(48, 'c'), 1},
        {"", 6},
        {"P5\n2147483647 2\n255\n", 1},
        {"P5\n4 4\n255\n" + std::string(15, '\xff'), 1},
    };
    for (const auto& row : table) {
        RunningDemo demo(row.mask);
        ASSERT_TRUE(demo.waitUntilShown()) << row.mask.substr(0, 20);
        std::string errors;
        for (int i = 0; i < row.errorLines; ++i) {
            errors += "ppm format error\n";
        }
        EXPECT_EQ(demo.process().standardOutput(), keyHelp + progressLine);
        EXPECT_EQ(demo.process().standardError(), errors);
        int status = 0;
        EXPECT_FALSE(demo.process().waitForExit(0.3, status)) << "still running";
    }
}

} // namespace
