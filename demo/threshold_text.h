#pragma once

#include <string>

// The threshold as the report line shows it: printf's %.6g, but with an
// exponent of at least three digits ("6.93889e-018"), whatever the C library
// would write.
std::string formatThreshold(double value);
