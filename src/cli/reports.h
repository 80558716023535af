#pragma once

#include "cli/history.h"
#include "filtering/condition_groups.h"

#include <string>

namespace shrink2d::cli {

// A line per draw (line, issue when the file gives any, number, kept or missed, the groups that
// reject it), a blank line and the summary; ends with a line break.
std::string historyText(const HistoryReport& report);

// {"draws":[…],"summary":{…},"rows":{…}} on one line, keys in this order, a row for every group.
std::string historyJson(const HistoryReport& report);

// The elements each active group rejects, then how many came in and how many survive.
std::string statsText(const GroupStats& stats, GroupMask active);

// {"rows":{…},"in":N,"out":K} on one line, a row for every group.
std::string statsJson(const GroupStats& stats);

} // namespace shrink2d::cli
