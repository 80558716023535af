#pragma once

// The page's own table: where it draws the groups the window does not show, each in a frame of
// its own captioned by the group, on the page the catalogue gives it, in the form's style and
// with control names in the form's manner. The groups the window shows the page draws where the
// window has them (form/groups.h).

#include "form/groups.h"
#include "form/layout.h"

#include <array>
#include <string_view>

namespace shrink2d::web {

struct PageGroup {
    layout::GroupControls controls; // the names of its boxes (or text box), frame and pair
    layout::Box frame;              // the frame on its page
    layout::Grid place;             // its boxes within the frame; a text box stands at place.first
    layout::Grid pair;      // its 定/杀 pair within the frame, when controls.pair names one
    layout::LabelRow label; // a grey label in the frame, when it has a caption
};

inline constexpr auto kPageGroups = std::to_array<PageGroup>({
    {{ConditionGroup::Prime, "Check33", 0, "Frame10", "Option5"},
     {120, 240, 4095, 1095},
     layout::kPatternRow,
     layout::modePair(240, 360, 735),
     {0, "Label20", "质：12357 合：04689", {960, 795, 2775, 255}}},
    {{ConditionGroup::Tier, "Check34", 0, "Frame11", "Option6"},
     {120, 1440, 4095, 1875},
     {{960, 360, 735, 375}, 720, 360, 3},
     layout::modePair(240, 360, 735),
     {0, "Label21", "小：0到2 中：3到6 大：7到9", {960, 1515, 2775, 255}}},
    {{ConditionGroup::Shape, "Check35", 0, "Frame12", "Option7"},
     {120, 3420, 4095, 1275},
     {{960, 360, 735, 375}, 720, 0, 3},
     layout::modePair(240, 360, 735),
     {0, "Label22", "升：一位<二位 平：相同 降：一位>二位", {240, 915, 3735, 255}}},
    {{ConditionGroup::KillNumbers, "Text4", 0, "Frame13", {}},
     {120, 240, 4095, 1875},
     {{240, 360, 3615, 1095}, 0, 0, 1},
     {},
     {0, "Label23", "两位数字，如 05 17 99", {240, 1515, 3615, 255}}},
});

} // namespace shrink2d::web
