#pragma once

#include <ostream>
#include <string_view>

// Every console line is flushed at once, so lines on standard output and
// standard error appear in the order in which they were written.
inline void writeLine(std::ostream& out, std::string_view text)
{
    out << text << '\n' << std::flush;
}
