#include "filtering/filter_pass.h"

#include "filtering/candidate_list.h"
#include "filtering/condition_groups.h"
#include "filtering/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace shrink2d {
namespace {

// Lenient value of an element end: its digit, or 0 for anything else (including nothing). An
// ASCII byte is never part of a longer UTF-8 sequence, so a digit byte at either end is the
// whole first or last character.
int lenientDigit(char end) { return isAsciiDigit(end) ? end - '0' : 0; }

// True when an element holds a banker digit at either end; a non-digit end, and an empty
// element, count as 0.
bool passesBanker(std::string_view element, DigitSet banker)
{
    const int a = element.empty() ? 0 : lenientDigit(element.front());
    const int b = element.empty() ? 0 : lenientDigit(element.back());
    return banker.test(static_cast<std::size_t>(a)) || banker.test(static_cast<std::size_t>(b));
}

// True when computeAttributes can classify the element: digits alone.
bool isClassifiable(std::string_view element)
{
    return !element.empty() && std::all_of(element.begin(), element.end(), isAsciiDigit);
}

int numberOf(char first, char second) { return (first - '0') * 10 + (second - '0'); }

// Whether each of the numbers 00 to 99 survives, indexed by the number; 1 keeps it.
using KeepTable = std::array<std::uint8_t, 100>;

// Every classifiable element is decided by its two end digits alone, so the groups are judged
// once for each of the hundred numbers, and each element then costs a table look-up. A number
// survives when at most tolerance of the counted groups reject it.
KeepTable keepTable(const RejectionTable& rejections, std::size_t tolerance, bool withBanker)
{
    KeepTable keep{};
    for (std::size_t number = 0; number < keep.size(); ++number) {
        GroupMask rejected = rejections[number];
        if (!withBanker) rejected.reset(static_cast<std::size_t>(ConditionGroup::Banker));
        keep[number] = rejected.count() <= tolerance ? 1 : 0;
    }
    return keep;
}

struct Survivors {
    std::string text; // each followed by one blank
    std::size_t count = 0;
};

// The elements that the banker digits (when any are set) and the table keep, and how many;
// nullopt at the first element the banker digits let through that cannot be classified. One
// walk, and no branch on the verdict for the usual two-digit element: it is always copied and
// the output only moves on when it survives.
std::optional<Survivors> keepSurvivors(std::string_view text, const KeepTable& keep,
                                       DigitSet banker)
{
    const std::string_view body = trimBlanks(text);
    // Each element writes at most what it takes up with its blank, and the last one adds a blank.
    std::string out(body.size() + 1, '\0');
    std::size_t written = 0;
    std::size_t kept = 0;
    std::size_t pos = 0;
    const std::size_t size = body.size();
    while (pos < size) {
        const char first = body[pos];
        if (pos + 1 < size && isAsciiDigit(first) && isAsciiDigit(body[pos + 1]) &&
            (pos + 2 == size || body[pos + 2] == ' ')) {
            out[written] = first;
            out[written + 1] = body[pos + 1];
            out[written + 2] = ' ';
            const std::size_t survives =
                keep[static_cast<std::size_t>(numberOf(first, body[pos + 1]))];
            written += 3U * survives;
            kept += survives;
            pos += 3;
            continue;
        }
        std::size_t end = body.find(' ', pos);
        if (end == std::string_view::npos) end = size;
        const std::string_view element = body.substr(pos, end - pos);
        if (banker.none() || passesBanker(element, banker)) {
            if (!isClassifiable(element)) return std::nullopt;
            if (keep[static_cast<std::size_t>(numberOf(element.front(), element.back()))] != 0) {
                element.copy(out.data() + written, element.size());
                written += element.size();
                out[written++] = ' ';
                ++kept;
            }
        }
        pos = end + 1;
    }
    out.resize(written);
    return Survivors{std::move(out), kept};
}

// The first element of the list text that cannot be classified, with its 1-based position.
std::optional<Unreadable> firstUnreadable(std::string_view text)
{
    std::optional<Unreadable> found;
    std::size_t position = 0;
    forEachCandidate(text, [&](std::string_view element) {
        ++position;
        if (found || isClassifiable(element)) return;
        const AttributesResult failure = computeAttributes(element);
        found = Unreadable{position, std::string(element),
                           std::get<ConversionFailure>(failure).position};
    });
    return found;
}

} // namespace

std::optional<std::string> bankerFilter(std::string_view listText, DigitSet banker)
{
    if (banker.none()) return std::nullopt;
    std::string out;
    out.reserve(listText.size() + 1);
    forEachCandidate(listText, [&](std::string_view element) {
        if (passesBanker(element, banker)) appendCandidate(out, element);
    });
    return out;
}

ConditionResult applyConditions(std::string_view listText, const FilterSettings& settings)
{
    ConditionResult result;
    if (std::optional<Survivors> kept =
            keepSurvivors(listText, keepTable(rejectionTable(settings), 0, false), DigitSet{})) {
        result.listText = std::move(kept->text);
        result.count = kept->count;
    } else {
        result.unreadable = firstUnreadable(listText);
    }
    return result;
}

PassOutcome runFilterPass(std::string_view listText, const FilterSettings& settings,
                          const BankerStep& bankerStep)
{
    PassOutcome outcome;
    outcome.listWasEmpty = listText.empty();
    std::optional<Survivors> survivors;
    std::optional<std::string> banked;
    std::string_view afterBanker = listText;
    if (bankerStep) {
        afterBanker = bankerStep();
    } else if (settings.banker.any()) {
        // The core's own banker step and the rows in one walk. When that walk classifies every
        // element it meets, its survivors are the press's: the rows keep every one of them.
        // Otherwise the press decides on the list the banker filter leaves (an empty element it
        // keeps at an end of its text is gone when that text is read).
        survivors =
            keepSurvivors(listText, keepTable(rejectionTable(settings), 0, true), settings.banker);
        if (!survivors) {
            banked = bankerFilter(listText, settings.banker);
            afterBanker = *banked;
        }
    }
    if (!survivors) {
        ConditionResult result = applyConditions(afterBanker, settings);
        if (result.unreadable) {
            // The list is left as the banker step leaves it, so nothing the user typed is lost.
            outcome.listText = afterBanker;
            outcome.unreadable = std::move(result.unreadable);
            return outcome;
        }
        survivors = Survivors{std::move(result.listText), result.count};
    }
    outcome.listText = std::move(survivors->text);
    outcome.countLine = countLine(survivors->count);
    return outcome;
}

PassOutcome runTolerantPass(std::string_view listText, const FilterSettings& settings,
                            std::size_t tolerance)
{
    if (tolerance == 0) return runFilterPass(listText, settings);
    PassOutcome outcome;
    outcome.listWasEmpty = listText.empty();
    const KeepTable keep = keepTable(rejectionTable(settings), tolerance, true);
    if (std::optional<Survivors> kept = keepSurvivors(listText, keep, DigitSet{})) {
        outcome.listText = std::move(kept->text);
        outcome.countLine = countLine(kept->count);
    } else {
        outcome.listText = listText;
        outcome.unreadable = firstUnreadable(listText);
    }
    return outcome;
}

std::variant<GroupStats, Unreadable>
groupStats(std::string_view listText, const FilterSettings& settings, std::size_t tolerance)
{
    // Every classifiable element is one of a hundred numbers: count each, then weigh the table.
    std::array<std::size_t, 100> occurrences{};
    bool readable = true;
    forEachCandidate(listText, [&](std::string_view element) {
        if (!readable || !isClassifiable(element)) {
            readable = false;
            return;
        }
        ++occurrences[static_cast<std::size_t>(numberOf(element.front(), element.back()))];
    });
    if (!readable) return firstUnreadable(listText).value();

    const RejectionTable rejections = rejectionTable(settings);
    GroupStats stats;
    for (std::size_t number = 0; number < occurrences.size(); ++number) {
        const std::size_t times = occurrences[number];
        stats.in += times;
        if (rejections[number].count() <= tolerance) stats.out += times;
        for (std::size_t group = 0; group < kConditionGroupCount; ++group) {
            if (rejections[number][group]) stats.rejectedBy[group] += times;
        }
    }
    return stats;
}

} // namespace shrink2d
