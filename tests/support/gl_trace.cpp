#include "gl_trace.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::vector<std::pair<std::string, std::string>> parseArguments(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> arguments;
    int depth = 0;
    std::string current;
    auto finish = [&] {
        const auto equals = current.find(" = ");
        if (equals != std::string::npos) {
            arguments.emplace_back(current.substr(0, equals), current.substr(equals + 3));
        }
        current.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '(') {
            ++depth;
        } else if (c == '}' || c == ')') {
            --depth;
        }
        if (depth == 0 && c == ',' && i + 1 < text.size() && text[i + 1] == ' ') {
            finish();
            ++i;
            continue;
        }
        current += c;
    }
    finish();
    return arguments;
}

// "42 glVertex3f(x = 1, y = 0, z = 0)" -> the call; other lines are skipped.
bool parseLine(const std::string& line, GlCall& call)
{
    const auto space = line.find(' ');
    if (space == std::string::npos || line.compare(space + 1, 2, "gl") != 0) {
        return false;
    }
    // apitrace's own stand-ins for state that a new context starts with.
    if (line.size() >= 8 && line.compare(line.size() - 8, 8, " // fake") == 0) {
        return false;
    }
    const auto open = line.find('(', space);
    if (open == std::string::npos) {
        return false;
    }
    // The closing bracket that matches open.
    int depth = 0;
    std::size_t close = open;
    for (; close < line.size(); ++close) {
        if (line[close] == '(') {
            ++depth;
        } else if (line[close] == ')' && --depth == 0) {
            break;
        }
    }
    call.name = line.substr(space + 1, open - space - 1);
    call.arguments = parseArguments(line.substr(open + 1, close - open - 1));
    return true;
}

} // namespace

std::string GlCall::argument(const std::string& key) const
{
    for (const auto& [k, v] : arguments) {
        if (k == key) {
            return v;
        }
    }
    return {};
}

double GlCall::number(const std::string& key) const { return std::strtod(argument(key).c_str(), nullptr); }

std::vector<GlCall> dumpTrace(const std::string& traceFile)
{
    std::vector<GlCall> calls;
    const std::string command = "apitrace dump --color=never '" + traceFile + "' 2>/dev/null";
    std::FILE* dump = popen(command.c_str(), "r");
    if (!dump) {
        return calls;
    }
    std::string line;
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, dump)) {
        line += buffer;
        if (line.empty() || line.back() != '\n') {
            continue;
        }
        line.pop_back();
        GlCall call;
        if (parseLine(line, call)) {
            calls.push_back(std::move(call));
        }
        line.clear();
    }
    pclose(dump);
    return calls;
}

std::vector<std::vector<GlCall>> splitFrames(const std::vector<GlCall>& calls)
{
    std::vector<std::vector<GlCall>> frames;
    std::vector<GlCall> current;
    for (const GlCall& call : calls) {
        current.push_back(call);
        if (call.name == "glXSwapBuffers") {
            frames.push_back(std::move(current));
            current.clear();
        }
    }
    return frames;
}
