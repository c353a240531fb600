// The real program under valgrind's memcheck: no read or write out of bounds,
// in particular none by the GL driver when it takes the mask's rows.
#include "mask_files.h"
#include "program_test.h"

#include <gtest/gtest.h>

namespace {

std::string maskName(const ::testing::TestParamInfo<std::string>& info)
{
    static const char* const names[] = {"OddWidth", "ShortPixelSection", "NegativeWidth"};
    return names[info.index];
}

using ProgramMemcheck = ProgramTestBase<::testing::TestWithParam<std::string>>;

TEST_P(ProgramMemcheck, RunsCleanAndEndsOnEscape)
{
    // Uninitialised-value reports come from inside Mesa's JIT; addressing
    // errors are what the mask could cause.
    RunningDemo demo(GetParam(), {"valgrind", "--error-exitcode=99", "--undef-value-errors=no", "--quiet"});
    ASSERT_TRUE(demo.waitUntilShown(120)) << demo.process().standardError();
    sleepSeconds(0.5);
    demo.window().keys("Escape");
    int status = -1;
    ASSERT_TRUE(demo.process().waitForExit(120, status));
    EXPECT_EQ(status, 0) << demo.process().standardError();
}

INSTANTIATE_TEST_SUITE_P(Masks, ProgramMemcheck,
                         ::testing::Values(pgmFile(5, 3, "abcdefghijklmno"),      // rows of odd width
                                           pgmFile(7, 5, std::string(34, 'z')),   // one byte short
                                           "P5\n-4 4\n255\n" + std::string(16, 'n')), // no buffer can hold it
                         maskName);

} // namespace
