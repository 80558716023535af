#include "filtering/candidate_list.h"
#include "filtering/generation.h"
#include "filtering/typed_numbers.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shrink2d {
namespace {

using test::PrintTo;

using test::digits;
using test::kAllDigits;

struct ReadingCase {
    const char* name;
    std::string text;
    std::vector<std::string_view> elements;
};

class ReadingRule : public ::testing::TestWithParam<ReadingCase> {};

// splitCandidates and countCandidates are written separately; both must follow the one rule.
TEST_P(ReadingRule, SplitsAndCounts)
{
    const ReadingCase& c = GetParam();
    EXPECT_EQ(splitCandidates(c.text), c.elements);
    EXPECT_EQ(countCandidates(c.text), c.elements.size());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingRule,
    ::testing::Values(
        ReadingCase{"BlanksAroundTwoNumbers", "  12 34  ", {"12", "34"}},
        ReadingCase{"TwoBlanksEncloseAnEmptyElement", "12  34", {"12", "", "34"}},
        ReadingCase{"ThreeBlanksEncloseTwo", "1   2 ", {"1", "", "", "2"}},
        ReadingCase{"EmptyText", "", {}}, ReadingCase{"BlanksAlone", "    ", {}},
        ReadingCase{"SingleNumberWithoutBlank", "05", {"05"}},
        ReadingCase{"WrittenForm", "05 17 99 ", {"05", "17", "99"}},
        ReadingCase{"TabsAndLineBreaksStayInside", "\t1 2\r\n3 4\n", {"\t1", "2\r\n3", "4\n"}},
        ReadingCase{"IdeographicSpaceIsNoBlank", "1\u30002 ", {"1\u30002"}}),
    test::ByName());

// A paste with a separator takes the written form; one without stays as it is, inside a number.
TEST(PastedList, TakesTheWrittenFormOnlyWhenItHoldsASeparator)
{
    EXPECT_EQ(pastedList("12\r\n34\r\n56\r\n"), "12 34 56 ");
    EXPECT_EQ(pastedList(" 12，34、56;78；90\t\u300011,"), "12 34 56 78 90 11 ");
    EXPECT_EQ(pastedList(",，\r\n"), "");
    EXPECT_EQ(pastedList("7"), "7");
    EXPECT_EQ(pastedList("0５\xE3\x80"), "0５\xE3\x80"); // a cut separator is none
}

// The numbers typed into a text box: the set as the box shows it again, or what the player reads.
TEST(TypedNumbers, TakeTwoDigitsBetweenAnySeparatorAndNameTheFirstItemThatIsNot)
{
    const auto read = [](std::string_view text, Language language = Language::Chinese) {
        auto result = readTypedNumbers(text, language);
        if (const auto* numbers = std::get_if<NumberSet>(&result)) return typedNumbers(*numbers);
        return "! " + std::get<std::string>(result);
    };
    EXPECT_EQ(read(""), "");
    EXPECT_EQ(read(" ，\r\n"), "");
    EXPECT_EQ(read("99\t05，17、00；42;05\u300031\r\n"), "00 05 17 31 42 99");
    EXPECT_EQ(read("05 5 17"), "! 第 2 项 “5” 只有一位数字：请在前面补 0，写成 05。");
    EXPECT_EQ(read("123"),
              "! 第 1 项 “123” 多于两位数字：每个号码是两位数字，号码之间用空格隔开。");
    EXPECT_EQ(
        read("05 ０５", Language::English),
        "! item 2 \"０５\" is not a number: write two-digit numbers from 00 to 99, separated by "
        "blanks or commas.");
    EXPECT_EQ(read("05-17"),
              "! 第 1 项 “05-17” 不是号码：请写 00 到 99 的两位数字，号码之间用空格或逗号隔开。");
}

TEST(CountLine, HasSevenBlanksAsciiColonAndNoBlankBeforeTheUnit)
{
    EXPECT_EQ(countLine(100), "       共计:100注");
    EXPECT_EQ(countLine(0), "       共计:0注");
    EXPECT_EQ(countLine(12), "       共计:12注");
    EXPECT_EQ(countLine(40000), "       共计:40000注");
}

struct GenerationCase {
    const char* name;
    DigitSet first;
    DigitSet second;
    std::string list;
};

class Generation : public ::testing::TestWithParam<GenerationCase> {};

TEST_P(Generation, WritesEveryPairAscendingEachFollowedByOneBlank)
{
    EXPECT_EQ(generateCandidates(GetParam().first, GetParam().second), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(Selections, Generation,
                         ::testing::Values(GenerationCase{"NoFirstDigit", {}, kAllDigits, ""},
                                           GenerationCase{"NoSecondDigit", kAllDigits, {}, ""},
                                           GenerationCase{"OneByOne", digits({3}), digits({7}),
                                                          "37 "},
                                           GenerationCase{"TickOrderDoesNotMatter", digits({9, 1}),
                                                          digits({5, 0}), "10 15 90 95 "},
                                           GenerationCase{"ZeroByAll", digits({0}), kAllDigits,
                                                          "00 01 02 03 04 05 06 07 08 09 "}),
                         test::ByName());

TEST(Generation, AllByAllIsTheHundredNumbersInThreeHundredCharacters)
{
    const std::string list = generateCandidates(kAllDigits, kAllDigits);
    EXPECT_EQ(list.size(), 300U);
    EXPECT_EQ(list, test::hundredNumbers());
    EXPECT_EQ(list.substr(0, 6), "00 01 ");
    EXPECT_EQ(list.substr(294), "98 99 ");
}

} // namespace
} // namespace shrink2d
