#include "cli/reports.h"

#include "cli/output.h"
#include "filtering/catalogue.h"
#include "filtering/messages.h"
#include "form/counts_json.h"

#include <algorithm>
#include <array>

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

// Columns the text takes on a terminal: two for a wide (East Asian) character, one for others.
// The text is well-formed UTF-8.
std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if ((byte & 0xC0U) == 0x80U) continue; // continuation bytes add nothing
        char32_t point = byte;
        if (byte >= 0xE0U && k + 2 < text.size()) {
            point = (char32_t{byte} & 0x0FU) << 12U |
                    (static_cast<unsigned char>(text[k + 1]) & 0x3FU) << 6U |
                    (static_cast<unsigned char>(text[k + 2]) & 0x3FU);
        }
        const bool wide =
            (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
            (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF) ||
            (point >= 0xFE30 && point <= 0xFE4F) || (point >= 0xFF00 && point <= 0xFF60) ||
            (point >= 0xFFE0 && point <= 0xFFE6) || byte >= 0xF0U;
        width += wide ? 2 : 1;
    }
    return width;
}

// A group as players know it, by its row's caption, and in English as the JSON names it too: the
// caption, then the key in brackets. Made once: a report of millions of draws names a group on
// most of its lines.
const std::string& groupLabel(std::size_t group, Language language)
{
    using Labels = std::array<std::string, kConditionGroupCount>;
    static const std::array<Labels, 2> labels = [] {
        std::array<Labels, 2> made;
        for (const ConditionEntry& entry : conditionCatalogue()) {
            made[0][entry.index()] = std::string(entry.caption);
            made[1][entry.index()] =
                std::string(entry.caption) + " (" + std::string(entry.key) + ")";
        }
        return made;
    }();
    return labels[language == Language::Chinese ? 0 : 1][group];
}

std::string rejectedByLabel(std::size_t group, Language language)
{
    return say(Message::FieldRejectedBy, language, {groupLabel(group, language)});
}

// Wide enough for "longest miss run" and the group rows in use, two blanks beyond the widest.
std::size_t labelWidth(GroupMask active, Language language)
{
    std::size_t width = 25;
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (active[group])
            width = std::max(width, displayWidth(rejectedByLabel(group, language)) + 2);
    }
    return width;
}

void appendPadded(std::string& out, std::string_view text, std::size_t width, bool right)
{
    const std::size_t shown = displayWidth(text);
    const std::size_t fill = shown < width ? width - shown : 0;
    if (right) out.append(fill, ' ');
    out += text;
    if (!right) out.append(fill, ' ');
}

void appendField(std::string& out, std::size_t width, std::string_view label,
                 const std::string& value)
{
    appendPadded(out, label, width - 1, false);
    out += ' ';
    out += value;
    out += '\n';
}

void appendGroupFields(std::string& out, std::size_t width,
                       const std::array<std::size_t, kConditionGroupCount>& counts,
                       GroupMask active, Language language)
{
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (active[group]) {
            appendField(out, width, rejectedByLabel(group, language),
                        std::to_string(counts[group]));
        }
    }
}

void appendNumber(std::string& out, int number)
{
    out += static_cast<char>('0' + number / 10);
    out += static_cast<char>('0' + number % 10);
}

// Appends what rejects a number: "list" first when the list never held it, then each group in
// the mask, in group order; as JSON strings or as the labels players read.
void appendRejections(std::string& out, bool listed, GroupMask groups, bool json,
                      Language language = Language::English)
{
    bool first = true;
    const auto append = [&](std::string_view text) {
        if (!first) out += json ? "," : language == Language::Chinese ? "、" : ", ";
        if (json) out += '"';
        out += text;
        if (json) out += '"';
        first = false;
    };
    if (!listed) append(json ? "list" : say(Message::NotListed, language));
    for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
        if (!groups[group]) continue;
        append(json ? conditionCatalogue()[group].key
                    : std::string_view(groupLabel(group, language)));
    }
}

} // namespace

// In integers, so that 2/3 is always 66.7.
std::string percentage(std::size_t part, std::size_t whole)
{
    if (whole == 0) return "0.0";
    const std::size_t tenths = (part * 2000 + whole) / (2 * whole);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string rejectionText(const HistoryReport& report, const Draw& draw, Language language)
{
    std::string text;
    const auto number = static_cast<std::size_t>(draw.number);
    appendRejections(text, report.listed[number], report.rejections[number], false, language);
    return text;
}

bool writeHistoryText(const HistoryReport& report, const ReportSink& write, Language language)
{
    const auto word = [language](Message message) { return say(message, language); };
    const std::string kept = word(Message::Kept);
    const std::string missed = word(Message::Missed);
    const std::size_t drawWidth = displayWidth(word(Message::ColumnDraw));
    const std::size_t resultWidth = std::max(
        {displayWidth(word(Message::ColumnResult)), displayWidth(kept), displayWidth(missed)});
    // Lines ascend, so the last is the widest.
    const std::size_t lineWidth =
        std::max(displayWidth(word(Message::ColumnLine)),
                 report.draws.empty() ? 0 : std::to_string(report.draws.back().line).size());
    std::size_t issueWidth = 0;
    for (const Draw& draw : report.draws) {
        if (!draw.issue.empty()) {
            issueWidth = std::max(
                {issueWidth, displayWidth(draw.issue), displayWidth(word(Message::ColumnIssue))});
        }
    }
    std::string out;
    out.reserve(kPieceBytes + 600);
    appendPadded(out, word(Message::ColumnLine), lineWidth, true);
    out += "  ";
    if (issueWidth > 0) {
        appendPadded(out, word(Message::ColumnIssue), issueWidth, false);
        out += "  ";
    }
    appendPadded(out, word(Message::ColumnDraw), std::max<std::size_t>(drawWidth, 2), false);
    out += "  ";
    appendPadded(out, word(Message::ColumnResult), resultWidth, false);
    out += "  ";
    out += word(Message::ColumnRejectedBy);
    out += '\n';
    for (const Draw& draw : report.draws) {
        appendPadded(out, std::to_string(draw.line), lineWidth, true);
        out += "  ";
        if (issueWidth > 0) {
            appendPadded(out, draw.issue.empty() ? "-" : draw.issue, issueWidth, false);
            out += "  ";
        }
        appendNumber(out, draw.number);
        out.append(std::max<std::size_t>(drawWidth, 2) - 2 + 2, ' ');
        const auto number = static_cast<std::size_t>(draw.number);
        const GroupMask rejected = report.rejections[number];
        const bool isKeptDraw = isKept(report, draw);
        if (!isKeptDraw || rejected.any()) {
            appendPadded(out, isKeptDraw ? kept : missed, resultWidth, false);
            out += "  ";
        } else {
            out += kept;
        }
        appendRejections(out, report.listed[number], rejected, false, language);
        out += '\n';
        if (out.size() >= kPieceBytes && !passOn(out, write)) return false;
    }
    out += '\n';
    const std::size_t draws = report.draws.size();
    const std::size_t width = labelWidth(report.active, language);
    appendField(out, width, word(Message::FieldDraws), std::to_string(draws));
    appendField(out, width, word(Message::FieldKept), std::to_string(report.keptCount));
    appendField(out, width, word(Message::FieldKeptShare), percentage(report.keptCount, draws));
    appendField(out, width, word(Message::FieldLongestMissRun),
                std::to_string(report.longestMissRun));
    appendField(out, width, word(Message::FieldCurrentMissRun),
                std::to_string(report.currentMissRun));
    appendGroupFields(out, width, report.rejectedBy, report.active, language);
    appendField(out, width, word(Message::FieldNumbersPerDraw),
                std::to_string(report.numbersPerDraw));
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
        const auto number = static_cast<std::size_t>(draw.number);
        appendRejections(out, report.listed[number], report.rejections[number], true);
        out += "]}";
        if (out.size() >= kPieceBytes && !passOn(out, write)) return false;
    }
    out += "],\"summary\":{\"draws\":" + std::to_string(report.draws.size()) +
           ",\"kept\":" + std::to_string(report.keptCount) +
           ",\"longest_miss_run\":" + std::to_string(report.longestMissRun) +
           ",\"current_miss_run\":" + std::to_string(report.currentMissRun) +
           ",\"numbers_per_draw\":" + std::to_string(report.numbersPerDraw) + "},";
    form::appendRowsJson(out, report.rejectedBy);
    out += "}\n";
    return passOn(out, write);
}

std::string statsText(const GroupStats& stats, GroupMask active, Language language)
{
    std::string out;
    const std::size_t width = labelWidth(active, language);
    appendGroupFields(out, width, stats.rejectedBy, active, language);
    appendField(out, width, say(Message::FieldIn, language), std::to_string(stats.in));
    appendField(out, width, say(Message::FieldOut, language), std::to_string(stats.out));
    return out;
}

} // namespace shrink2d::cli
