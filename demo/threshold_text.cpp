#include "threshold_text.h"

#include <cstdio>

std::string formatThreshold(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    std::string result = text;

    const std::string::size_type e = result.find('e');
    if (e == std::string::npos || e + 2 > result.size()) {
        return result;
    }
    // Everything after "e" and its sign is the exponent's magnitude.
    const std::string::size_type digits = e + 2;
    const std::string::size_type count = result.size() - digits;
    if (count < 3) {
        result.insert(digits, 3 - count, '0');
    }
    return result;
}
