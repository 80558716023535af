#pragma once

#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"

#include <array>
#include <bitset>

namespace shrink2d {

// Bit g is set when group g rejects (or, from activeGroups, is in use); g in catalogue order.
using GroupMask = std::bitset<kConditionGroupCount>;

// The groups with something set: banker digits, killed values, ticked pattern boxes.
GroupMask activeGroups(const FilterSettings& settings);

// For each number 00 to 99, the groups that reject it, each judged on its own.
using RejectionTable = std::array<GroupMask, 100>;
RejectionTable rejectionTable(const FilterSettings& settings);

} // namespace shrink2d
