#pragma once

#include "filtering/filter_pass.h"
#include "filtering/language.h"
#include "filtering/messages.h"

#include <string>
#include <string_view>

namespace shrink2d::cli {

enum ExitStatus : int {
    kDone = 0,
    kFailed = 1,           // standard output could not be written, or memory ran out
    kBadUsage = 2,         // a bad option or value, or a list file that cannot be read
    kUnreadableElement = 3 // the pass stopped at an element it cannot classify
};

// The result box's text on one line and the count line on the next, each ended by a line
// break. Needs a finished pass (outcome.countLine set).
std::string plainOutput(const PassOutcome& outcome);

// {"numbers": [...], "count": N} and a line break; the numbers are the survivors as written,
// with malformed UTF-8 inside an element shown as U+FFFD.
std::string jsonOutput(const PassOutcome& outcome);

// Appends the text as a JSON string, malformed UTF-8 shown as U+FFFD.
void appendJsonString(std::string& out, std::string_view text);

// Writes text to standard output and flushes it; false when that failed.
bool writeOut(std::string_view text);

// A file as messages name it: standard input for "-", otherwise the name as visible text
// (control characters shown), whole and unquoted, as in "--list my list.txt line 3: ...";
// the empty name as "".
std::string shownFileName(const std::string& path, Language language);

// What a file is to the run, as messages name it: the role (one of the Message file roles, such
// as Message::ListFile) and the file; standard input for "-".
std::string fileRole(Message role, const std::string& path, Language language);

// The player's words for a system error (an errno value), saying what to do where it can.
std::string reasonOf(int error, Language language);

// One line on standard error, prefixed with the program's name.
void complain(std::string_view message);

} // namespace shrink2d::cli
