#pragma once

#include "demo_process.h"
#include "virtual_display.h"
#include "x_window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

constexpr const char* demoTitle = "Orvin Talasek, 461389";

// The "Schwellwert: " lines of the program's standard output, in order.
std::vector<std::string> thresholdLines(const std::string& output);

// The X server that the real-program tests of one executable share.
const VirtualDisplay& sharedDisplay();

// The real program started in a directory of its own, with mask as its
// "alpha.ppm" (none when empty), and its window once it is on screen.
class RunningDemo {
public:
    explicit RunningDemo(const std::optional<std::string>& mask, const std::vector<std::string>& prefix = {});

    const TempDir& dir() const { return dir_; }
    DemoProcess& process() { return *process_; }
    XWindow& window() { return *window_; }
    // Waits for the window and the first frame; false if they do not come.
    bool waitUntilShown(double seconds = 20.0);
    // Captures until the picture satisfies accept, or the time is up; returns
    // the last capture either way.
    Screenshot captureWhen(const std::function<bool(const Screenshot&)>& accept, double seconds = 10.0);
    // Two captures a little apart that agree: a frame that has settled.
    Screenshot captureSettled();
    // Sends keys and waits until standard output has grown by lines lines.
    bool pressAndWaitForLines(const std::string& keysyms, int lines, double seconds = 10.0);
    int outputLineCount() const;

private:
    TempDir dir_;
    std::unique_ptr<DemoProcess> process_;
    std::unique_ptr<XWindow> window_;
};
