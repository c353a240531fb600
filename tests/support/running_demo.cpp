#include "running_demo.h"

#include <algorithm>
#include <sstream>

std::vector<std::string> thresholdLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Schwellwert: ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

const VirtualDisplay& sharedDisplay()
{
    static VirtualDisplay display;
    return display;
}

RunningDemo::RunningDemo(const std::optional<std::string>& mask, const std::vector<std::string>& prefix)
{
    if (mask) {
        dir_.write("alpha.ppm", *mask);
    }
    process_ = std::make_unique<DemoProcess>(sharedDisplay().name(), dir_.path(), prefix);
}

bool RunningDemo::waitUntilShown(double seconds)
{
    window_ = std::make_unique<XWindow>(sharedDisplay().name(), demoTitle, seconds);
    if (!window_->found()) {
        return false;
    }
    const Screenshot shot = captureWhen(
        [](const Screenshot& s) {
            return s.width > 0 && std::any_of(s.pixels.begin(), s.pixels.end(), [](Rgb p) { return p.red > 0; });
        },
        seconds);
    return shot.width > 0;
}

Screenshot RunningDemo::captureWhen(const std::function<bool(const Screenshot&)>& accept, double seconds)
{
    Screenshot shot;
    waitUntil(
        [&] {
            shot = window_->capture();
            return accept(shot);
        },
        seconds, 0.05);
    return shot;
}

Screenshot RunningDemo::captureSettled()
{
    Screenshot previous = window_->capture();
    for (int i = 0; i < 50; ++i) {
        sleepSeconds(0.05);
        Screenshot shot = window_->capture();
        if (shot == previous) {
            return shot;
        }
        previous = std::move(shot);
    }
    return previous;
}

int RunningDemo::outputLineCount() const
{
    const std::string out = process_->standardOutput();
    return static_cast<int>(std::count(out.begin(), out.end(), '\n'));
}

bool RunningDemo::pressAndWaitForLines(const std::string& keysyms, int lines, double seconds)
{
    const int before = outputLineCount();
    window_->keys(keysyms);
    return waitUntil([&] { return outputLineCount() >= before + lines; }, seconds);
}
