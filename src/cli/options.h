#pragma once

#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace shrink2d::cli {

// The list "1、组号" would write from two digit rows.
struct GeneratedList {
    DigitSet first;
    DigitSet second;
    bool operator==(const GeneratedList&) const = default;
};

// A list read from a file; "-" is standard input. Without raw, any run of blanks, tabs, line
// breaks and ideographic spaces separates two numbers; with raw the text is read as the result
// box itself reads it.
struct ListFile {
    std::string path;
    bool raw = false;
    bool operator==(const ListFile&) const = default;
};

// Past draws to test the conditions on; last keeps only the file's last draws.
struct HistoryFile {
    std::string path;
    std::optional<std::size_t> last;
    bool operator==(const HistoryFile&) const = default;
};

// One run: a list, then one filter pass with these settings.
struct RunRequest {
    std::variant<GeneratedList, ListFile> input;
    FilterSettings settings;
    bool json = false;
    std::size_t tolerance = 0;          // groups that may reject an element that still survives
    std::optional<HistoryFile> history; // report on past draws instead of filtering
    bool stats = false;                 // report what each group rejects instead of the list
    std::optional<std::string> saveConditions; // file to write the condition options to
    std::optional<std::string> conditions;     // file to read condition options from
    // The condition file keys of the conditions given (entry.fileKey, ModePair::fileKey and
    // kToleranceKey), typed or read from the condition file.
    std::vector<std::string_view> givenConditions;
};

// The key of --tolerance in a condition file and in RunRequest::givenConditions.
inline constexpr std::string_view kToleranceKey = "tolerance";

// The text of --help or --version, for standard output.
struct InfoText {
    std::string text;
};

// A bad option or value, or a file the run cannot use; the message names it and has no
// trailing line break. The --help hint follows only a mistake on the command line itself.
struct UsageError {
    std::string message;
    bool showHelpHint = true;
};

using ParseResult = std::variant<RunRequest, InfoText, UsageError>;

// Reads the arguments that follow the program name; the help and every message are in the given
// language. Never prints, never exits the process and never throws (short of running out of
// memory): every problem comes back as a UsageError.
ParseResult parseCommandLine(const std::vector<std::string>& args,
                             Language language = Language::English);

} // namespace shrink2d::cli
