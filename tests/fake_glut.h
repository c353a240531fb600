#pragma once

#include <functional>
#include <string>
#include <vector>

// A test stand-in for the GLUT entry points of the window application base:
// it records the calls and keeps the registered callbacks.
namespace fake_glut {

struct State {
    std::vector<std::string> calls;
    unsigned int displayMode = 0;
    int windowWidth = 0, windowHeight = 0;
    std::string title;
    int heightQueries = 0;
    int windowHeightAnswer = 512;
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*idle)() = nullptr;
    // What glutMainLoop does: the events the test delivers.
    std::function<void()> mainLoop;
};

State& state();
void reset();
// glutInit calls over the whole process; reset leaves it alone.
int& initCalls();

} // namespace fake_glut
