#include "filtering/typed_numbers.h"

#include "filtering/candidate_list.h"
#include "filtering/messages.h"
#include "filtering/utf8.h"

#include <cstddef>
#include <utility>

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
        if (item.size() == 2 && isAsciiDigit(item[0]) && isAsciiDigit(item[1])) {
            numbers.set(static_cast<std::size_t>((item[0] - '0') * 10 + (item[1] - '0')));
            continue;
        }
        if (auto problem = digitCountProblem(position, item, language)) return *std::move(problem);
        return say(Message::NotTypedNumber, language,
                   {std::to_string(position), quoted(item, language, 24)});
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
