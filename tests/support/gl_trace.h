#pragma once

#include <string>
#include <utility>
#include <vector>

// One call of a GL trace as apitrace dump prints it.
struct GlCall {
    std::string name;
    std::vector<std::pair<std::string, std::string>> arguments;

    // The argument's text ("GL_ALPHA", "0.5", "{1, 0, ...}"), empty if absent.
    std::string argument(const std::string& key) const;
    double number(const std::string& key) const;
};

// The GL and GLX calls of a trace file, in order.
std::vector<GlCall> dumpTrace(const std::string& traceFile);

// The calls of the frames, each ending with its glXSwapBuffers.
std::vector<std::vector<GlCall>> splitFrames(const std::vector<GlCall>& calls);
