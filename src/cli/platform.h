#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few calls of the command line that differ between operating systems. Everything else of
// the program is plain standard C++; file names and arguments are UTF-8 throughout.
namespace shrink2d::cli::platform {

// The arguments that follow the program name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

// Makes standard input, output and error binary streams: bytes pass through unchanged.
void prepareStandardStreams();

// Opens the file with this UTF-8 name for reading bytes; null with errno set on failure.
std::FILE* openForReading(const std::string& path);

// Writes text to path through a temporary file beside it, flushed to the disk and then renamed
// over path, so that a failure or a crash leaves the old file or the new one, never part of one.
// nullopt when done, otherwise the system's words for what failed.
std::optional<std::string> replaceFile(const std::string& path, std::string_view text);

// Writes to standard output or error; false when the text could not be written whole.
bool writeStandardOutput(std::string_view text);
bool writeStandardError(std::string_view text);

} // namespace shrink2d::cli::platform
