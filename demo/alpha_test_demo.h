#pragma once

#include "glut_application.h"

#include <GL/gl.h>

#include <cstdint>

// The scene: a disc tilted 60 degrees about the x axis, white at the centre,
// with a red-green-blue colour wheel round its rim, cut by the alpha test
// against a greyscale mask that lies on it as an alpha-only texture.
class AlphaTestDemo : public GlutApplication {
public:
    // imageFileName is borrowed, not copied: it must outlive the object.
    explicit AlphaTestDemo(const char* imageFileName);
    ~AlphaTestDemo() override;

    void init() override;
    void display() override;
    void reshape(int width, int height) override;
    void keyboard(unsigned char key) override;
    void idle() override;

    void drawDisc();
    // Reads the mask into pixels; ends the process with status -1 when the
    // file cannot be opened.
    void loadImage();

    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    double zoom;
    const char* imageFileName;
    std::int32_t imageWidth = 0;
    std::int32_t imageHeight = 0;
    // imageWidth * imageHeight grey values, rows packed; never freed.
    std::uint8_t* pixels = nullptr;
    GLuint textureId = 0;
    bool alphaTestEnabled;
    double alphaThreshold;
    bool rotating;

private:
    void createAlphaTexture();
    void raiseThreshold();
    void lowerThreshold();
    void reportThreshold();
};
