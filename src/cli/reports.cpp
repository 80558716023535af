#include "cli/reports.h"

#include "cli/output.h"

#include <algorithm>

namespace shrink2d::cli {
namespace {

constexpr std::size_t kLabelWidth = 25; // "rejected by size_parity" and two blanks

void appendField(std::string& out, std::string_view label, const std::string& value)
{
    out += label;
    out.append(kLabelWidth > label.size() ? kLabelWidth - label.size() : 1, ' ');
    out += value;
    out += '\n';
}

void appendGroupFields(std::string& out,
                       const std::array<std::size_t, kConditionGroupCount>& counts,
                       GroupMask active)
{
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (!active[group]) continue;
        appendField(out, "rejected by " + std::string(kConditionGroupNames[group]),
                    std::to_string(counts[group]));
    }
}

void appendRowsJson(std::string& out, const std::array<std::size_t, kConditionGroupCount>& counts)
{
    out += "\"rows\":{";
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (group > 0) out += ',';
        out += '"';
        out += kConditionGroupNames[group];
        out += "\":" + std::to_string(counts[group]);
    }
    out += '}';
}

// The share with one decimal, rounded half up, in integers so that 2/3 is always 66.7.
std::string percentage(std::size_t part, std::size_t whole)
{
    if (whole == 0) return "0.0";
    const std::size_t tenths = (part * 2000 + whole) / (2 * whole);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string padded(std::string text, std::size_t width, bool right)
{
    if (text.size() >= width) return text;
    return right ? std::string(width - text.size(), ' ') + text
                 : text + std::string(width - text.size(), ' ');
}

// The names of the groups in the mask, in group order, each wrapped in quote and joined by
// separator.
std::string groupList(GroupMask groups, std::string_view quote, char separator)
{
    std::string list;
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (!groups[group]) continue;
        if (!list.empty()) list += separator;
        list.append(quote).append(kConditionGroupNames[group]).append(quote);
    }
    return list;
}

} // namespace

std::string historyText(const HistoryReport& report)
{
    std::size_t lineWidth = 4;
    std::size_t issueWidth = 0;
    for (const Draw& draw : report.draws) {
        lineWidth = std::max(lineWidth, std::to_string(draw.line).size());
        if (draw.issue) issueWidth = std::max({issueWidth, draw.issue->size(), std::size_t{5}});
    }
    std::string out;
    out.reserve(report.draws.size() * (lineWidth + issueWidth + 24) + 400);
    out += padded("line", lineWidth, true) + "  ";
    if (issueWidth > 0) out += padded("issue", issueWidth, false) + "  ";
    out += "draw  result  rejected by\n";
    for (std::size_t k = 0; k < report.draws.size(); ++k) {
        const Draw& draw = report.draws[k];
        out += padded(std::to_string(draw.line), lineWidth, true) + "  ";
        if (issueWidth > 0) out += padded(draw.issue.value_or("-"), issueWidth, false) + "  ";
        out += draw.number + "    ";
        const std::string groups = groupList(report.rejections[k], "", ' ');
        out += report.kept[k] ? (groups.empty() ? "kept" : "kept    ") : "missed  ";
        out += groups;
        out += '\n';
    }
    out += '\n';
    const std::size_t draws = report.draws.size();
    appendField(out, "draws", std::to_string(draws));
    appendField(out, "kept", std::to_string(report.keptCount));
    appendField(out, "kept %", percentage(report.keptCount, draws));
    appendField(out, "longest miss run", std::to_string(report.longestMissRun));
    appendField(out, "current miss run", std::to_string(report.currentMissRun));
    appendGroupFields(out, report.rejectedBy, report.active);
    appendField(out, "numbers per draw", std::to_string(report.numbersPerDraw));
    return out;
}

std::string historyJson(const HistoryReport& report)
{
    std::string out = "{\"draws\":[";
    out.reserve(report.draws.size() * 90 + 300);
    for (std::size_t k = 0; k < report.draws.size(); ++k) {
        const Draw& draw = report.draws[k];
        if (k > 0) out += ',';
        out += "{\"line\":" + std::to_string(draw.line) + ",\"issue\":";
        if (draw.issue) {
            appendJsonString(out, *draw.issue);
        } else {
            out += "null";
        }
        out += ",\"number\":\"" + draw.number + "\",\"kept\":";
        out += report.kept[k] ? "true" : "false";
        out += ",\"rejected_by\":[";
        out += groupList(report.rejections[k], "\"", ',');
        out += "]}";
    }
    out += "],\"summary\":{\"draws\":" + std::to_string(report.draws.size()) +
           ",\"kept\":" + std::to_string(report.keptCount) +
           ",\"longest_miss_run\":" + std::to_string(report.longestMissRun) +
           ",\"current_miss_run\":" + std::to_string(report.currentMissRun) +
           ",\"numbers_per_draw\":" + std::to_string(report.numbersPerDraw) + "},";
    appendRowsJson(out, report.rejectedBy);
    out += "}\n";
    return out;
}

std::string statsText(const GroupStats& stats, GroupMask active)
{
    std::string out;
    appendGroupFields(out, stats.rejectedBy, active);
    appendField(out, "in", std::to_string(stats.in));
    appendField(out, "out", std::to_string(stats.out));
    return out;
}

std::string statsJson(const GroupStats& stats)
{
    std::string out = "{";
    appendRowsJson(out, stats.rejectedBy);
    out += ",\"in\":" + std::to_string(stats.in) + ",\"out\":" + std::to_string(stats.out) + "}\n";
    return out;
}

} // namespace shrink2d::cli
