#include "cli/history.h"

#include "filtering/candidate_list.h"
#include "filtering/messages.h"
#include "filtering/utf8.h"

#include <algorithm>
#include <array>
#include <string>

namespace shrink2d::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownCharacters = 60;

// True for blanks, tabs and ideographic spaces alone: a line of commas is not left blank.
bool isBlank(std::string_view text)
{
    for (std::size_t length = 0; !text.empty(); text.remove_prefix(length)) {
        length = text.starts_with("\xE3\x80\x80") ? 3 : (text[0] == ' ' || text[0] == '\t') ? 1 : 0;
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
        if (const std::size_t separator = separatorLength(line); separator > 0) {
            line.remove_prefix(separator);
            continue;
        }
        std::size_t end = 1;
        while (end < line.size() && separatorLength(line.substr(end)) == 0) ++end;
        tokens.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

// The draw in the part of a line before its comment, which holds more than blanks, or why it
// holds none, quoting the whole line. tokens is scratch space kept from line to line, so that
// four million lines do not cost four million allocations.
std::variant<Draw, std::string> drawOn(std::string_view line, std::string_view beforeComment,
                                       std::vector<std::string_view>& tokens, Language language)
{
    const auto noDraw = [&] {
        return say(Message::NoDraw, language, {quoted(line, language, kShownCharacters)});
    };
    if (holdsControlCharacter(beforeComment)) return noDraw();
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
        return noDraw();
    }
    if (count == drawTokens) return draw;
    draw.issue = tokens.front();
    for (std::size_t k = 1; k < count - drawTokens; ++k) {
        if (isDigits(tokens[k], 1) || isDigits(tokens[k], 2)) {
            const char number[] = {static_cast<char>('0' + draw.number / 10),
                                   static_cast<char>('0' + draw.number % 10), '\0'};
            return say(Message::NotOneDraw, language,
                       {quoted(line, language, kShownCharacters),
                        visibleText(tokens[k], kShownCharacters),
                        visibleText(draw.issue, kShownCharacters), number});
        }
    }
    return draw;
}

} // namespace

std::variant<std::vector<Draw>, HistoryRefusal>
readDraws(std::string_view content, std::string_view source, Language language)
{
    // "开奖号码第 3 行" but "draws.txt 第 3 行": a blank between a Latin name and the Chinese.
    const bool spaced = language == Language::Chinese && !source.empty() &&
                        static_cast<unsigned char>(source.back()) < 0x80U;
    const std::string named = std::string(source) + (spaced ? " " : "");
    const auto refuse = [&](std::size_t line, const std::string& problem) {
        return HistoryRefusal{
            say(Message::OnLine, language, {named, std::to_string(line), problem})};
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

        if (!isWellFormedUtf8(line)) {
            return refuse(lineNumber, say(Message::NotUtf8, language,
                                          {quoted(line, language, kShownCharacters)}));
        }
        const std::string_view beforeComment = line.substr(0, line.find('#'));
        if (isBlank(beforeComment)) continue;
        auto draw = drawOn(line, beforeComment, tokens, language);
        if (const auto* problem = std::get_if<std::string>(&draw)) {
            return refuse(lineNumber, *problem);
        }
        draws.push_back(std::get<Draw>(draw));
        draws.back().line = lineNumber;
    }
    if (draws.empty()) {
        return HistoryRefusal{say(Message::HoldsNoDraw, language, {std::string(source)})};
    }
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
