#include "filtering/candidate_list.h"

namespace shrink2d {

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::size_t separatorLength(std::string_view text)
{
    if (text.empty()) return 0;
    switch (text.front()) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case ',':
    case ';':
        return 1;
    case '\xE3': // U+3000 and 、 (U+3001)
        return text.starts_with("\xE3\x80\x80") || text.starts_with("\xE3\x80\x81") ? 3 : 0;
    case '\xEF': // ， (U+FF0C) and ； (U+FF1B)
        return text.starts_with("\xEF\xBC\x8C") || text.starts_with("\xEF\xBC\x9B") ? 3 : 0;
    default:
        return 0;
    }
}

std::string normaliseSeparators(std::string text)
{
    // Compacts towards the front: every byte written replaces one already read, so the write
    // position never passes the read position.
    std::size_t out = 0;
    bool inNumber = false;
    const std::string_view view(text);
    for (std::size_t in = 0; in < text.size();) {
        const std::size_t separator = separatorLength(view.substr(in));
        if (separator == 0) {
            text[out++] = text[in++];
            inNumber = true;
            continue;
        }
        if (inNumber) text[out++] = ' ';
        inNumber = false;
        in += separator;
    }
    text.resize(out);
    if (inNumber) text.push_back(' ');
    return text;
}

std::string pastedList(std::string text)
{
    const std::string_view view(text);
    for (std::size_t pos = 0; pos < view.size(); ++pos) {
        if (separatorLength(view.substr(pos)) > 0) return normaliseSeparators(std::move(text));
    }
    return text;
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
