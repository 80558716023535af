#include "cli/history.h"

#include "filtering/utf8.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTokenSeparators = " \t,;";
// File names are shown whole, control characters as text.
constexpr std::size_t kWholeName = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kShownCharacters = 60;

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

// The draw on a line that is neither blank nor a comment; nullopt when it holds none. Only the
// first and the last two tokens matter, so none is stored.
std::optional<Draw> drawOn(std::string_view line)
{
    if (holdsControlCharacter(line)) return std::nullopt;
    std::size_t tokens = 0;
    std::string_view first;
    std::string_view beforeLast;
    std::string_view last;
    for (std::size_t pos = line.find_first_not_of(kTokenSeparators); pos != std::string_view::npos;
         pos = line.find_first_not_of(kTokenSeparators, pos)) {
        const std::size_t end = std::min(line.find_first_of(kTokenSeparators, pos), line.size());
        beforeLast = last;
        last = line.substr(pos, end - pos);
        if (tokens++ == 0) first = last;
        pos = end;
    }
    const auto digit = [](std::string_view token, std::size_t at) { return token[at] - '0'; };
    Draw draw;
    std::size_t drawTokens = 0;
    if (isDigits(last, 2)) {
        drawTokens = 1;
        draw.number = digit(last, 0) * 10 + digit(last, 1);
    } else if (tokens >= 2 && isDigits(last, 1) && isDigits(beforeLast, 1)) {
        drawTokens = 2;
        draw.number = digit(beforeLast, 0) * 10 + digit(last, 0);
    } else {
        return std::nullopt;
    }
    if (tokens > drawTokens) draw.issue = first;
    return draw;
}

std::string where(std::string_view fileName, std::size_t line)
{
    return "--history: \"" + visibleText(fileName, kWholeName) + "\" line " + std::to_string(line);
}

} // namespace

std::variant<std::vector<Draw>, HistoryRefusal> readDraws(std::string_view content,
                                                          std::string_view fileName)
{
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    std::vector<Draw> draws;
    draws.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    std::size_t lineNumber = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (!isWellFormedUtf8(line)) {
            return HistoryRefusal{where(fileName, lineNumber) + " is not UTF-8 text: \"" +
                                  visibleText(line, kShownCharacters) + "\""};
        }
        if (line.starts_with('#') || line.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        std::optional<Draw> draw = drawOn(line);
        if (!draw) {
            return HistoryRefusal{where(fileName, lineNumber) + " holds no draw: \"" +
                                  visibleText(line, kShownCharacters) +
                                  "\" (a line ends in a draw such as 37, 3 7 or 3,7, after an "
                                  "optional issue)"};
        }
        draw->line = lineNumber;
        draws.push_back(*draw);
    }
    if (draws.empty()) {
        return HistoryRefusal{"--history: \"" + visibleText(fileName, kWholeName) +
                              "\" holds no draw"};
    }
    return draws;
}

HistoryReport checkDraws(std::vector<Draw> draws, const FilterSettings& settings,
                         std::size_t tolerance, std::size_t numbersPerDraw)
{
    HistoryReport report;
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
