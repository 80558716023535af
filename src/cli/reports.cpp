#include "cli/reports.h"

#include "cli/output.h"

#include <algorithm>

namespace shrink2d::cli {
namespace {

// A report of a million draws is written in pieces of this size rather than built whole: its
// pages would cost more than writing it.
constexpr std::size_t kPieceBytes = std::size_t{1} << 16;

bool passOn(std::string& piece, const ReportSink& write)
{
    const bool written = write(piece);
    piece.clear();
    return written;
}

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
        appendField(out, "rejected by " + std::string(conditionCatalogue()[group].key),
                    std::to_string(counts[group]));
    }
}

void appendRowsJson(std::string& out, const std::array<std::size_t, kConditionGroupCount>& counts)
{
    out += "\"rows\":{";
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (group > 0) out += ',';
        out += '"';
        out += conditionCatalogue()[group].key;
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

void appendPadded(std::string& out, std::string_view text, std::size_t width, bool right)
{
    const std::size_t fill = text.size() < width ? width - text.size() : 0;
    if (right) out.append(fill, ' ');
    out += text;
    if (!right) out.append(fill, ' ');
}

void appendNumber(std::string& out, int number)
{
    out += static_cast<char>('0' + number / 10);
    out += static_cast<char>('0' + number % 10);
}

// Appends the names of the groups in the mask, in group order, each wrapped in quote and joined
// by separator.
void appendGroups(std::string& out, GroupMask groups, std::string_view quote, char separator)
{
    bool first = true;
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (!groups[group]) continue;
        if (!first) out += separator;
        out.append(quote).append(conditionCatalogue()[group].key).append(quote);
        first = false;
    }
}

} // namespace

bool writeHistoryText(const HistoryReport& report, const ReportSink& write)
{
    // Lines ascend, so the last is the widest.
    const std::size_t lineWidth = std::max<std::size_t>(
        4, report.draws.empty() ? 0 : std::to_string(report.draws.back().line).size());
    std::size_t issueWidth = 0;
    for (const Draw& draw : report.draws) {
        if (!draw.issue.empty())
            issueWidth = std::max({issueWidth, draw.issue.size(), std::size_t{5}});
    }
    std::string out;
    out.reserve(kPieceBytes + 600);
    appendPadded(out, "line", lineWidth, true);
    out += "  ";
    if (issueWidth > 0) {
        appendPadded(out, "issue", issueWidth, false);
        out += "  ";
    }
    out += "draw  result  rejected by\n";
    for (const Draw& draw : report.draws) {
        appendPadded(out, std::to_string(draw.line), lineWidth, true);
        out += "  ";
        if (issueWidth > 0) {
            appendPadded(out, draw.issue.empty() ? "-" : draw.issue, issueWidth, false);
            out += "  ";
        }
        appendNumber(out, draw.number);
        out += "    ";
        const GroupMask rejected = report.rejections[static_cast<std::size_t>(draw.number)];
        if (!isKept(report, draw)) {
            out += "missed  ";
        } else {
            out += rejected.any() ? "kept    " : "kept";
        }
        appendGroups(out, rejected, "", ' ');
        out += '\n';
        if (out.size() >= kPieceBytes && !passOn(out, write)) return false;
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
    return passOn(out, write);
}

bool writeHistoryJson(const HistoryReport& report, const ReportSink& write)
{
    std::string out = "{\"draws\":[";
    out.reserve(kPieceBytes + 600);
    for (const Draw& draw : report.draws) {
        if (&draw != report.draws.data()) out += ',';
        out += "{\"line\":";
        out += std::to_string(draw.line);
        out += ",\"issue\":";
        if (draw.issue.empty()) {
            out += "null";
        } else {
            appendJsonString(out, draw.issue);
        }
        out += ",\"number\":\"";
        appendNumber(out, draw.number);
        out += isKept(report, draw) ? "\",\"kept\":true" : "\",\"kept\":false";
        out += ",\"rejected_by\":[";
        appendGroups(out, report.rejections[static_cast<std::size_t>(draw.number)], "\"", ',');
        out += "]}";
        if (out.size() >= kPieceBytes && !passOn(out, write)) return false;
    }
    out += "],\"summary\":{\"draws\":" + std::to_string(report.draws.size()) +
           ",\"kept\":" + std::to_string(report.keptCount) +
           ",\"longest_miss_run\":" + std::to_string(report.longestMissRun) +
           ",\"current_miss_run\":" + std::to_string(report.currentMissRun) +
           ",\"numbers_per_draw\":" + std::to_string(report.numbersPerDraw) + "},";
    appendRowsJson(out, report.rejectedBy);
    out += "}\n";
    return passOn(out, write);
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
