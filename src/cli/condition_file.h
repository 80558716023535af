#pragma once

#include "cli/options.h"
#include "filtering/filter_settings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::cli {

// A condition file that cannot be used; the message names the key at fault.
struct ConditionFileError {
    std::string message;
};

// The arguments a condition file's content stands for, one "--name=value" for each key, in the
// file's order, for the option parser to read as if they had been typed. The file is a JSON
// object with "version": 1; digit and number lists are arrays of whole numbers, roads and
// patterns arrays of strings, modes strings, the tolerance a whole number. Ranges and repeats
// are left to the option parser, which names the option.
std::variant<std::vector<std::string>, ConditionFileError>
conditionArguments(std::string_view content);

// The JSON of a condition file: the version, the named options with the values the settings
// hold, and the tolerance; one key a line.
std::string conditionFileText(const FilterSettings& settings, std::size_t tolerance,
                              const std::vector<std::string_view>& given);

// parseCommandLine, then, with --conditions, the file's options read as if typed after the
// others. A file that cannot be read or used, and an option both typed and in the file, are
// usage errors that name the file.
ParseResult parseWithConditionFile(const std::vector<std::string>& args);

// Writes text to path through a temporary file beside it, renamed over path once complete, so a
// failure never leaves a part-written file. The message of a failure names the file.
std::optional<std::string> replaceFile(const std::string& path, std::string_view text);

} // namespace shrink2d::cli
