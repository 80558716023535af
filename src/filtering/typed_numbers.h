#pragma once

#include "filtering/filter_settings.h"
#include "filtering/language.h"

#include <string>
#include <string_view>
#include <variant>

namespace shrink2d {

// The numbers a player types into a text box, separated as lists are (separatorLength): each two
// digits, "05" and not "5"; a number typed twice counts once. The set, or what is wrong with the
// first item that is not such a number, in the player's language ("第 2 项 “5” 只有一位数字…").
std::variant<NumberSet, std::string> readTypedNumbers(std::string_view text, Language language);

// The numbers of a set as a text box shows them: "05 17 99", the empty text for none.
std::string typedNumbers(const NumberSet& numbers);

} // namespace shrink2d
