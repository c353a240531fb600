#include "mask_files.h"

std::string pgmFile(int width, int height, const std::string& pixels)
{
    return "P5\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n" + pixels;
}

std::string halfMask(int width, int height)
{
    std::string pixels;
    for (int row = 0; row < height; ++row) {
        pixels += std::string(width, row < height / 2 ? '\0' : '\xff');
    }
    return pgmFile(width, height, pixels);
}

std::string uniformMask(int width, int height, unsigned char value)
{
    return pgmFile(width, height, std::string(static_cast<std::size_t>(width) * height, static_cast<char>(value)));
}
