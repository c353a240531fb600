#include "mask_file_stream.h"

#include <limits>

namespace {

constexpr std::size_t lineDiscardLimit = 1023;
constexpr int numberCharacterLimit = 15;

bool isWhiteSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(int c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

} // namespace

MaskFileStream::MaskFileStream(const char* fileName)
    : file_(std::fopen(fileName, "rb")), ownsFile_(true)
{
    if (!file_) {
        fail_ = true;
    }
}

MaskFileStream::MaskFileStream(std::FILE* borrowed) : file_(borrowed)
{
    if (!file_) {
        fail_ = true;
    }
}

MaskFileStream::~MaskFileStream() { close(); }

void MaskFileStream::close()
{
    if (file_ && ownsFile_) {
        std::fclose(file_);
    }
    file_ = nullptr;
}

int MaskFileStream::peek()
{
    const int c = std::getc(file_);
    if (c != endOfInput) {
        std::ungetc(c, file_);
    } else if (std::ferror(file_)) {
        bad_ = true;
    }
    return c;
}

int MaskFileStream::take()
{
    const int c = std::getc(file_);
    if (c == endOfInput && std::ferror(file_)) {
        bad_ = true;
    }
    return c;
}

void MaskFileStream::markEndOfFile() { endOfFile_ = true; }

// A step that starts on a stream that is not clean only adds the fail flag.
bool MaskFileStream::startStep()
{
    if (clean() && file_) {
        return true;
    }
    fail_ = true;
    return false;
}

bool MaskFileStream::skipWhiteSpace()
{
    while (isWhiteSpace(peek())) {
        take();
    }
    if (peek() == endOfInput) {
        markEndOfFile();
        fail_ = true;
        return false;
    }
    return true;
}

void MaskFileStream::extractCharacter(char& target)
{
    if (!startStep() || !skipWhiteSpace()) {
        return;
    }
    target = static_cast<char>(take());
}

void MaskFileStream::discardLine()
{
    if (!startStep()) {
        return;
    }
    std::size_t taken = 0;
    while (taken < lineDiscardLimit) {
        const int c = take();
        if (c == endOfInput) {
            markEndOfFile();
            if (taken == 0) {
                fail_ = true;
            }
            return;
        }
        if (c == '\n') {
            return;
        }
        ++taken;
    }
}

bool MaskFileStream::gatherNumber(std::uint64_t& magnitude, bool& negative)
{
    int taken = 0;
    // Takes the next character if the predicate accepts it and the
    // character limit allows; reaching the end of the file sets its flag.
    auto takeIf = [&](auto accepts) {
        if (taken == numberCharacterLimit) {
            return -1;
        }
        const int c = peek();
        if (c == endOfInput) {
            markEndOfFile();
            return -1;
        }
        if (!accepts(c)) {
            return -1;
        }
        ++taken;
        return take();
    };

    magnitude = 0;
    negative = takeIf([](int c) { return c == '+' || c == '-'; }) == '-';

    int base = 10;
    bool anyDigit = false;
    if (takeIf([](int c) { return c == '0'; }) == '0') {
        anyDigit = true;
        base = 8;
        if (takeIf([](int c) { return c == 'x' || c == 'X'; }) >= 0) {
            base = 16;
            anyDigit = false;
        }
    }
    for (;;) {
        const int c = takeIf([base](int c) { return digitValue(c) < base; });
        if (c < 0) {
            break;
        }
        anyDigit = true;
        // At most 15 characters: even 15 decimal digits fit in 64 bits.
        magnitude = magnitude * base + digitValue(c);
    }
    return anyDigit;
}

template <typename Number>
bool MaskFileStream::startNumber(Number& target, std::uint64_t& magnitude, bool& negative)
{
    if (!startStep() || !skipWhiteSpace()) {
        return false;
    }
    if (!gatherNumber(magnitude, negative)) {
        fail_ = true;
        target = 0;
        return false;
    }
    return true;
}

void MaskFileStream::extractNumber(std::int32_t& target)
{
    std::uint64_t magnitude = 0;
    bool negative = false;
    if (!startNumber(target, magnitude, negative)) {
        return;
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    const std::int64_t clamped = magnitude > static_cast<std::uint64_t>(limit) ? limit : static_cast<std::int64_t>(magnitude);
    target = static_cast<std::int32_t>(negative ? -clamped : clamped);
}

void MaskFileStream::extractNumber(std::uint32_t& target)
{
    std::uint64_t magnitude = 0;
    bool negative = false;
    if (!startNumber(target, magnitude, negative)) {
        return;
    }
    const std::uint32_t largest = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t value = magnitude > largest ? largest : static_cast<std::uint32_t>(magnitude);
    target = negative ? static_cast<std::uint32_t>(0u - value) : value;
}

std::size_t MaskFileStream::readBlock(unsigned char* target, std::size_t count)
{
    if (!startStep()) {
        return 0;
    }
    const std::size_t got = count == 0 ? 0 : std::fread(target, 1, count, file_);
    if (got < count) {
        if (std::ferror(file_)) {
            bad_ = true;
        }
        markEndOfFile();
        fail_ = true;
    }
    return got;
}
