#pragma once

#include <optional>
#include <string>
#include <vector>

// Starts a program the way a user's shell or script would, for the process tests: one file for
// POSIX systems, one for Windows. Names and arguments are UTF-8.
namespace shrink2d::test {

// Runs program with these arguments, standard input read from inputPath and standard error
// written to errorPath; standard output is written to outputPath, or, when there is none, to a
// pipe whose reader has already gone. The program runs in the locale given (LANG, with LC_ALL and
// LC_MESSAGES unset), as a player's shell of that language would start it. Waits for the program
// and returns its exit status: for a program ended by a signal, 128 and the signal's number, as
// a shell reports it; -1 when it could not be started.
int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& inputPath, const std::optional<std::string>& outputPath,
               const std::string& errorPath, const std::string& locale);

// This process's number, to keep the files of test programs running side by side apart.
unsigned long currentProcessId();

} // namespace shrink2d::test
