#include "alpha_test_demo.h"

#include "console_line.h"
#include "threshold_text.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

constexpr unsigned char escapeKey = 27;
constexpr double thresholdStep = 0.025;
constexpr double zoomInFactor = 1.1;
constexpr double zoomOutFactor = 0.9;
constexpr GLfloat spinStepDegrees = 0.5f;

} // namespace

void AlphaTestDemo::keyboard(unsigned char key)
{
    switch (key) {
    case escapeKey:
        std::exit(0);
    case ' ':
        rotating = !rotating;
        break;
    case '+':
        zoom *= zoomInFactor;
        break;
    case '-':
        zoom *= zoomOutFactor;
        break;
    case 'a':
        alphaTestEnabled = !alphaTestEnabled;
        break;
    case 'x':
        raiseThreshold();
        break;
    case 'y':
        lowerThreshold();
        break;
    default:
        break;
    }
    display();
}

// The model-view matrix is current here and is never reloaded, so the spin
// steps accumulate from frame to frame.
void AlphaTestDemo::idle()
{
    if (rotating) {
        glRotatef(spinStepDegrees, 0.0f, 1.0f, 0.0f);
    }
    display();
}

void AlphaTestDemo::raiseThreshold()
{
    alphaThreshold += thresholdStep;
    if (alphaThreshold > 1.0) {
        alphaThreshold = 1.0;
    }
    reportThreshold();
}

void AlphaTestDemo::lowerThreshold()
{
    alphaThreshold -= thresholdStep;
    if (alphaThreshold < 0.0) {
        alphaThreshold = 0.0;
    }
    reportThreshold();
}

void AlphaTestDemo::reportThreshold()
{
    writeLine(std::cout, "Schwellwert: " + formatThreshold(alphaThreshold));
}
