#pragma once

#include "filtering/generation.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shrink2d {

// Captions of the condition boxes, by item. The sums run 0 to 18, the other number rows use the
// first ten. The pattern captions are exactly the values their pattern can take; the road
// captions are the nine road patterns (item 6 is "21", item 7 "20").
inline constexpr std::array<std::string_view, 19> kNumberCaptions = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8", "9",
    "10", "11", "12", "13", "14", "15", "16", "17", "18"};
inline constexpr std::array<std::string_view, 9> kRoadCaptions = {"00", "01", "02", "10", "11",
                                                                  "12", "21", "20", "22"};
inline constexpr std::array<std::string_view, 4> kParityCaptions = {"偶偶", "偶奇", "奇奇", "奇偶"};
inline constexpr std::array<std::string_view, 8> kParitySizeCaptions = {
    "偶大", "偶小", "奇大", "奇小", "大偶", "小偶", "大奇", "小奇"};
inline constexpr std::array<std::string_view, 4> kSizeCaptions = {"大大", "小小", "大小", "小大"};
inline constexpr std::array<std::string_view, 4> kPrimeCaptions = {"质质", "质合", "合质", "合合"};
inline constexpr std::array<std::string_view, 9> kTierCaptions = {
    "大大", "大中", "大小", "中大", "中中", "中小", "小大", "小中", "小小"};
inline constexpr std::array<std::string_view, 3> kShapeCaptions = {"升", "平", "降"};
inline constexpr std::array<std::string_view, 2> kModeCaptions = {"定", "杀"};

// The numbers 00 to 99 written as the list writes them, "00" first: the captions of a group typed
// as numbers into a text box.
inline constexpr std::array<char, 200> kTwoDigitChars = [] {
    std::array<char, 200> chars{};
    for (std::size_t n = 0; n < 100; ++n) {
        chars[2 * n] = static_cast<char>('0' + n / 10);
        chars[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return chars;
}();
inline constexpr std::array<std::string_view, 100> kTwoDigitCaptions = [] {
    std::array<std::string_view, 100> captions{};
    for (std::size_t n = 0; n < 100; ++n) captions[n] = {kTwoDigitChars.data() + 2 * n, 2};
    return captions;
}();

// A set of the numbers 00 to 99, bit n for the number n.
using NumberSet = std::bitset<100>;

// A kill row (sums, sum tails, spans, roads): the values of the ticked boxes' captions.
struct NumericKill {
    std::vector<long> values;

    bool rejects(long value) const;
    bool operator==(const NumericKill&) const = default;
};

// Pattern boxes under one fix/kill pair. Kill drops an element whose pattern is the caption of a
// ticked box; fix drops one whose pattern is the caption of an unticked box. A group with nothing
// ticked has no effect in either mode.
struct PatternGroup {
    std::vector<std::string> captions;
    std::vector<bool> ticked; // one for each caption
    bool kill = false;

    static PatternGroup withCaptions(std::span<const std::string_view> captions);
    bool isActive() const;
    bool rejects(std::string_view pattern) const;
    bool operator==(const PatternGroup&) const = default;
};

// Everything a filter pass needs from the condition pages, read once per pass.
struct FilterSettings {
    DigitSet banker;
    NumericKill sums;
    NumericKill sumTails;
    NumericKill spans;
    NumericKill roads; // compared with the road pattern read as a number
    PatternGroup parity = PatternGroup::withCaptions(kParityCaptions);
    PatternGroup paritySize = PatternGroup::withCaptions(std::span(kParitySizeCaptions).first(4));
    PatternGroup sizeParity = PatternGroup::withCaptions(std::span(kParitySizeCaptions).last(4));
    PatternGroup size = PatternGroup::withCaptions(kSizeCaptions);
    PatternGroup prime = PatternGroup::withCaptions(kPrimeCaptions);
    PatternGroup tier = PatternGroup::withCaptions(kTierCaptions);
    PatternGroup shape = PatternGroup::withCaptions(kShapeCaptions);
    NumberSet killedNumbers;

    bool operator==(const FilterSettings&) const = default;
};

} // namespace shrink2d
