#include "cli/history.h"

#include "filtering/utf8.h"

#include <algorithm>
#include <array>
#include <string>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownCharacters = 60;
constexpr std::string_view kForms =
    " (a line ends in a draw such as 37, 3 7 or 3,7, after an optional issue)";

// Length in bytes of the separator that starts the text, 0 when none does: a blank, tab or
// U+3000, or, when punctuation counts, a comma or semicolon, ASCII or full-width (，；).
std::size_t separatorLength(std::string_view text, bool punctuation)
{
    switch (text.front()) {
    case ' ':
    case '\t':
        return 1;
    case ',':
    case ';':
        return punctuation ? 1 : 0;
    case '\xE3':
        return text.starts_with("\xE3\x80\x80") ? 3 : 0;
    case '\xEF':
        return punctuation && (text.starts_with("\xEF\xBC\x8C") || text.starts_with("\xEF\xBC\x9B"))
                   ? 3
                   : 0;
    default:
        return 0;
    }
}

bool isBlank(std::string_view text)
{
    for (std::size_t length = 0; !text.empty(); text.remove_prefix(length)) {
        length = separatorLength(text, false);
        if (length == 0) return false;
    }
    return true;
}

bool isDigits(std::string_view token, std::size_t count)
{
    return token.size() == count && std::all_of(token.begin(), token.end(), isAsciiDigit);
}

bool holdsControlCharacter(std::string_view line)
{
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20U && c != '\t') || byte == 0x7FU;
    });
}

void splitTokens(std::string_view line, std::vector<std::string_view>& tokens)
{
    tokens.clear();
    while (!line.empty()) {
        if (const std::size_t separator = separatorLength(line, true); separator > 0) {
            line.remove_prefix(separator);
            continue;
        }
        std::size_t end = 1;
        while (end < line.size() && separatorLength(line.substr(end), true) == 0) ++end;
        tokens.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

std::string quoted(std::string_view text)
{
    return "\"" + visibleText(text, kShownCharacters) + "\"";
}

// The draw in the part of a line before its comment, which holds more than blanks, or why it
// holds none, quoting the whole line. tokens is scratch space kept from line to line, so that
// four million lines do not cost four million allocations.
std::variant<Draw, std::string> drawOn(std::string_view line, std::string_view beforeComment,
                                       std::vector<std::string_view>& tokens)
{
    if (holdsControlCharacter(beforeComment)) {
        return quoted(line) + " holds no draw" + std::string(kForms);
    }
    splitTokens(beforeComment, tokens);
    const auto digit = [](std::string_view token, std::size_t at) { return token[at] - '0'; };
    const std::size_t count = tokens.size();
    Draw draw;
    std::size_t drawTokens = 0;
    if (count >= 1 && isDigits(tokens[count - 1], 2)) {
        drawTokens = 1;
        draw.number = digit(tokens[count - 1], 0) * 10 + digit(tokens[count - 1], 1);
    } else if (count >= 2 && isDigits(tokens[count - 1], 1) && isDigits(tokens[count - 2], 1)) {
        drawTokens = 2;
        draw.number = digit(tokens[count - 2], 0) * 10 + digit(tokens[count - 1], 0);
    } else {
        return quoted(line) + " holds no draw" + std::string(kForms);
    }
    if (count == drawTokens) return draw;
    draw.issue = tokens.front();
    for (std::size_t k = 1; k < count - drawTokens; ++k) {
        if (isDigits(tokens[k], 1) || isDigits(tokens[k], 2)) {
            const char number[] = {static_cast<char>('0' + draw.number / 10),
                                   static_cast<char>('0' + draw.number % 10), '\0'};
            return quoted(line) +
                   " does not read as one draw: " + visibleText(tokens[k], kShownCharacters) +
                   " stands between the issue " + visibleText(draw.issue, kShownCharacters) +
                   " and the draw " + number;
        }
    }
    return draw;
}

} // namespace

std::variant<std::vector<Draw>, HistoryRefusal> readDraws(std::string_view content,
                                                          std::string_view fileName)
{
    const auto refuse = [fileName](std::size_t line, const std::string& problem) {
        return HistoryRefusal{"--history " + std::string(fileName) + " line " +
                              std::to_string(line) + ": " + problem};
    };
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    std::vector<Draw> draws;
    draws.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    std::vector<std::string_view> tokens;
    std::size_t lineNumber = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (!isWellFormedUtf8(line)) return refuse(lineNumber, "not UTF-8 text: " + quoted(line));
        const std::string_view beforeComment = line.substr(0, line.find('#'));
        if (isBlank(beforeComment)) continue;
        auto draw = drawOn(line, beforeComment, tokens);
        if (const auto* problem = std::get_if<std::string>(&draw)) {
            return refuse(lineNumber, *problem);
        }
        draws.push_back(std::get<Draw>(draw));
        draws.back().line = lineNumber;
    }
    if (draws.empty())
        return HistoryRefusal{"--history " + std::string(fileName) + ": holds no draw"};
    return draws;
}

NumberSet listedNumbers(DigitSet first, DigitSet second)
{
    NumberSet listed;
    for (std::size_t number = 0; number < listed.size(); ++number) {
        listed[number] = first[number / 10] && second[number % 10];
    }
    return listed;
}

HistoryReport checkDraws(std::vector<Draw> draws, NumberSet listed, const FilterSettings& settings,
                         std::size_t tolerance, std::size_t numbersPerDraw)
{
    HistoryReport report;
    report.listed = listed;
    report.rejections = rejectionTable(settings);
    report.tolerance = tolerance;
    report.active = activeGroups(settings);
    report.numbersPerDraw = numbersPerDraw;
    for (const Draw& draw : draws) {
        const GroupMask rejected = report.rejections[static_cast<std::size_t>(draw.number)];
        for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
            if (rejected[group]) ++report.rejectedBy[group];
        }
        if (isKept(report, draw)) {
            ++report.keptCount;
            report.currentMissRun = 0;
        } else {
            report.longestMissRun = std::max(report.longestMissRun, ++report.currentMissRun);
        }
    }
    report.draws = std::move(draws);
    return report;
}

} // namespace shrink2d::cli
