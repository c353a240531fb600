#pragma once

#include <string>

// The threshold as the keys should leave it, modelled here in double
// precision, and its report line written without the program's code.
class ThresholdModel {
public:
    // 'x' raises, 'y' lowers; returns the line the program should write.
    std::string press(char key);

private:
    double value_ = 0.5;
};

// "Schwellwert: " and %.6g with the exponent widened to three digits.
std::string reportLine(double threshold);
