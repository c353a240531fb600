#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// A lenient reader over the bytes of an image file, with the three state
// flags of a C++ input stream. Once a flag is set it stays set, and every
// later step takes nothing, leaves its target alone and adds the fail flag.
class MaskFileStream {
public:
    // Opens the file for binary reading; fail() tells whether that worked.
    explicit MaskFileStream(const char* fileName);
    // Reads from a file the caller has opened and keeps owning.
    explicit MaskFileStream(std::FILE* borrowed);
    ~MaskFileStream();

    MaskFileStream(const MaskFileStream&) = delete;
    MaskFileStream& operator=(const MaskFileStream&) = delete;

    bool clean() const { return !endOfFile_ && !fail_ && !bad_; }
    bool endOfFile() const { return endOfFile_; }
    bool fail() const { return fail_; }
    bool bad() const { return bad_; }

    // Skips white space, then takes one byte.
    void extractCharacter(char& target);
    // Takes the bytes up to and including the next newline, at most 1023
    // before it; after 1023 bytes it stops without a flag.
    void discardLine();
    // Skips white space, then takes one number, decimal, octal (leading 0) or
    // hexadecimal (0x), with an optional sign and at most 15 characters.
    // A signed target is clamped to its range.
    void extractNumber(std::int32_t& target);
    // As above; a minus sign negates in unsigned arithmetic.
    void extractNumber(std::uint32_t& target);
    // Takes count bytes as they are stored; returns how many came.
    std::size_t readBlock(unsigned char* target, std::size_t count);

    void close();

private:
    static constexpr int endOfInput = EOF;

    int peek();
    int take();
    bool startStep();
    bool skipWhiteSpace();
    // The steps every number extraction shares: skipping, gathering and the
    // flags. False when the target is settled already: left alone on a stream
    // that was not clean, 0 when no digit came.
    template <typename Number>
    bool startNumber(Number& target, std::uint64_t& magnitude, bool& negative);
    // Returns false when no digit was found; magnitude and negative describe
    // what was gathered.
    bool gatherNumber(std::uint64_t& magnitude, bool& negative);
    void markEndOfFile();

    std::FILE* file_ = nullptr;
    bool ownsFile_ = false;
    bool endOfFile_ = false;
    bool fail_ = false;
    bool bad_ = false;
};
