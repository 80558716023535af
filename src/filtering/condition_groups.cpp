#include "filtering/condition_groups.h"

#include "filtering/candidate_list.h"

namespace shrink2d {

GroupMask rowsRejecting(const CandidateAttributes& attrs, const FilterSettings& settings)
{
    GroupMask rejected;
    rejected[bitOf(ConditionGroup::Sum)] = settings.sums.rejects(static_cast<long>(attrs.sum));
    rejected[bitOf(ConditionGroup::Tail)] = settings.sumTails.rejects(attrs.sumTail);
    rejected[bitOf(ConditionGroup::Span)] = settings.spans.rejects(attrs.span);
    rejected[bitOf(ConditionGroup::Road)] = settings.roads.rejects(lenientValue(attrs.roadPattern));
    rejected[bitOf(ConditionGroup::Parity)] = settings.parity.rejects(attrs.parityPattern);
    rejected[bitOf(ConditionGroup::ParitySize)] =
        settings.paritySize.rejects(attrs.paritySizePattern);
    rejected[bitOf(ConditionGroup::SizeParity)] =
        settings.sizeParity.rejects(attrs.sizeParityPattern);
    rejected[bitOf(ConditionGroup::Size)] = settings.size.rejects(attrs.sizePattern);
    return rejected;
}

GroupMask activeGroups(const FilterSettings& settings)
{
    GroupMask active;
    active[bitOf(ConditionGroup::Banker)] = settings.banker.any();
    active[bitOf(ConditionGroup::Sum)] = !settings.sums.values.empty();
    active[bitOf(ConditionGroup::Tail)] = !settings.sumTails.values.empty();
    active[bitOf(ConditionGroup::Span)] = !settings.spans.values.empty();
    active[bitOf(ConditionGroup::Road)] = !settings.roads.values.empty();
    active[bitOf(ConditionGroup::Parity)] = settings.parity.isActive();
    active[bitOf(ConditionGroup::ParitySize)] = settings.paritySize.isActive();
    active[bitOf(ConditionGroup::SizeParity)] = settings.sizeParity.isActive();
    active[bitOf(ConditionGroup::Size)] = settings.size.isActive();
    return active;
}

RejectionTable rejectionTable(const FilterSettings& settings)
{
    RejectionTable table;
    for (std::size_t number = 0; number < table.size(); ++number) {
        const char text[2] = {static_cast<char>('0' + number / 10),
                              static_cast<char>('0' + number % 10)};
        // Held by name: std::get on the returned temporary would leave a dangling reference.
        const AttributesResult attrs = computeAttributes({text, 2});
        table[number] = rowsRejecting(std::get<CandidateAttributes>(attrs), settings);
        table[number][bitOf(ConditionGroup::Banker)] =
            settings.banker.any() && !passesBanker({text, 2}, settings.banker);
    }
    return table;
}

KeepTable toleratedKeepTable(const RejectionTable& rejections, std::size_t tolerance)
{
    KeepTable keep{};
    for (std::size_t number = 0; number < keep.size(); ++number) {
        keep[number] = rejections[number].count() <= tolerance ? 1 : 0;
    }
    return keep;
}

PassOutcome runTolerantPass(std::string_view listText, const FilterSettings& settings,
                            std::size_t tolerance)
{
    if (tolerance == 0) return runFilterPass(listText, settings);
    PassOutcome outcome;
    outcome.listWasEmpty = listText.empty();
    const KeepTable keep = toleratedKeepTable(rejectionTable(settings), tolerance);
    if (std::optional<std::string> kept = keepByTable(listText, keep)) {
        outcome.listText = std::move(*kept);
        outcome.countLine = countLine(countCandidates(outcome.listText));
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
        const auto digit = [](char c) { return static_cast<std::size_t>(c - '0'); };
        ++occurrences[digit(element.front()) * 10 + digit(element.back())];
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
