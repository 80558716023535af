#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shrink2d {

// The count line's fixed head: seven blanks, "共计" and an ASCII colon.
inline constexpr std::string_view kCountLineHead = "       共计:";
inline constexpr std::string_view kCountLineTail = "注";

// The list text with its leading and trailing blanks removed. Only U+0020 is a blank: tabs and
// line breaks belong to the elements.
std::string_view trimBlanks(std::string_view text);

// Calls visit(element) for every element of the list text, in order, by the reading rule: trim
// the blanks at both ends, then split at every single blank (two adjacent blanks enclose an empty
// element). Text of blanks alone has no elements.
template <typename Visit> void forEachCandidate(std::string_view text, Visit&& visit)
{
    const std::string_view body = trimBlanks(text);
    if (body.empty()) return;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = body.find(' ', start);
        if (blank == std::string_view::npos) {
            visit(body.substr(start));
            return;
        }
        visit(body.substr(start, blank - start));
        start = blank + 1;
    }
}

// The length in bytes of the separator that starts the text, 0 when none does. Players separate
// numbers with blanks, tabs, line breaks (CR, LF), ideographic spaces (U+3000), commas, enumeration
// commas and semicolons, ASCII or full-width: , ， 、 ; ；
std::size_t separatorLength(std::string_view text);

// The text in the list's written form: every run of separators between two numbers becomes one
// blank, separators before the first number go, and the last number is followed by one blank;
// separators alone give the empty text. What lies between separators is left as it is, for the
// pass to judge. Linear, and in place: a large text is not copied.
std::string normaliseSeparators(std::string text);

// What a paste into the result box inserts: text holding a separator in the written form
// (normaliseSeparators), so that a column or a comma list pasted in becomes that many numbers;
// text without one as it is, so that a digit pasted into a number stays there.
std::string pastedList(std::string text);

// The elements of the list text; views into text, so the text must outlive them.
std::vector<std::string_view> splitCandidates(std::string_view text);
std::vector<std::string_view> splitCandidates(std::string&& text) = delete;

// Number of elements by the reading rule; 0 for the empty text and for blanks alone.
std::size_t countCandidates(std::string_view text);

// "       共计:" + count + "注".
std::string countLine(std::size_t count);

// Appends one element in the written form: the element, then one blank.
inline void appendCandidate(std::string& list, std::string_view element)
{
    list.append(element);
    list.push_back(' ');
}

} // namespace shrink2d
