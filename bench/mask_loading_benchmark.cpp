// The program's mask reader against a plain read of the same file into a
// buffer of the same size, both from the page cache.
#include "mask_file_stream.h"
#include "mask_reading.h"
#include "ratio_reporter.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::string maskFile(int side)
{
    const std::string name = "/tmp/alpha_test_demo_bench_" + std::to_string(side) + ".ppm";
    if (std::FILE* probe = std::fopen(name.c_str(), "rb")) {
        std::fclose(probe);
        return name;
    }
    std::FILE* out = std::fopen(name.c_str(), "wb");
    std::fprintf(out, "P5\n%d %d\n255\n", side, side);
    std::vector<unsigned char> row(side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            row[x] = static_cast<unsigned char>(x ^ y);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    std::fclose(out);
    return name;
}

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

void ReadMask(benchmark::State& state)
{
    const std::string name = maskFile(static_cast<int>(state.range(0)));
    NullBuffer none;
    std::ostream errors(&none);
    for (auto _ : state) {
        MaskFileStream in(name.c_str());
        std::int32_t width = 0, height = 0;
        std::uint8_t* pixels = nullptr;
        readMask(in, width, height, pixels, errors);
        benchmark::DoNotOptimize(pixels);
        std::free(pixels);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0));
}

// The baseline: open, one fread of the whole file into a calloc'd buffer.
void PlainRead(benchmark::State& state)
{
    const std::string name = maskFile(static_cast<int>(state.range(0)));
    const std::size_t size = static_cast<std::size_t>(state.range(0)) * state.range(0) + 64;
    for (auto _ : state) {
        std::FILE* in = std::fopen(name.c_str(), "rb");
        auto* buffer = static_cast<unsigned char*>(std::calloc(size, 1));
        benchmark::DoNotOptimize(std::fread(buffer, 1, size, in));
        std::fclose(in);
        std::free(buffer);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0));
}

BENCHMARK(ReadMask)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Arg(4096)->Arg(8192)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"ReadMask/4096", "PlainRead/4096"}, {"ReadMask/8192", "PlainRead/8192"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
