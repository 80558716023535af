#include "filtering/filter_pass.h"

#include "filtering/candidate_list.h"
#include "filtering/utf8.h"

#include <array>

namespace shrink2d {
namespace {

// Lenient value of an element end: its digit, or 0 for anything else (including nothing). An
// ASCII byte is never part of a longer UTF-8 sequence, so a digit byte at either end is the
// whole first or last character.
int lenientDigit(char end) { return isAsciiDigit(end) ? end - '0' : 0; }

// Every classifiable element is decided by its two end digits alone, so the eight rows are
// evaluated once for each of the hundred pairs and each element costs a table look-up.
std::array<bool, 100> survivorTable(const FilterSettings& settings)
{
    std::array<bool, 100> survives{};
    for (int number = 0; number < 100; ++number) {
        const char text[2] = {static_cast<char>('0' + number / 10),
                              static_cast<char>('0' + number % 10)};
        // Held by name: std::get on the returned temporary would leave a dangling reference.
        const AttributesResult attrs = computeAttributes({text, 2});
        survives[static_cast<std::size_t>(number)] =
            !conditionsReject(std::get<CandidateAttributes>(attrs), settings);
    }
    return survives;
}

} // namespace

std::optional<std::string> bankerFilter(std::string_view listText, DigitSet banker)
{
    if (banker.none()) return std::nullopt;
    std::string out;
    out.reserve(listText.size() + 1);
    forEachCandidate(listText, [&](std::string_view element) {
        const int a = element.empty() ? 0 : lenientDigit(element.front());
        const int b = element.empty() ? 0 : lenientDigit(element.back());
        if (banker.test(static_cast<std::size_t>(a)) || banker.test(static_cast<std::size_t>(b))) {
            appendCandidate(out, element);
        }
    });
    return out;
}

ConditionResult applyConditions(std::string_view listText, const FilterSettings& settings)
{
    const std::array<bool, 100> survives = survivorTable(settings);
    ConditionResult result;
    result.listText.reserve(listText.size() + 1);
    std::size_t position = 0;
    bool stopped = false;
    forEachCandidate(listText, [&](std::string_view element) {
        if (stopped) return;
        ++position;
        if (element.empty() || !isAsciiDigit(element.front()) || !isAsciiDigit(element.back())) {
            const auto failure = std::get<ConversionFailure>(computeAttributes(element));
            result.unreadable = Unreadable{position, std::string(element), failure.position};
            stopped = true;
            return;
        }
        const int number = (element.front() - '0') * 10 + (element.back() - '0');
        // Survivors keep their order: users compare the lists before and after.
        if (survives[static_cast<std::size_t>(number)]) appendCandidate(result.listText, element);
    });
    if (stopped) result.listText.clear();
    return result;
}

PassOutcome runFilterPass(std::string_view listText, const FilterSettings& settings)
{
    PassOutcome outcome;
    outcome.listWasEmpty = listText.empty();
    std::optional<std::string> banked = bankerFilter(listText, settings.banker);
    const std::string_view afterBanker = banked ? std::string_view(*banked) : listText;
    ConditionResult result = applyConditions(afterBanker, settings);
    if (result.unreadable) {
        outcome.listText = afterBanker; // as the banker filter left it
        outcome.unreadable = std::move(result.unreadable);
        return outcome;
    }
    outcome.listText = std::move(result.listText);
    outcome.countLine = countLine(countCandidates(outcome.listText));
    return outcome;
}

} // namespace shrink2d
