#pragma once

#include "cli/options.h"
#include "filtering/filter_settings.h"
#include "filtering/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shrink2d::cli {

// Sets the conditions that a condition file's content holds on the request, and adds their keys
// to its givenConditions. The content is a JSON object with "version": 1 and any of the keys
// of the groups, the fix/kill pairs and kToleranceKey, each once: digit and number groups as
// arrays of whole numbers, roads and patterns as arrays of strings, modes as strings, the
// tolerance as a whole number. A key already in givenConditions is refused. Returns the problem,
// naming the key, on one line in the given language; the request may be partly set then.
std::optional<std::string> readConditionFile(std::string_view content, RunRequest& request,
                                             Language language);

// The JSON of a condition file: the version, the given conditions (keys as in
// RunRequest::givenConditions) with the values the settings hold, and the tolerance; one key a
// line, in the order --help lists the options.
std::string conditionFileText(const FilterSettings& settings, std::size_t tolerance,
                              const std::vector<std::string_view>& given);

// Writes text to path through a temporary file beside it, renamed over path once complete, so a
// failure never leaves a part-written file. The message of a failure names the file.
std::optional<std::string> replaceFile(const std::string& path, std::string_view text,
                                       Language language);

} // namespace shrink2d::cli
