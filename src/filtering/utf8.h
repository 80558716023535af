#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace shrink2d {

// The bytes of the first code point of UTF-8 text; empty for empty text. A byte that does not
// start a well-formed sequence counts as one character of its own.
std::string_view firstCharacter(std::string_view text);

// The bytes of the last code point, by the same rule as firstCharacter.
std::string_view lastCharacter(std::string_view text);

// The text as a user can read it in a message: a line break (LF, CR or CR LF) as ⏎, a tab as ⇥,
// other control characters as their pictures (␀ to ␟, ␡), malformed bytes as U+FFFD, cut after
// maxCharacters characters with "…" appended.
std::string visibleText(std::string_view text, std::size_t maxCharacters);

// True when the text is a sequence of well-formed UTF-8 characters.
bool isWellFormedUtf8(std::string_view text);

inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace shrink2d
