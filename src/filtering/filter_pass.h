#pragma once

#include "filtering/attributes.h"
#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

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

struct ConditionResult {
    std::string listText;  // the survivors in their old order, each followed by one blank
    std::size_t count = 0; // how many survive
    std::optional<Unreadable> unreadable; // set: the pass stopped and listText is empty
};

// The condition rows (every group but the banker digits) over every element of the list text.
// Stops at the first element that cannot be classified, whatever conditions are set. Linear in
// the length of the text.
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
// banker step, the condition rows over the list it leaves read afresh, then the survivors and
// their count line; or, at the first element that cannot be classified, the list as the banker step
// left it and that element. listText is read before the banker step only, so the step may
// replace the text it points into. Without a step the core's banker filter runs on listText.
PassOutcome runFilterPass(std::string_view listText, const FilterSettings& settings,
                          const BankerStep& bankerStep = {});

// The filter pass that lets an element through when at most tolerance groups reject it. With
// tolerance 0 this is runFilterPass itself. Otherwise the banker digits are one group among the
// others, every element is classified, and the first one that cannot be stops the pass with its
// position in the list as given; the list text is then returned unchanged.
PassOutcome runTolerantPass(std::string_view listText, const FilterSettings& settings,
                            std::size_t tolerance);

// What each group costs on one list.
struct GroupStats {
    std::array<std::size_t, kConditionGroupCount> rejectedBy{}; // elements each group rejects
    std::size_t in = 0;                                         // elements of the list
    std::size_t out = 0; // elements rejected by at most tolerance groups

    bool operator==(const GroupStats&) const = default;
};

// Classifies every element of the list text; the first one that cannot be classified stops it.
std::variant<GroupStats, Unreadable>
groupStats(std::string_view listText, const FilterSettings& settings, std::size_t tolerance);

} // namespace shrink2d
