#include "filtering/condition_groups.h"

#include <variant>

namespace shrink2d {

GroupMask activeGroups(const FilterSettings& settings)
{
    GroupMask active;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        active[entry.index()] = isActive(entry, settings);
    }
    return active;
}

RejectionTable rejectionTable(const FilterSettings& settings)
{
    RejectionTable table;
    for (std::size_t number = 0; number < table.size(); ++number) {
        const char text[2] = {static_cast<char>('0' + number / 10),
                              static_cast<char>('0' + number % 10)};
        // Held by name: std::get on the returned temporary would leave a dangling reference.
        const AttributesResult result = computeAttributes({text, 2});
        const auto& attrs = std::get<CandidateAttributes>(result);
        for (const ConditionEntry& entry : conditionCatalogue()) {
            table[number][entry.index()] = entry.rejects(settings, attrs);
        }
    }
    return table;
}

} // namespace shrink2d
