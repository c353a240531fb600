#include "alpha_test_demo.h"
#include "mask_file_stream.h"
#include "mask_reading.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

const std::string sixteen = "ABCDEFGHIJKLMNOP";

struct MaskCase {
    const char* name;
    std::string file;
    int errorLines;
    std::int32_t width;
    std::int32_t height;
    // The whole pixel buffer; nullopt where no buffer is made.
    std::optional<std::string> pixels;
};

std::string zeros(std::size_t n) { return std::string(n, '\0'); }

const MaskCase cases[] = {
    {"four by four", "P5\n4 4\n255\n" + sixteen, 0, 4, 4, sixteen},
    {"carriage returns", "P5\r\n4 4\r\n255\r\n" + sixteen, 0, 4, 4, sixteen},
    {"white space around the magic", " \n P \n 5\n4 4\n255\n" + sixteen, 0, 4, 4, sixteen},
    {"text after P5", "P5 # made by hand\n4 4\n255\n" + sixteen, 0, 4, 4, sixteen},
    {"comment line after the magic line", "P5\n# comment\n4 4\n255\n" + sixteen, 4, 0, 0, ""},
    {"colour magic P6", "P6\n2 2\n255\n" + sixteen, 1, 2, 2, "ABCD"},
    {"lower-case p", "p5\n4 4\n255\n" + sixteen, 1, 4, 4, sixteen},
    {"maxval in hexadecimal", "P5\n4 4\n0xff\n" + sixteen, 0, 4, 4, sixteen},
    {"maxval in upper-case hexadecimal", "P5\n4 4\n0XFF\n" + sixteen, 0, 4, 4, sixteen},
    {"maxval in octal", "P5\n4 4\n0377\n" + sixteen, 0, 4, 4, sixteen},
    {"maxval 65535", "P5\n4 4\n65535\n" + sixteen, 1, 4, 4, sixteen},
    {"maxval 0255 is octal 173", "P5\n4 4\n0255\n" + sixteen, 1, 4, 4, sixteen},
    {"signed numbers", "P5\n+4 +4\n+255\n" + sixteen, 0, 4, 4, sixteen},
    {"width 0512 is octal", "P5\n0512 1\n255\n" + std::string(330, 'w'), 0, 330, 1, std::string(330, 'w')},
    {"hexadecimal width", "P5\n0x10 1\n255\n" + sixteen, 0, 16, 1, sixteen},
    {"0x without a digit", "P5\n0xg 1\n255\n" + sixteen, 4, 0, 0, ""},
    {"maxval, a space, then pixels", "P5\n2 2\n255 AB\nCDEF", 0, 2, 2, "CDEF"},
    {"magic line over 1023 bytes", "P5" + std::string(1023, '#') + " 3 1\n255\nxyz", 0, 3, 1, "xyz"},
    {"file ends right after maxval", "P5\n4 4\n255", 2, 4, 4, zeros(16)},
    {"pixel section one byte short", "P5\n4 4\n255\n" + sixteen.substr(0, 15), 1, 4, 4, sixteen.substr(0, 15) + zeros(1)},
    {"trailing bytes", "P5\n4 4\n255\n" + sixteen + "more", 0, 4, 4, sixteen},
    {"zero by zero", "P5\n0 0\n255\n", 0, 0, 0, ""},
    {"empty file", "", 6, 0, 0, ""},
    {"ends after the magic line", "P5\n", 4, 0, 0, ""},
    {"number of 15 characters at most", "P5\n0000000000000004 255\n", 0, 0, 4, ""},
    {"sizes beyond 32 bits are clamped", "P5\n99999999999 -99999999999\n255\n", 1, INT32_MAX, INT32_MIN, std::nullopt},
    {"negative width", "P5\n-4 4\n255\n" + sixteen, 1, -4, 4, std::nullopt},
    {"product beyond 32 bits", "P5\n65536 65536\n255\n" + sixteen, 1, 65536, 65536, std::nullopt},
};

class MaskReading : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskReading, GivesTheErrorLinesAndFields)
{
    const MaskCase& c = GetParam();
    std::string bytes = c.file;
    // fmemopen refuses a buffer of size 0; a real empty file stands in.
    std::FILE* file = bytes.empty() ? std::tmpfile() : fmemopen(bytes.data(), bytes.size(), "rb");
    ASSERT_NE(file, nullptr);
    MaskFileStream in(file);
    std::ostringstream errors;
    std::int32_t width = -7, height = -7;
    std::uint8_t* pixels = nullptr;

    readMask(in, width, height, pixels, errors);

    std::string expectedErrors;
    for (int i = 0; i < c.errorLines; ++i) {
        expectedErrors += "ppm format error\n";
    }
    EXPECT_EQ(errors.str(), expectedErrors);
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    if (c.pixels) {
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(pixels), c.pixels->size()), *c.pixels);
    } else {
        EXPECT_EQ(pixels, nullptr);
    }
    std::free(pixels);
    std::fclose(file);
}

INSTANTIATE_TEST_SUITE_P(Files, MaskReading, ::testing::ValuesIn(cases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) {
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    }
    return name;
});

// The demo's own loadImage: the progress line, then the reading.
TEST(LoadImage, AnnouncesTheFileAndReadsIt)
{
    const std::string name = testing::TempDir() + "load_image_test.ppm";
    std::ofstream(name, std::ios::binary) << "P5\n4 4\n255\n" << sixteen;

    std::ostringstream out, err;
    auto* oldOut = std::cout.rdbuf(out.rdbuf());
    auto* oldErr = std::cerr.rdbuf(err.rdbuf());
    AlphaTestDemo demo(name.c_str());
    demo.loadImage();
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);

    EXPECT_EQ(out.str(), "Reading image from file \"" + name + "\" \n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(demo.imageFileName, name.c_str());
    EXPECT_EQ(demo.imageWidth, 4);
    EXPECT_EQ(demo.imageHeight, 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(demo.pixels), 16), sixteen);
    // The program keeps its buffer to the end; the test hands it back.
    std::free(demo.pixels);
}

TEST(LoadImage, AFileThatCannotBeOpenedEndsTheProcess)
{
    AlphaTestDemo demo("/nonexistent/alpha.ppm");
    EXPECT_EXIT(demo.loadImage(), ::testing::ExitedWithCode(255), "^no ppm image\n$");
}

TEST(AlphaTestDemo, StartValues)
{
    static const char name[] = "alpha.ppm";
    AlphaTestDemo demo(name);
    EXPECT_EQ(demo.zoom, 1.5);
    EXPECT_EQ(demo.imageFileName, name);
    EXPECT_TRUE(demo.alphaTestEnabled);
    EXPECT_EQ(demo.alphaThreshold, 0.5);
    EXPECT_FALSE(demo.rotating);
    EXPECT_EQ(activeApplication, &demo);
}

} // namespace
