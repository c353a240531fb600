#pragma once

#include <ostream>

// Prints the key list that the user sees at start-up.
void printKeyHelp(std::ostream& out);
