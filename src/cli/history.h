#pragma once

#include "filtering/condition_groups.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/language.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::cli {

// One past draw as a history file gives it. The issue is a view into the file's content, empty
// when the line has none (a token is never empty).
struct Draw {
    std::size_t line = 0; // 1-based, in the file
    std::string_view issue;
    int number = 0; // 0 to 99

    bool operator==(const Draw&) const = default;
};

// A history file that cannot be used; the message names the file and the line, on one line.
struct HistoryRefusal {
    std::string message;
};

// The draws of a history file's content, in file order; they view the content, which must
// outlive them. source is how messages name the file (fileRole, or the page's own name for its
// box), and messages are in the given language.
// A UTF-8 BOM and CRLF line ends are accepted; a # starts a comment, and lines left blank are
// skipped. A line splits into tokens at the separators of a list (separatorLength); its draw is
// the last token when that is two ASCII digits, else the last two when each is one ASCII digit,
// and a first token before the draw is its issue. Tokens between the two are notes (a weekday,
// a date), but not one or two digits, which would make the line read as more than one draw. Any
// other line, malformed UTF-8, and a file without a draw are refused.
std::variant<std::vector<Draw>, HistoryRefusal>
readDraws(std::string_view content, std::string_view source, Language language);
std::variant<std::vector<Draw>, HistoryRefusal>
readDraws(std::string&& content, std::string_view source, Language language) = delete;

// Numbers 00 to 99, bit n for the number n.
using NumberSet = std::bitset<100>;

// The numbers of the list that --first and --second generate.
NumberSet listedNumbers(DigitSet first, DigitSet second);

// How the conditions fared on the draws.
struct HistoryReport {
    std::vector<Draw> draws;
    NumberSet listed;          // the numbers of the list the conditions filter
    RejectionTable rejections; // by number: every group that rejects it
    std::size_t tolerance = 0;
    std::size_t keptCount = 0;
    std::size_t longestMissRun = 0;
    std::size_t currentMissRun = 0;                             // the misses at the end of the file
    std::array<std::size_t, kConditionGroupCount> rejectedBy{}; // draws each group rejects
    GroupMask active;
    std::size_t numbersPerDraw = 0; // survivors of the full generated list, given by the caller
};

// A draw is kept when the list holds it and at most the tolerance of groups reject it: a number
// the list never held is missed whatever the tolerance.
inline bool isKept(const HistoryReport& report, const Draw& draw)
{
    const auto number = static_cast<std::size_t>(draw.number);
    return report.listed[number] && report.rejections[number].count() <= report.tolerance;
}

HistoryReport checkDraws(std::vector<Draw> draws, NumberSet listed, const FilterSettings& settings,
                         std::size_t tolerance, std::size_t numbersPerDraw);

} // namespace shrink2d::cli
