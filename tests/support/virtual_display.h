#pragma once

#include <string>
#include <sys/types.h>

// An Xvfb server on a free display number, stopped when the object goes.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool running() const { return !name_.empty(); }
    // ":N", or empty when the server could not be started; error() says why.
    const std::string& name() const { return name_; }
    const std::string& error() const { return error_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    std::string error_;
};
