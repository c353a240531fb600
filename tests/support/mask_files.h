#pragma once

#include <string>

// A binary greyscale image file with the usual header.
std::string pgmFile(int width, int height, const std::string& pixels);
// One where the first half of the rows is 0 and the second half 255.
std::string halfMask(int width, int height);
std::string uniformMask(int width, int height, unsigned char value);
