// Headless screenshot of the demo: starts it under its own Xvfb on a mask,
// presses the given keys and writes the window's picture as a binary PPM.
//
// Usage: capture_demo OUTPUT.ppm MASK.ppm [XDOTOOL-KEYS...]
#include "demo_process.h"
#include "running_demo.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.ppm MASK.ppm [keys...]\n", argv[0]);
        return 2;
    }
    if (!sharedDisplay().running()) {
        std::fprintf(stderr, "%s\n", sharedDisplay().error().c_str());
        return 1;
    }
    RunningDemo demo(readFile(argv[2]));
    if (!demo.waitUntilShown()) {
        std::fprintf(stderr, "the demo showed no window\n");
        return 1;
    }
    std::string keys;
    for (int i = 3; i < argc; ++i) {
        keys += std::string(argv[i]) + " ";
    }
    if (!keys.empty()) {
        demo.window().keys(keys);
    }
    sleepSeconds(0.5);
    demo.captureSettled().save(argv[1]);
    return 0;
}
