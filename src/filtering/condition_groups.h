#pragma once

#include "filtering/attributes.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <string_view>
#include <variant>

namespace shrink2d {

// The banker digits and the eight condition rows, each judged on its own. Reports list them in
// this order, under these names.
enum class ConditionGroup : std::size_t {
    Banker,
    Sum,
    Tail,
    Span,
    Road,
    Parity,
    ParitySize,
    SizeParity,
    Size
};
inline constexpr std::size_t kConditionGroupCount = 9;
inline constexpr std::array<std::string_view, kConditionGroupCount> kConditionGroupNames = {
    "banker", "sum", "tail", "span", "road", "parity", "parity_size", "size_parity", "size"};

// Bit g is set when group g rejects (or, from activeGroups, is in use).
using GroupMask = std::bitset<kConditionGroupCount>;

inline constexpr std::size_t bitOf(ConditionGroup group) { return static_cast<std::size_t>(group); }

// The condition rows (never the banker group) that reject an element with these attributes.
GroupMask rowsRejecting(const CandidateAttributes& attrs, const FilterSettings& settings);

// The groups with something set: banker digits, killed values, ticked pattern boxes.
GroupMask activeGroups(const FilterSettings& settings);

// For each number 00 to 99, the groups that reject it.
using RejectionTable = std::array<GroupMask, 100>;
RejectionTable rejectionTable(const FilterSettings& settings);

// The survivors of each number when an element may be rejected by at most tolerance groups.
KeepTable toleratedKeepTable(const RejectionTable& rejections, std::size_t tolerance);

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
