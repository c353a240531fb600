#include "alpha_test_demo.h"

#include "console_line.h"
#include "mask_file_stream.h"
#include "mask_reading.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// The GL refuses sizes beyond its largest texture anyway, and Mesa's software
// renderer crashes on some of them (a width of 2^30, say) instead.
bool fitsTexture(std::int32_t width, std::int32_t height)
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return width <= largest && height <= largest;
}

} // namespace

void AlphaTestDemo::loadImage()
{
    MaskFileStream in(imageFileName);
    if (in.fail() || in.bad()) {
        writeLine(std::cerr, "no ppm image");
        std::exit(-1);
    }
    writeLine(std::cout, std::string("Reading image from file \"") + imageFileName + "\" ");
    readMask(in, imageWidth, imageHeight, pixels, std::cerr);
    in.close();
}

void AlphaTestDemo::createAlphaTexture()
{
    loadImage();
    glGenTextures(1, &textureId);
    glBindTexture(GL_TEXTURE_2D, textureId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // No buffer means sizes no buffer can hold: nothing to upload.
    if (pixels && fitsTexture(imageWidth, imageHeight)) {
        // The rows are packed; the default alignment of 4 would read past the
        // end of the buffer for widths that are not a multiple of 4.
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, imageWidth, imageHeight, 0, GL_ALPHA, GL_UNSIGNED_BYTE, pixels);
    }
    glEnable(GL_TEXTURE_2D);
}
