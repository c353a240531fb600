#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int red, green, blue;
};

// A capture of a window's pixels; row 0 is the window's top row.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int column, int row) const { return pixels[static_cast<std::size_t>(row) * width + column]; }
    bool operator==(const Screenshot& other) const;
    // Writes a binary PPM, for looking at a failure.
    void save(const std::string& path) const;
};

// The mapped window titled title on an X display (a Display*), or 0.
unsigned long findViewableWindow(void* display, const std::string& title);

// A top-level window on an X display, found by its title.
class XWindow {
public:
    XWindow(const std::string& display, const std::string& title, double timeoutSeconds);
    ~XWindow();
    XWindow(const XWindow&) = delete;
    XWindow& operator=(const XWindow&) = delete;

    bool found() const { return window_ != 0; }
    unsigned long id() const { return window_; }
    Screenshot capture() const;
    void size(int& width, int& height) const;

    // Runs xdotool against this window: "key x", "windowsize 800 400", ...
    int xdotool(const std::string& command) const;
    // Sends keysyms ("x space plus") to this window, delayMs apart.
    void keys(const std::string& keysyms, int delayMs = 5) const
    {
        xdotool("key --delay " + std::to_string(delayMs) + " --window " + std::to_string(window_) + " " + keysyms);
    }
    void resize(int width, int height) const;

private:
    std::string displayName_;
    void* display_ = nullptr;
    unsigned long window_ = 0;
};
