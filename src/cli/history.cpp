#include "cli/history.h"

#include "filtering/utf8.h"

#include <algorithm>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTokenSeparators = " \t,;";
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

std::vector<std::string_view> tokensOf(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t pos = line.find_first_not_of(kTokenSeparators);
    while (pos != std::string_view::npos) {
        const std::size_t end = line.find_first_of(kTokenSeparators, pos);
        tokens.push_back(line.substr(pos, end - pos));
        pos = line.find_first_not_of(kTokenSeparators, end);
    }
    return tokens;
}

// The draw on a line that is neither blank nor a comment; nullopt when it holds none.
std::optional<Draw> drawOn(std::string_view line)
{
    if (holdsControlCharacter(line)) return std::nullopt;
    const std::vector<std::string_view> tokens = tokensOf(line);
    std::size_t drawTokens = 0;
    Draw draw;
    if (!tokens.empty() && isDigits(tokens.back(), 2)) {
        drawTokens = 1;
        draw.number = tokens.back();
    } else if (tokens.size() >= 2 && isDigits(tokens.back(), 1) &&
               isDigits(tokens[tokens.size() - 2], 1)) {
        drawTokens = 2;
        draw.number = std::string(tokens[tokens.size() - 2]) + std::string(tokens.back());
    } else {
        return std::nullopt;
    }
    if (tokens.size() > drawTokens) draw.issue = std::string(tokens.front());
    return draw;
}

std::string where(std::string_view fileName, std::size_t line)
{
    return "--history: \"" + visibleText(fileName, kShownCharacters) + "\" line " +
           std::to_string(line);
}

} // namespace

std::variant<std::vector<Draw>, HistoryRefusal> readDraws(std::string_view content,
                                                          std::string_view fileName)
{
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    std::vector<Draw> draws;
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
        draws.push_back(std::move(*draw));
    }
    if (draws.empty()) {
        return HistoryRefusal{"--history: \"" + visibleText(fileName, kShownCharacters) +
                              "\" holds no draw"};
    }
    return draws;
}

HistoryReport checkDraws(std::vector<Draw> draws, const FilterSettings& settings,
                         std::size_t tolerance, std::size_t numbersPerDraw)
{
    const RejectionTable table = rejectionTable(settings);
    HistoryReport report;
    report.active = activeGroups(settings);
    report.numbersPerDraw = numbersPerDraw;
    report.rejections.reserve(draws.size());
    report.kept.reserve(draws.size());
    for (const Draw& draw : draws) {
        const auto number =
            static_cast<std::size_t>((draw.number[0] - '0') * 10 + (draw.number[1] - '0'));
        const GroupMask rejected = table[number];
        const bool kept = rejected.count() <= tolerance;
        report.rejections.push_back(rejected);
        report.kept.push_back(kept);
        for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
            if (rejected[group]) ++report.rejectedBy[group];
        }
        if (kept) {
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
