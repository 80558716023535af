#pragma once

// Habits of CLI11 2.1.2, the version Debian 12 ships, that the command line must not show.
// Each function guards against one input and says which, so that it can be deleted once the
// program is built against a CLI11 without that habit. Values reach the program as CLI11 read
// them, as strings, and options.cpp takes them apart itself: 2.1.2's delimiter, which drops the
// empty item of "1,,2", and its number conversion, which reads "010" as octal and lets "+7" and
// " 7" through, are never used.

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace shrink2d::cli::cli11 {

// The arguments in the form App::parse(std::vector<std::string>&) needs to read them as typed.
// "--first=": 2.1.2 takes the next argument as the value, where the user means the empty string.
// "a b": parse consumes the vector from its back, so extras would be listed as "b" "a".
std::vector<std::string> arguments(const std::vector<std::string>& args);

// How often an option was given; 0 for null.
std::size_t timesGiven(const CLI::App& app, const CLI::Option* option);

// Called on a ValidationError. "--tolerance x --help": 2.1.2 reads values before it looks at
// --help, yet help wins over a bad value. It does not win over "--first 1 --first 2 --help" or
// "--json=maybe --help", which this throws as CLI11 would without the bad value.
void refuseWhatHelpDoesNotOutrank(const CLI::App& app);

// "--bogus\n": CLI11 repeats the user's words in its messages; shown as text on one line.
std::string oneLine(const CLI::Error& error);

} // namespace shrink2d::cli::cli11
