#include "alpha_test_demo.h"
#include "key_help.h"

#include <iostream>

namespace {

const char imageFileName[] = "alpha.ppm";
const char windowTitle[] = "Orvin Talasek, 461389";
constexpr int windowSize = 512;

} // namespace

// Command-line arguments are ignored.
int main()
{
    AlphaTestDemo demo(imageFileName);
    printKeyHelp(std::cout);
    demo.run(windowTitle, true, windowSize, windowSize);
    return 0;
}
