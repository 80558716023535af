#include "filtering/candidate_list.h"

namespace shrink2d {

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitCandidates(std::string_view text)
{
    std::vector<std::string_view> elements;
    forEachCandidate(text, [&](std::string_view element) { elements.push_back(element); });
    return elements;
}

std::size_t countCandidates(std::string_view text)
{
    const std::string_view body = trimBlanks(text);
    if (body.empty()) return 0;
    std::size_t blanks = 0;
    for (const char c : body) blanks += (c == ' ') ? 1 : 0;
    return blanks + 1;
}

std::string countLine(std::size_t count)
{
    std::string line(kCountLineHead);
    line += std::to_string(count);
    line += kCountLineTail;
    return line;
}

} // namespace shrink2d
