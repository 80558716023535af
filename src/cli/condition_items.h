#pragma once

#include "filtering/catalogue.h"
#include "filtering/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How the boxes and modes of the condition groups are written, the same after an option and in
// a condition file.
namespace shrink2d::cli {

// The box of the group that an item names: a number without sign or blanks ("07" is 7), a road
// caption, or a pattern's caption with any of its characters written as its ASCII letter
// (the group's own letters, in either case). nullopt when no box has that name.
std::optional<std::size_t> boxNamed(const ConditionEntry& entry, std::string_view item);

// What boxNamed takes, for help and messages: "0 to 18" for numbers, otherwise the captions
// ("00 01 02 ...", "偶偶 偶奇 奇奇 奇偶 or EE EO OO OE").
std::string spellingsOf(const ConditionEntry& entry, Language language);

// The letters of every pattern group, for the help: "E 偶, O 奇 …" (in English with the word for
// each); a letter that one group reads as another character than an earlier one names its group.
std::string patternLetters(Language language);

// Whether a mode is kill: fix and 定 are not, kill and 杀 are; nullopt for any other word.
std::optional<bool> killNamed(std::string_view mode);

// A whole number from low to high, written without sign or blanks ("007" is 7). value is nullopt
// for anything else; tooBig tells a number above high from other text.
struct WholeNumber {
    std::optional<std::size_t> value;
    bool tooBig = false;
};
WholeNumber readWholeNumber(std::string_view text, std::size_t low, std::size_t high);

// The fix/kill pair listed right after this group, when the group is the last the pair governs.
const ModePair* pairAfter(const ConditionEntry& entry);

} // namespace shrink2d::cli
