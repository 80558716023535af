#include "filtering/candidate_list.h"
#include "filtering/filter_pass.h"

#include "fake_form.h"
#include "filtering/dingdan.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace shrink2d {
namespace {

using test::countLine;
using test::hundredNumbers;
using test::PrintTo;
using test::Ticks;

constexpr test::Group kParity = &FilterSettings::parity;
constexpr test::Group kParitySize = &FilterSettings::paritySize;
constexpr test::Group kSizeParity = &FilterSettings::sizeParity;
constexpr test::Group kSize = &FilterSettings::size;

// The elements of before missing from after, joined by blanks.
std::string dropped(std::string_view before, std::string_view after)
{
    std::string gone;
    const auto kept = splitCandidates(after);
    for (const std::string_view element : splitCandidates(before)) {
        if (std::find(kept.begin(), kept.end(), element) == kept.end())
            appendCandidate(gone, element);
    }
    return gone;
}

// The press the way the window makes it: the banker step is dingdan::ApplyBankerFilter on a
// buffer over Text3, reading the ticks of the banker digits.
PassOutcome pressThroughTheControls(const std::string& text, const FilterSettings& settings)
{
    test::FakeForm fake;
    fake.Text3.text = text;
    for (std::size_t d = 0; d < 10; ++d)
        fake.box(ConditionGroup::Banker, d).value = settings.banker.test(d);
    FormControls form = fake.controls();
    TextBuffer list(fake.Text3);
    form.Text3 = &list;
    return runFilterPass(list.view(), settings, [&] {
        dingdan::ApplyBankerFilter(form);
        return list.view();
    });
}

struct HundredCase {
    const char* name;
    FilterSettings settings;
    long count;
    const char* gone = nullptr; // the dropped elements, when given
    const char* kept = nullptr; // the whole result text, when given
};

class PassOverHundred : public ::testing::TestWithParam<HundredCase> {};

TEST_P(PassOverHundred, KeepsTheSurvivorsInOrder)
{
    const HundredCase& c = GetParam();
    const PassOutcome outcome = runFilterPass(hundredNumbers(), c.settings);
    EXPECT_FALSE(outcome.listWasEmpty);
    EXPECT_FALSE(outcome.unreadable);
    EXPECT_EQ(outcome.countLine, countLine(c.count));
    if (c.gone) {
        EXPECT_EQ(dropped(hundredNumbers(), outcome.listText), c.gone);
    }
    if (c.kept) {
        EXPECT_EQ(outcome.listText, c.kept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, PassOverHundred,
    ::testing::Values(
        HundredCase{"NothingTicked", {}, 100, ""},
        HundredCase{"SumTen", Ticks().sum(10), 91, "19 28 37 46 55 64 73 82 91 "},
        HundredCase{"SumsZeroAndEighteen", Ticks().sum(0).sum(18), 98, "00 99 "},
        HundredCase{"SumTailZero", Ticks().sumTail(0), 90, "00 19 28 37 46 55 64 73 82 91 "},
        HundredCase{"SpanZero", Ticks().span(0), 90, "00 11 22 33 44 55 66 77 88 99 "},
        HundredCase{"SpanNine", Ticks().span(9), 98, "09 90 "},
        HundredCase{"Road01", Ticks().road(1), 88, "01 04 07 31 34 37 61 64 67 91 94 97 "},
        HundredCase{"Road21", Ticks().road(21), 91, "21 24 27 51 54 57 81 84 87 "},
        HundredCase{"EvenEvenFix", Ticks().fix(kParity, {0}), 25},
        HundredCase{"EvenEvenKill", Ticks().kill(kParity, {0}), 75},
        // The other group of Check28 has nothing ticked, so in fix mode it rejects nothing.
        HundredCase{"EvenBigAloneFix", Ticks().fix(kParitySize, {0}), 25, nullptr,
                    "05 06 07 08 09 25 26 27 28 29 45 46 47 48 49 65 66 67 68 69 85 86 87 88 89 "},
        HundredCase{"SmallOddAloneFix", Ticks().fix(kSizeParity, {3}), 25},
        HundredCase{"EvenBigAndBigEvenFix", Ticks().fix(kParitySize, {0}).fix(kSizeParity, {0}), 4,
                    nullptr, "66 68 86 88 "},
        HundredCase{"SizeAllFix", Ticks().fix(kSize, {0, 1, 2, 3}), 100, ""},
        HundredCase{"SizeAllKill", Ticks().kill(kSize, {0, 1, 2, 3}), 0, nullptr, ""},
        HundredCase{"KillModeNothingTicked", Ticks().kill(kParity, {}).kill(kSize, {}), 100, ""}),
    test::ByName());

struct SmallCase {
    const char* name;
    std::string text;
    FilterSettings settings;
    bool listWasEmpty;
    std::string after;
    long count;
};

class PassOnSmallLists : public ::testing::TestWithParam<SmallCase> {};

TEST_P(PassOnSmallLists, WritesSurvivorsAndCount)
{
    const SmallCase& c = GetParam();
    for (const PassOutcome& outcome :
         {runFilterPass(c.text, c.settings), pressThroughTheControls(c.text, c.settings)}) {
        EXPECT_EQ(outcome.listWasEmpty, c.listWasEmpty);
        EXPECT_EQ(outcome.listText, c.after);
        EXPECT_EQ(outcome.countLine, countLine(c.count));
        EXPECT_FALSE(outcome.unreadable);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PassOnSmallLists,
    ::testing::Values(
        SmallCase{"EmptyText", "", {}, true, "", 0},
        SmallCase{"BlanksAloneAreNotEmpty", "   ", {}, false, "", 0},
        // The empty-list test looks at the text before the banker filter empties it.
        SmallCase{"BankerEmptiesTheList", "03 13 ", Ticks().banker({5}), false, "", 0},
        SmallCase{"BankerThenSum", "03 13 30 44 ", Ticks().banker({3}).sum(4), false, "03 30 ", 2},
        SmallCase{"BlanksRewritten", "  12   ", {}, false, "12 ", 1},
        SmallCase{"OneCharacterIs77Dropped", "7 ", Ticks().sum(14), false, "", 0},
        SmallCase{"OneCharacterIs77Kept", "7 ", Ticks().sum(7), false, "7 ", 1},
        SmallCase{"ThreeCharactersByTheirEnds", "123 456 ", Ticks().span(2), false, "", 0},
        // The banker filter keeps the empty element but writes it last, where the blanks it
        // leaves are trimmed when the list is read again: nothing unreadable remains.
        SmallCase{"EmptyElementTrimmedAfterBanker", "00  99 ", Ticks().banker({0}), false, "00 ",
                  1}),
    test::ByName());

struct BadCase {
    const char* name;
    std::string text;
    FilterSettings settings;
    Unreadable expected;
    std::string left; // the text as the banker filter left it
};

class UnreadableElement : public ::testing::TestWithParam<BadCase> {};

TEST_P(UnreadableElement, StopsThePassAndSaysWhere)
{
    const BadCase& c = GetParam();
    for (const PassOutcome& outcome :
         {runFilterPass(c.text, c.settings), pressThroughTheControls(c.text, c.settings)}) {
        EXPECT_EQ(outcome.unreadable, c.expected);
        EXPECT_EQ(outcome.listText, c.left);
        EXPECT_FALSE(outcome.countLine);
        EXPECT_FALSE(outcome.listWasEmpty);
    }
}

const std::string kNotice = "欢迎使用！ \r\n\r\n使用方法：\r\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, UnreadableElement,
    ::testing::Values(
        BadCase{"Notice", kNotice, {}, {1, "欢迎使用！", Position::First}, kNotice},
        BadCase{"Letters", "12 ab 34 ", {}, {2, "ab", Position::First}, "12 ab 34 "},
        BadCase{"LetterLast", "12 5x ", {}, {2, "5x", Position::Second}, "12 5x "},
        BadCase{"TabLast", "12 34\t ", {}, {2, "34\t", Position::Second}, "12 34\t "},
        BadCase{"PastedLineBreak", "12 34\r\n", {}, {2, "34\r\n", Position::Second}, "12 34\r\n"},
        BadCase{"Emoji", "12 5😀 ", {}, {2, "5😀", Position::Second}, "12 5😀 "},
        BadCase{"FullWidthDigits", "12 ０５ ", {}, {2, "０５", Position::First}, "12 ０５ "},
        BadCase{"EmptyElement", "12  34 ", {}, {2, "", Position::First}, "12  34 "},
        // Three digits read by their ends, but nothing else between them: a column pasted
        // without its blanks is several numbers, not the one its ends make.
        BadCase{"LetterInsideThree", "123 1a3 ", {}, {2, "1a3", Position::Inside}, "123 1a3 "},
        BadCase{"ColumnWithoutBlanks",
                "12\r\n34\r\n56 ",
                Ticks().sum(9),
                {1, "12\r\n34\r\n56", Position::Inside},
                "12\r\n34\r\n56 "},
        BadCase{"CommaList", "12,34,56 ", {}, {1, "12,34,56", Position::Inside}, "12,34,56 "},
        BadCase{"WhateverConditionsAreSet",
                "ab ",
                Ticks().kill(kSize, {0, 1, 2, 3}),
                {1, "ab", Position::First},
                "ab "},
        // Positions count in the list as the banker filter left it.
        BadCase{"CountedAfterBanker",
                "34 1x 56 ",
                Ticks().banker({1}),
                {1, "1x", Position::Second},
                "1x "},
        BadCase{"EmptyElementAfterBanker",
                "12 56  13 ",
                Ticks().banker({0, 1}),
                {2, "", Position::First},
                "12  13 "}),
    test::ByName());

TEST(ApplyConditions, StopsWithAnEmptyListEvenWithNoConditions)
{
    const ConditionResult result = applyConditions("12 ab 34 ", {});
    EXPECT_EQ(result.listText, "");
    EXPECT_EQ(result.unreadable, (Unreadable{2, "ab", Position::First}));
}

// Far beyond 16-bit counters: every element is examined, and the last one is found.
TEST(LongPastedList, FortyThousandNumbersAreAllExamined)
{
    std::string text;
    for (int k = 0; k < 400; ++k) text += hundredNumbers();
    const PassOutcome unchanged = runFilterPass(text, {});
    EXPECT_EQ(unchanged.listText, text);
    EXPECT_EQ(unchanged.countLine, countLine(40000));

    const PassOutcome filtered = runFilterPass(text, Ticks().sum(10));
    EXPECT_EQ(filtered.countLine, countLine(36400));
    EXPECT_EQ(filtered.listText.substr(filtered.listText.size() - 9), "97 98 99 ");

    text.replace(text.size() - 3, 2, "9x");
    const PassOutcome stopped = runFilterPass(text, {});
    EXPECT_EQ(stopped.unreadable, (Unreadable{40000, "9x", Position::Second}));
    EXPECT_EQ(stopped.listText, text);
}

} // namespace
} // namespace shrink2d
