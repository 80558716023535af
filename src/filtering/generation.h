#pragma once

#include <bitset>
#include <string>

namespace shrink2d {

// Digit k is in the set when box k of its row is ticked.
using DigitSet = std::bitset<10>;

// Every ticked first digit with every ticked second digit, ascending, each number written as two
// digit characters and one blank. Empty when either set is empty.
std::string generateCandidates(DigitSet first, DigitSet second);

} // namespace shrink2d
