#include "filtering/utf8.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace shrink2d {
namespace {

using test::PrintTo;

struct EndsCase {
    const char* name;
    std::string text;
    std::string first;
    std::string last;
};

class CharacterEnds : public ::testing::TestWithParam<EndsCase> {};

TEST_P(CharacterEnds, FirstAndLast)
{
    const EndsCase& c = GetParam();
    EXPECT_EQ(firstCharacter(c.text), c.first);
    EXPECT_EQ(lastCharacter(c.text), c.last);
}

// A malformed byte is one character of its own, so an element end is never more than one bad
// byte and never reaches into the next character.
INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterEnds,
    ::testing::Values(EndsCase{"Empty", "", "", ""}, EndsCase{"OneDigit", "5", "5", "5"},
                      EndsCase{"Ascii", "12", "1", "2"}, EndsCase{"CjkFirst", "中5", "中", "5"},
                      EndsCase{"CjkLast", "5中", "5", "中"}, EndsCase{"TwoByte", "³5٣", "³", "٣"},
                      EndsCase{"Emoji", "a😀", "a", "😀"}, EndsCase{"EmojiAlone", "😀", "😀", "😀"},
                      EndsCase{"TruncatedCjk", "\xE4\xB8", "\xE4", "\xB8"},
                      EndsCase{"TruncatedEmoji", "\xF0\x9F\x98", "\xF0", "\x98"},
                      EndsCase{"LoneContinuation", "\x80", "\x80", "\x80"},
                      EndsCase{"InvalidByte", "\xFF", "\xFF", "\xFF"},
                      EndsCase{"ContinuationAfterCjk", "中\x80", "中", "\x80"},
                      EndsCase{"ManyContinuations", "a\x80\x80\x80\x80", "a", "\x80"},
                      EndsCase{"OverlongTwoByte", "\xC0\xAF", "\xC0", "\xAF"},
                      EndsCase{"OverlongThreeByte", "\xE0\x80\xAF", "\xE0", "\xAF"},
                      EndsCase{"Surrogate", "\xED\xA0\x80", "\xED", "\x80"},
                      EndsCase{"BeyondUnicode", "\xF4\x90\x80\x80", "\xF4", "\x80"}),
    test::ByName());

struct VisibleCase {
    const char* name;
    std::string text;
    std::size_t max;
    std::string shown;
};

class VisibleText : public ::testing::TestWithParam<VisibleCase> {};

TEST_P(VisibleText, EscapesAndCuts)
{
    EXPECT_EQ(visibleText(GetParam().text, GetParam().max), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VisibleText,
    ::testing::Values(VisibleCase{"Plain", "ab", 10, "ab"},
                      // A line break as a reader sees it: CR LF is one, a lone CR or LF one each.
                      VisibleCase{"TabsAndLineBreaks", "a\tb\r\nc\n\rd", 10, "a⇥b⏎c⏎⏎d"},
                      VisibleCase{"OtherControls", "\x01\x1F\x7F", 10, "␁␟␡"},
                      VisibleCase{"Nul", std::string("5\0", 2), 10, "5␀"},
                      VisibleCase{"MalformedByte", "5\xFF", 10, "5\xEF\xBF\xBD"},
                      VisibleCase{"CjkKeptWhole", "欢迎", 10, "欢迎"},
                      VisibleCase{"ExactlyAtTheLimit", "abc", 3, "abc"},
                      VisibleCase{"CutByCharactersNotBytes", "中文字", 2, "中文…"},
                      VisibleCase{"EmojiCut", "😀😀", 1, "😀…"},
                      VisibleCase{"EscapeCountsAsOne", "\t\r\n\t", 2, "⇥⏎…"},
                      VisibleCase{"NothingShown", "a", 0, "…"},
                      VisibleCase{"EmptyText", "", 0, ""}),
    test::ByName());

} // namespace
} // namespace shrink2d
