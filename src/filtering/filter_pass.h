#pragma once

#include "filtering/attributes.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace shrink2d {

// An element that the pass could not classify.
struct Unreadable {
    std::size_t position = 0; // 1-based, counted in the list as read after the banker filter
    std::string element;
    Position failedAt = Position::First;

    bool operator==(const Unreadable&) const = default;
};

// The banker-digit filter on list text. nullopt when no banker digit is set: the text is then
// left exactly as it is. Otherwise the elements whose first or last character is a set digit,
// each written back whole with one blank; a non-digit end, and an empty element, count as 0.
std::optional<std::string> bankerFilter(std::string_view listText, DigitSet banker);

// True when an element holds a banker digit at either end; a non-digit end, and an empty
// element, count as 0.
bool passesBanker(std::string_view element, DigitSet banker);

// True when computeAttributes can classify the element: a digit at both ends.
bool isClassifiable(std::string_view element);

// The first element of the list text that cannot be classified, with its 1-based position.
std::optional<Unreadable> firstUnreadable(std::string_view listText);

// Whether each of the numbers 00 to 99 survives, indexed by the number; 1 keeps it.
using KeepTable = std::array<std::uint8_t, 100>;

// The elements of the list text whose number the table keeps, each followed by one blank;
// nullopt when any element cannot be classified. Linear in the length of the text.
std::optional<std::string> keepByTable(std::string_view listText, const KeepTable& keep);

struct ConditionResult {
    std::string listText; // the survivors in their old order, each followed by one blank
    std::optional<Unreadable> unreadable; // set: the pass stopped and listText is empty
};

// The eight condition rows over every element of the list text. Stops at the first element that
// cannot be classified, whatever conditions are set. Linear in the length of the text.
ConditionResult applyConditions(std::string_view listText, const FilterSettings& settings);

// What one press of "2、过滤" leaves.
struct PassOutcome {
    bool listWasEmpty = false; // the text was exactly empty: the empty-list message is due
    std::string listText;      // what the result box holds afterwards
    std::optional<std::string> countLine; // nullopt when the pass stopped on an unreadable element
    std::optional<Unreadable> unreadable;
};

// The banker step of a press as a front end runs it on the list it holds: it filters that list
// and returns the text the filter leaves (the list itself when no banker digit is set).
using BankerStep = std::function<std::string_view()>;

// One press of "2、过滤", the only definition of it: whether the empty-list message is due, the
// banker step, the eight rows over the list it leaves read afresh, then the survivors and their
// count line; or, at the first element that cannot be classified, the list as the banker step
// left it and that element. listText is read before the banker step only, so the step may
// replace the text it points into.
PassOutcome runFilterPass(std::string_view listText, const FilterSettings& settings,
                          const BankerStep& bankerStep);

// The same press on a list held as text alone, with the core's banker filter.
PassOutcome runFilterPass(std::string_view listText, const FilterSettings& settings);

} // namespace shrink2d
