#include "filtering/generation.h"

namespace shrink2d {

std::string generateCandidates(DigitSet first, DigitSet second)
{
    std::string list;
    list.reserve(first.count() * second.count() * 3);
    // The digits written are the loop indices, so the numbers come out ascending whatever order
    // the boxes were ticked in.
    for (int i = 0; i <= 9; ++i) {
        if (!first.test(static_cast<std::size_t>(i))) continue;
        for (int j = 0; j <= 9; ++j) {
            if (!second.test(static_cast<std::size_t>(j))) continue;
            list.push_back(static_cast<char>('0' + i));
            list.push_back(static_cast<char>('0' + j));
            list.push_back(' ');
        }
    }
    return list;
}

} // namespace shrink2d
