#pragma once

#include "filtering/filter_pass.h"

#include <string>
#include <string_view>

namespace shrink2d {

// Title of every message box.
inline constexpr std::string_view kMessageTitle = "澄数2D缩水软件";

// Shown when "2、过滤" is pressed on an empty list.
inline constexpr std::string_view kEmptyListPrompt = "请先组号然后再点击“过滤”";

// Which element stopped the pass: its position and its text, shown visibly and cut short.
std::string describeUnreadable(const Unreadable& unreadable);

// describeUnreadable, then what the list may hold and which button to press.
std::string unreadableMessage(const Unreadable& unreadable);

} // namespace shrink2d
