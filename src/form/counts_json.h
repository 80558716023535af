#pragma once

#include "filtering/catalogue.h"
#include "filtering/filter_pass.h"

#include <array>
#include <cstddef>
#include <string>

// The per-group counts as the command line's JSON reports write them, which the page reads too.
namespace shrink2d::form {

// Appends "rows":{…}: a key for every group of the catalogue, in catalogue order, with its count.
void appendRowsJson(std::string& out, const std::array<std::size_t, kConditionGroupCount>& counts);

// {"rows":{…},"in":N,"out":K} on one line, as --stats --json prints it.
std::string statsJson(const GroupStats& stats);

} // namespace shrink2d::form
