// libFuzzer target for the mask reader: any bytes as an image file.
#include "mask_file_stream.h"
#include "mask_reading.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <vector>

namespace {

// Swallows the error lines.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // fmemopen takes no empty buffer; an empty file is in the table tests.
    if (size == 0) {
        return 0;
    }
    std::vector<std::uint8_t> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) {
        return 0;
    }
    NullBuffer none;
    std::ostream errors(&none);
    MaskFileStream in(file);
    std::int32_t width = 0, height = 0;
    std::uint8_t* pixels = nullptr;
    readMask(in, width, height, pixels, errors);
    if (pixels) {
        // The GL reads width * height bytes: the ends must be addressable.
        // (Touching every page of a 2 GiB buffer would only measure memory.)
        volatile std::uint8_t sink = pixels[0];
        const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (count > 0) {
            sink = sink + pixels[count - 1];
        }
    }
    std::free(pixels);
    std::fclose(file);
    return 0;
}
