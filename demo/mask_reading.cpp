#include "mask_reading.h"

#include "console_line.h"

#include <cstdlib>
#include <limits>

namespace {

// The buffer size for a header's sizes, or -1 where no buffer can hold them:
// a negative size, or a product beyond 32-bit signed range.
std::int64_t pixelCount(std::int32_t width, std::int32_t height)
{
    if (width < 0 || height < 0) {
        return -1;
    }
    const std::int64_t count = static_cast<std::int64_t>(width) * height;
    return count > std::numeric_limits<std::int32_t>::max() ? -1 : count;
}

} // namespace

void readMask(MaskFileStream& in, std::int32_t& width, std::int32_t& height, std::uint8_t*& pixels,
              std::ostream& errors)
{
    const auto reportFormatError = [&errors] { writeLine(errors, "ppm format error"); };
    width = 0;
    height = 0;
    pixels = nullptr;

    char magic = 0;
    in.extractCharacter(magic);
    if (!in.clean() || magic != 'P') {
        reportFormatError();
    }
    in.extractCharacter(magic);
    if (!in.clean() || magic != '5') {
        reportFormatError();
    }
    in.discardLine();

    in.extractNumber(width);
    if (!in.clean()) {
        reportFormatError();
    }
    in.extractNumber(height);
    if (!in.clean()) {
        reportFormatError();
    }
    std::uint32_t maxval = 0;
    in.extractNumber(maxval);
    if (!in.clean() || maxval != 255) {
        reportFormatError();
    }
    in.discardLine();

    const std::int64_t count = pixelCount(width, height);
    // calloc: the bytes that a short pixel section leaves are 0, and a large
    // buffer comes zeroed from the system without being touched first.
    pixels = count < 0 ? nullptr : static_cast<std::uint8_t*>(std::calloc(count > 0 ? count : 1, 1));
    if (!pixels) {
        reportFormatError();
        return;
    }
    in.readBlock(pixels, static_cast<std::size_t>(count));
    if (!in.clean()) {
        reportFormatError();
    }
}
