#pragma once

#include "filtering/filter_settings.h"

#include <cstddef>
#include <random>
#include <string>

namespace shrink2d::bench {

// A list of count numbers from 00 to 99 in the written form (two digits and one blank each). Random
// rather than cycling, so the survivor test's branch cannot be learnt by the predictor; the fixed
// seed keeps runs comparable.
inline std::string randomList(std::size_t count)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> number(0, 99);
    std::string list;
    list.reserve(count * 3);
    for (std::size_t k = 0; k < count; ++k) {
        const int n = number(random);
        list.push_back(static_cast<char>('0' + n / 10));
        list.push_back(static_cast<char>('0' + n % 10));
        list.push_back(' ');
    }
    return list;
}

// Banker digits and every one of the eight condition rows in use. The pattern rows overlap so much
// that no such mix keeps half the numbers; this one keeps about a third, near the most possible.
// A pass that kept nothing or everything would time a degenerate case.
inline FilterSettings everyRowActive()
{
    FilterSettings settings;
    for (const std::size_t digit : {1, 2, 3, 4, 5, 6, 7}) settings.banker.set(digit);
    settings.sums.values = {0, 18};
    settings.sumTails.values = {5};
    settings.spans.values = {9};
    settings.roads.values = {22};
    settings.parity.ticked = {true, false, false, false}; // kill 偶偶
    settings.parity.kill = true;
    settings.paritySize.ticked = {false, true, false, false}; // kill 偶小
    settings.paritySize.kill = true;
    settings.sizeParity.ticked = {false, true, false, false}; // kill 小偶
    settings.sizeParity.kill = true;
    settings.size.ticked = {true, false, true, true}; // fix 大大 大小 小大
    return settings;
}

} // namespace shrink2d::bench
