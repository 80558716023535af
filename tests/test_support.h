#pragma once

#include "filtering/filter_settings.h"
#include "filtering/generation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace shrink2d::test {

inline DigitSet digits(std::initializer_list<int> ticked)
{
    DigitSet set;
    for (const int d : ticked) set.set(static_cast<std::size_t>(d));
    return set;
}

inline const DigitSet kAllDigits = DigitSet().set();

// "00 01 … 99 " spelled out character by character, so that tests of the pass do not share a
// fault with the generation; each number is followed by the separator.
inline std::string hundredNumbers(char separator = ' ')
{
    std::string text;
    for (char first = '0'; first <= '9'; ++first) {
        for (char second = '0'; second <= '9'; ++second) text += {first, second, separator};
    }
    return text;
}

// The count line for that many elements, spelled out here rather than taken from the core.
inline std::string countLine(long count) { return "       共计:" + std::to_string(count) + "注"; }

// Table rows print as their name when they fail, not as a dump of their bytes.
template <typename Row>
requires requires(const Row& row) { std::string_view(row.name); }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// Names each case of a table after its row, so that a case keeps its name from run to run.
struct ByName {
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const
    {
        return std::string(row.param.name);
    }
};

using Group = PatternGroup FilterSettings::*;
using KillRow = NumericKill FilterSettings::*;

// Settings in one expression, for table rows: Ticks().sum(10).fix(&FilterSettings::parity, {0}).
struct Ticks {
    FilterSettings settings;

    Ticks& banker(std::initializer_list<int> ds)
    {
        settings.banker = digits(ds);
        return *this;
    }
    Ticks& sum(long v) { return add(&FilterSettings::sums, v); }
    Ticks& sumTail(long v) { return add(&FilterSettings::sumTails, v); }
    Ticks& span(long v) { return add(&FilterSettings::spans, v); }
    Ticks& road(long v) { return add(&FilterSettings::roads, v); }
    Ticks& fix(Group group, std::initializer_list<int> items)
    {
        for (const int k : items) (settings.*group).ticked.at(static_cast<std::size_t>(k)) = true;
        return *this;
    }
    Ticks& kill(Group group, std::initializer_list<int> items)
    {
        (settings.*group).kill = true;
        return fix(group, items);
    }
    // Implicit, so that a row can hold Ticks().sum(10) where it wants FilterSettings.
    operator FilterSettings() const { return settings; }

private:
    Ticks& add(KillRow row, long v)
    {
        (settings.*row).values.push_back(v);
        return *this;
    }
};

} // namespace shrink2d::test
