#include "threshold_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FormatThreshold, GeneralFormWithThreeExponentDigits)
{
    const struct {
        double value;
        const char* text;
    } table[] = {
        {0.525, "0.525"},
        {0.5750000000000001, "0.575"},
        {1.0, "1"},
        {0.0, "0"},
        {std::ldexp(1.0, -57), "6.93889e-018"},
        {0.0001, "0.0001"},
        {0.00012345678, "0.000123457"},
        {1e-5, "1e-005"},
        {123456, "123456"},
        {1234567, "1.23457e+006"},
        {1e100, "1e+100"},
        {1.5e-300, "1.5e-300"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(formatThreshold(row.value), row.text) << row.value;
    }
}

} // namespace
