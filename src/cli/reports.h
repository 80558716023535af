#pragma once

#include "cli/history.h"
#include "filtering/condition_groups.h"
#include "filtering/filter_pass.h"
#include "filtering/language.h"

#include <functional>
#include <string>
#include <string_view>

namespace shrink2d::cli {

// Takes the successive pieces of a report; false stops the writing.
using ReportSink = std::function<bool(std::string_view)>;

// A line per draw (line, issue when the file gives any, number, kept or missed, not listed when
// the list lacks it, the groups that reject it), a blank line and the summary, in the player's
// language; each group is shown as its caption (in English with its key in brackets), and columns
// are aligned for wide characters. Ends with a line break. False when write failed.
bool writeHistoryText(const HistoryReport& report, const ReportSink& write, Language language);

// {"draws":[…],"summary":{…},"rows":{…}} on one line, keys in this order, rows as
// form::appendRowsJson writes them;
// a draw's "rejected_by" starts with "list" when the list lacks it.
bool writeHistoryJson(const HistoryReport& report, const ReportSink& write);

// The share of part in whole as the reports write it: a percentage with one decimal, rounded half
// up ("66.7" for 2 of 3); "0.0" of nothing.
std::string percentage(std::size_t part, std::size_t whole);

// What keeps a draw out, as the text report lists it in the player's language: not listed first
// when the list lacks it, then each group that rejects it, by caption.
std::string rejectionText(const HistoryReport& report, const Draw& draw, Language language);

// The elements each active group rejects, then how many came in and how many survive; the JSON
// is form::statsJson.
std::string statsText(const GroupStats& stats, GroupMask active, Language language);

} // namespace shrink2d::cli
