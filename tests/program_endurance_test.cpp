// Endurance and bad input for the real program: a long spinning soak with
// resizes and a storm of keys, and masks made to break the reader.
#include "mask_files.h"
#include "program_test.h"
#include "threshold_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Every key but ESC, by xdotool keysym, with the character it sends.
struct Key {
    const char* keysym;
    char code;
};
const Key storm[] = {
    {"x", 'x'},     {"y", 'y'},     {"x", 'x'},      {"y", 'y'},      {"a", 'a'},        {"space", ' '},
    {"plus", '+'},  {"minus", '-'}, {"A", 'A'},      {"X", 'X'},      {"Y", 'Y'},        {"z", 'z'},
    {"0", '0'},     {"9", '9'},     {"equal", '='},  {"Return", '\r'}, {"Tab", '\t'},    {"BackSpace", '\b'},
    {"Delete", 127}, {"comma", ','}, {"period", '.'}, {"slash", '/'},  {"asciitilde", '~'}, {"q", 'q'},
};

using ProgramEndurance = ProgramTest;

// glibc raises its mmap threshold the first time a large block is freed, so
// after that the window-sized buffers a resize makes come from the heap, and
// the holes they leave stay resident: steps of about 1 MiB that are the
// allocator's, not the program's. A fixed threshold keeps such buffers out of
// the heap, and resident memory then shows what the process keeps.
const std::vector<std::string> fixedMmapThreshold = {"env", "MALLOC_MMAP_THRESHOLD_=131072"};

TEST_F(ProgramEndurance, SoakWithSpinResizesAndAKeyStorm)
{
    RunningDemo demo(uniformMask(64, 64, 200), fixedMmapThreshold);
    ASSERT_TRUE(demo.waitUntilShown());
    std::mt19937 random(20261211);
    ThresholdModel model;
    std::vector<std::string> expected;
    auto pressBatch = [&](int count) {
        std::string keys;
        for (int i = 0; i < count; ++i) {
            const Key& k = storm[random() % (sizeof storm / sizeof storm[0])];
            keys += std::string(k.keysym) + " ";
            if (k.code == 'x' || k.code == 'y') {
                expected.push_back(model.press(k.code));
            }
        }
        demo.window().keys(keys, 1);
    };
    auto resizeCycle = [&] {
        demo.window().resize(1, 1);
        sleepSeconds(0.3);
        demo.window().resize(300, 200);
        sleepSeconds(0.3);
        demo.window().resize(512, 512);
    };

    // Warm-up: spin, one of everything, so buffers and caches are in place.
    demo.window().keys("space");
    pressBatch(100);
    resizeCycle();
    sleepSeconds(2);
    const long warm = residentKiB(demo.process().pid());
    ASSERT_GT(warm, 0);

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(40);
    int batches = 0;
    while (std::chrono::steady_clock::now() < end) {
        pressBatch(150);
        if (++batches % 4 == 0) {
            resizeCycle();
        }
        sleepSeconds(1.0);
    }
    // Leave it spinning for the last stretch.
    demo.window().resize(512, 512);
    sleepSeconds(2);
    const long after = residentKiB(demo.process().pid());

    waitUntil([&] { return thresholdLines(demo.process().standardOutput()).size() >= expected.size(); }, 10, 0.05);
    const std::vector<std::string> lines = thresholdLines(demo.process().standardOutput());
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i], expected[i]) << "report " << i;
    }
    EXPECT_LE(after - warm, 1024) << "resident memory grew from " << warm << " KiB to " << after << " KiB";

    demo.window().keys("Escape");
    int status = -1;
    ASSERT_TRUE(demo.process().waitForExit(10, status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(demo.process().standardError(), "");
}

TEST_F(ProgramEndurance, HostileMasksAreReportedAndTheProgramDraws)
{
    std::mt19937 random(7);
    std::string noise;
    for (int i = 0; i < 3000; ++i) {
        noise += static_cast<char>(random());
    }
    const struct {
        const char* name;
        std::string mask;
        int errorLines; // -1: any number
    } table[] = {
        {"truncated header", "P5\n12", 4},
        {"width 2147483647", "P5\n2147483647 1\n255\nab", 1},
        {"width 2^30, beyond the largest texture", "P5\n1073741824 1\n255\nab", 1},
        {"width 99999999999", "P5\n99999999999 2\n255\nab", 1},
        {"width -4", "P5\n-4 4\n255\n" + std::string(16, 'n'), 1},
        {"long magic line", "P5" + std::string(5000, '#') + "\n4 4\n255\n" + std::string(16, 'n'), 4},
        {"random bytes", noise, -1},
    };
    for (const auto& row : table) {
        RunningDemo demo(row.mask);
        ASSERT_TRUE(demo.waitUntilShown()) << row.name;
        ASSERT_TRUE(demo.pressAndWaitForLines("x", 1)) << row.name;
        const std::string errors = demo.process().standardError();
        const std::regex onlyFormatErrors("(ppm format error\n)*");
        EXPECT_TRUE(std::regex_match(errors, onlyFormatErrors)) << row.name << ": " << errors;
        if (row.errorLines >= 0) {
            EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), row.errorLines) << row.name;
        }
        int status = 0;
        EXPECT_FALSE(demo.process().waitForExit(0.2, status)) << row.name << " ended the program";
    }
}

} // namespace
