#pragma once

#include "running_demo.h"

#include <gtest/gtest.h>

// Base of the real-program tests: without its X server a test fails, it never
// skips quietly.
template <typename Base = ::testing::Test>
class ProgramTestBase : public Base {
protected:
    void SetUp() override { ASSERT_TRUE(sharedDisplay().running()) << sharedDisplay().error(); }
};

using ProgramTest = ProgramTestBase<>;
