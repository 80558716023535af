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

inline constexpr std::array<PageGroup, 0> kPageGroups{};

} // namespace shrink2d::web
