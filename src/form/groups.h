#pragma once

// Which controls of the classic form show the condition groups: the window's own names, keyed by
// group. The window shows these groups; the page draws them where the window does.

#include "filtering/catalogue.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace shrink2d::layout {

struct GroupControls {
    ConditionGroup group;
    std::string_view control; // the check-box array of its boxes: "Check18"
    int firstItem = 0;        // the group's box 0 is this item of the array
    std::string_view frame;   // a frame of its own, captioned by the group; empty when it has none
    std::string_view pair;    // its 定/杀 pair of option buttons, empty for a group without one
};

inline constexpr auto kFormGroups = std::to_array<GroupControls>({
    {ConditionGroup::Banker, "Check26", 0, "Frame1", {}},
    {ConditionGroup::Sum, "Checkhe", 0, "Frame3", {}},
    {ConditionGroup::Tail, "Check18", 0, "Frame7", {}},
    {ConditionGroup::Span, "Check19", 0, "Frame2", {}},
    {ConditionGroup::Road, "Check32", 0, "Frame6", {}},
    {ConditionGroup::Parity, "Check27", 0, {}, "Option1"},
    {ConditionGroup::ParitySize, "Check28", 0, {}, "Option3"},
    {ConditionGroup::SizeParity, "Check28", 4, {}, "Option3"},
    {ConditionGroup::Size, "Check29", 0, {}, "Option4"},
});

// The row of a table for the group; null when the table lacks it.
inline const GroupControls* controlsOf(ConditionGroup group, std::span<const GroupControls> table)
{
    const auto found = std::find_if(table.begin(), table.end(), [group](const GroupControls& row) {
        return row.group == group;
    });
    return found == table.end() ? nullptr : &*found;
}

} // namespace shrink2d::layout
