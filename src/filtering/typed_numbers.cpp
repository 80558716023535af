#include "filtering/typed_numbers.h"

#include "filtering/candidate_list.h"
#include "filtering/messages.h"
#include "filtering/utf8.h"

#include <algorithm>
#include <cstddef>

namespace shrink2d {

std::variant<NumberSet, std::string> readTypedNumbers(std::string_view text, Language language)
{
    NumberSet numbers;
    std::size_t position = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t separator = separatorLength(text.substr(at))) {
            at += separator;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && separatorLength(text.substr(end)) == 0) ++end;
        const std::string_view item = text.substr(at, end - at);
        at = end;
        ++position;
        const bool digits = std::all_of(item.begin(), item.end(), isAsciiDigit);
        if (digits && item.size() == 2) {
            numbers.set(static_cast<std::size_t>((item[0] - '0') * 10 + (item[1] - '0')));
            continue;
        }
        const std::string number = std::to_string(position);
        const std::string shown = quoted(item, language, 24);
        if (digits && item.size() == 1) {
            return say(Message::OneDigitElement, language,
                       {number, shown, "0" + std::string(item)});
        }
        return say(digits ? Message::LongElement : Message::NotTypedNumber, language,
                   {number, shown});
    }
    return numbers;
}

std::string typedNumbers(const NumberSet& numbers)
{
    std::string text;
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (!numbers.test(n)) continue;
        if (!text.empty()) text += ' ';
        text += kTwoDigitCaptions[n];
    }
    return text;
}

} // namespace shrink2d
