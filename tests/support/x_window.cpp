#include "x_window.h"

#include "demo_process.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

Display* asDisplay(void* d) { return static_cast<Display*>(d); }

Window findByTitle(Display* display, Window parent, const std::string& title)
{
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) {
        return 0;
    }
    Window result = 0;
    for (unsigned int i = 0; i < count && !result; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (title == name) {
                result = children[i];
            }
            XFree(name);
        }
        if (!result) {
            result = findByTitle(display, children[i], title);
        }
    }
    if (children) {
        XFree(children);
    }
    return result;
}

int channel(unsigned long pixel, unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<int>((pixel >> shift) & mask);
}

// A window that goes away mid-capture must fail the test, not abort it.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

unsigned long findViewableWindow(void* display, const std::string& title)
{
    Display* d = asDisplay(display);
    const Window window = findByTitle(d, DefaultRootWindow(d), title);
    XWindowAttributes attributes;
    if (!window || !XGetWindowAttributes(d, window, &attributes) || attributes.map_state != IsViewable) {
        return 0;
    }
    return window;
}

bool Screenshot::operator==(const Screenshot& other) const
{
    if (width != other.width || height != other.height) {
        return false;
    }
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Rgb a = pixels[i], b = other.pixels[i];
        if (a.red != b.red || a.green != b.green || a.blue != b.blue) {
            return false;
        }
    }
    return true;
}

void Screenshot::save(const std::string& path) const
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        return;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (const Rgb& p : pixels) {
        std::fputc(p.red, out);
        std::fputc(p.green, out);
        std::fputc(p.blue, out);
    }
    std::fclose(out);
}

XWindow::XWindow(const std::string& display, const std::string& title, double timeoutSeconds)
    : displayName_(display), display_(XOpenDisplay(display.c_str()))
{
    if (!display_) {
        return;
    }
    const bool shown = waitUntil(
        [&] {
            window_ = findViewableWindow(display_, title);
            return window_ != 0;
        },
        timeoutSeconds, 0.05);
    if (shown) {
        // With no window manager GLUT's window sits at (-1, -1), a pixel off
        // the screen, where the server keeps no pixels to capture.
        XSetErrorHandler(ignoreErrors);
        XMoveWindow(asDisplay(display_), window_, 0, 0);
        XSync(asDisplay(display_), False);
        sleepSeconds(0.1);
    }
}

XWindow::~XWindow()
{
    if (display_) {
        XCloseDisplay(asDisplay(display_));
    }
}

void XWindow::size(int& width, int& height) const
{
    XWindowAttributes attributes;
    XGetWindowAttributes(asDisplay(display_), window_, &attributes);
    width = attributes.width;
    height = attributes.height;
}

Screenshot XWindow::capture() const
{
    Screenshot shot;
    size(shot.width, shot.height);
    XImage* image = XGetImage(asDisplay(display_), window_, 0, 0, shot.width, shot.height, AllPlanes, ZPixmap);
    if (!image) {
        shot.width = shot.height = 0;
        return shot;
    }
    shot.pixels.reserve(static_cast<std::size_t>(shot.width) * shot.height);
    for (int row = 0; row < shot.height; ++row) {
        for (int column = 0; column < shot.width; ++column) {
            const unsigned long p = XGetPixel(image, column, row);
            shot.pixels.push_back({channel(p, image->red_mask), channel(p, image->green_mask),
                                   channel(p, image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return shot;
}

int XWindow::xdotool(const std::string& command) const
{
    const std::string line = "DISPLAY=" + displayName_ + " xdotool " + command + " 2>/dev/null";
    return std::system(line.c_str());
}

void XWindow::resize(int width, int height) const
{
    xdotool("windowsize " + std::to_string(window_) + " " + std::to_string(width) + " " + std::to_string(height));
    // Wait until the server reports the new size.
    waitUntil(
        [&] {
            int w = 0, h = 0;
            size(w, h);
            return w == width && h == height;
        },
        2.0);
}
