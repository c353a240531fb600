#include "threshold_model.h"

#include <cstdio>
#include <regex>

std::string ThresholdModel::press(char key)
{
    value_ = key == 'x' ? value_ + 0.025 : value_ - 0.025;
    value_ = value_ > 1.0 ? 1.0 : value_ < 0.0 ? 0.0 : value_;
    return reportLine(value_);
}

std::string reportLine(double threshold)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", threshold);
    const std::string widened = std::regex_replace(text, std::regex("e([+-])(\\d\\d)$"), "e$010$2");
    return "Schwellwert: " + widened;
}
