// Start-up time, from process start to the first presented frame, and peak
// resident memory, of the demo against a minimal program that opens the same
// window and presents one cleared frame, and of the demo on a large mask
// against the same on a 4 x 4 one. Each figure is the median of several runs.
//
// Usage: startup_benchmark DEMO MINIMAL
#include "virtual_display.h"
#include "x_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const char* const title = "Orvin Talasek, 461389";
constexpr int runs = 9;

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

// A pixel of the background turns light grey with the first presented frame.
bool framePresented(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 20, 20, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    const bool grey = XGetPixel(image, 0, 0) != 0;
    XDestroyImage(image);
    return grey;
}

struct Result {
    double seconds = -1;
    long peakKiB = -1;
};

Result measure(const std::string& display, const std::string& program, const std::string& workDir)
{
    Display* x = XOpenDisplay(display.c_str());
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(workDir.c_str()) != 0) {
            _exit(126);
        }
        setenv("DISPLAY", display.c_str(), 1);
        const int none = open("/dev/null", O_WRONLY);
        dup2(none, 1);
        dup2(none, 2);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Result result;
    Window window = 0;
    const auto limit = start + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < limit) {
        window = findViewableWindow(x, title);
        if (window && framePresented(x, window)) {
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    // ESC ends the demo; the minimal program ends on any key.
    const std::string escape = "DISPLAY=" + display + " xdotool key --window " + std::to_string(window) + " Escape";
    std::system(escape.c_str());
    int status = 0;
    rusage usage{};
    bool ended = false;
    for (int i = 0; i < 500 && !ended; ++i) {
        ended = wait4(pid, &status, WNOHANG, &usage) == pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    result.peakKiB = usage.ru_maxrss;
    XCloseDisplay(x);
    return result;
}

Result median(const std::string& display, const std::string& program, const std::string& workDir)
{
    std::vector<double> seconds;
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        const Result r = measure(display, program, workDir);
        std::fprintf(stderr, "%s in %s: %.1f ms, %ld KiB\n", program.c_str(), workDir.c_str(), r.seconds * 1e3,
                     r.peakKiB);
        seconds.push_back(r.seconds);
        peaks.push_back(r.peakKiB);
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(peaks.begin(), peaks.end());
    return {seconds[runs / 2], peaks[runs / 2]};
}

std::string maskDir(const std::string& name, int side)
{
    const std::string dir = "/tmp/alpha_test_demo_startup_" + name;
    std::system(("mkdir -p " + dir).c_str());
    std::FILE* out = std::fopen((dir + "/alpha.ppm").c_str(), "wb");
    std::fprintf(out, "P5\n%d %d\n255\n", side, side);
    std::vector<unsigned char> row(side, 200);
    for (int y = 0; y < side; ++y) {
        std::fwrite(row.data(), 1, row.size(), out);
    }
    std::fclose(out);
    return dir;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DEMO MINIMAL SAMPLE_DIR\n", argv[0]);
        return 2;
    }
    // The programs start in the mask's directory: their paths must be absolute.
    auto absolute = [](const char* path) {
        char* resolved = realpath(path, nullptr);
        const std::string result = resolved ? resolved : path;
        std::free(resolved);
        return result;
    };
    const std::string demo = absolute(argv[1]), minimal = absolute(argv[2]), sampleDir = absolute(argv[3]);
    VirtualDisplay display;
    if (!display.running()) {
        std::fprintf(stderr, "%s\n", display.error().c_str());
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const std::string small = maskDir("small", 4), large = maskDir("large", 4096);

    const Result minimalRun = median(display.name(), minimal, sampleDir);
    const Result sampleRun = median(display.name(), demo, sampleDir);
    const Result smallRun = median(display.name(), demo, small);
    const Result largeRun = median(display.name(), demo, large);

    std::printf("start-up to first frame, median of %d runs:\n", runs);
    std::printf("  minimal window           %7.1f ms\n", minimalRun.seconds * 1e3);
    std::printf("  demo, sample mask        %7.1f ms\n", sampleRun.seconds * 1e3);
    std::printf("  demo, 4 x 4 mask         %7.1f ms\n", smallRun.seconds * 1e3);
    std::printf("  demo, 4096 x 4096 mask   %7.1f ms\n", largeRun.seconds * 1e3);
    std::printf("ratio start-up demo (sample mask) against minimal window: %.3f (goal <= 1.3)\n",
                sampleRun.seconds / minimalRun.seconds);
    std::printf("ratio start-up 4096 x 4096 mask against 4 x 4 mask: %.3f (goal <= 2.0)\n",
                largeRun.seconds / smallRun.seconds);
    std::printf("peak resident memory: 4 x 4 mask %ld KiB, 4096 x 4096 mask %ld KiB\n", smallRun.peakKiB,
                largeRun.peakKiB);
    const double growth = (largeRun.peakKiB - smallRun.peakKiB) * 1024.0;
    std::printf("ratio memory growth against the image size (16 MiB): %.3f (goal about <= 2)\n",
                growth / (4096.0 * 4096.0));
    return 0;
}
