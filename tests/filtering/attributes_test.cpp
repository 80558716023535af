#include "filtering/attributes.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace shrink2d {
namespace {

using test::PrintTo;

struct Classified {
    const char* name;
    std::string element;
    double sum;
    int sumTail;
    int span;
    // firstChar secondChar road parity size paritySize sizeParity prime tier shape
    const char* texts;
};

std::string texts(const CandidateAttributes& a)
{
    return a.firstChar + " " + a.secondChar + " " + a.roadPattern + " " + a.parityPattern + " " +
           a.sizePattern + " " + a.paritySizePattern + " " + a.sizeParityPattern + " " +
           a.primePattern + " " + a.tierPattern + " " + a.shapePattern;
}

class Attributes : public ::testing::TestWithParam<Classified> {};

TEST_P(Attributes, OfAReadableElement)
{
    const Classified& c = GetParam();
    const AttributesResult result = computeAttributes(c.element);
    ASSERT_TRUE(std::holds_alternative<CandidateAttributes>(result));
    const auto& attrs = std::get<CandidateAttributes>(result);
    EXPECT_EQ(attrs.sum, c.sum);
    EXPECT_EQ(attrs.sumTail, c.sumTail);
    EXPECT_EQ(attrs.span, c.span);
    EXPECT_EQ(texts(attrs), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, Attributes,
    ::testing::Values(
        Classified{"N05", "05", 5, 5, 5, "0 5 02 偶奇 小大 偶大 小奇 合质 小中 升"},
        Classified{"N97", "97", 16, 6, 2, "9 7 01 奇奇 大大 奇大 大奇 合质 大大 降"},
        Classified{"N00", "00", 0, 0, 0, "0 0 00 偶偶 小小 偶小 小偶 合合 小小 平"},
        Classified{"N19", "19", 10, 0, 8, "1 9 10 奇奇 小大 奇大 小奇 质合 小大 升"},
        Classified{"N82", "82", 10, 0, 6, "8 2 22 偶偶 大小 偶小 大偶 合质 大小 降"},
        Classified{"N99", "99", 18, 8, 0, "9 9 00 奇奇 大大 奇大 大奇 合合 大大 平"},
        Classified{"SizeBoundary45", "45", 9, 9, 1, "4 5 12 偶奇 小大 偶大 小奇 合质 中中 升"},
        Classified{"SizeBoundary54", "54", 9, 9, 1, "5 4 21 奇偶 大小 奇小 大偶 质合 中中 降"},
        Classified{"OneCharacterFillsBoth", "7", 14, 4, 0,
                   "7 7 11 奇奇 大大 奇大 大奇 质质 大大 平"},
        Classified{"ThreeCharactersUseTheEnds", "123", 4, 4, 2,
                   "1 3 10 奇奇 小小 奇小 小奇 质质 小中 升"}),
    test::ByName());

struct DigitClass {
    char digit;
    int road;
    const char* parity;
    const char* size;
    const char* prime;
    const char* tier;
};

class PerDigit : public ::testing::TestWithParam<DigitClass> {};

TEST_P(PerDigit, ClassesInBothPositions)
{
    const DigitClass& d = GetParam();
    const auto attrs = std::get<CandidateAttributes>(computeAttributes(std::string(1, d.digit)));
    EXPECT_EQ(attrs.roadFirst, d.road);
    EXPECT_EQ(attrs.roadSecond, d.road);
    EXPECT_EQ(attrs.parityFirst, d.parity);
    EXPECT_EQ(attrs.paritySecond, d.parity);
    EXPECT_EQ(attrs.sizeFirst, d.size);
    EXPECT_EQ(attrs.sizeSecond, d.size);
    EXPECT_EQ(attrs.primePattern, std::string(d.prime) + d.prime); // a one-digit element: dd
    EXPECT_EQ(attrs.tierPattern, std::string(d.tier) + d.tier);
}

INSTANTIATE_TEST_SUITE_P(Digits, PerDigit,
                         ::testing::Values(DigitClass{'0', 0, "偶", "小", "合", "小"},
                                           DigitClass{'1', 1, "奇", "小", "质", "小"},
                                           DigitClass{'2', 2, "偶", "小", "质", "小"},
                                           DigitClass{'3', 0, "奇", "小", "质", "中"},
                                           DigitClass{'4', 1, "偶", "小", "合", "中"},
                                           DigitClass{'5', 2, "奇", "大", "质", "中"},
                                           DigitClass{'6', 0, "偶", "大", "合", "中"},
                                           DigitClass{'7', 1, "奇", "大", "质", "大"},
                                           DigitClass{'8', 2, "偶", "大", "合", "大"},
                                           DigitClass{'9', 0, "奇", "大", "合", "大"}),
                         [](const auto& row) { return std::string(1, row.param.digit); });

struct Unclassifiable {
    const char* name;
    std::string element;
    Position failsAt;
};

class ConversionFailures : public ::testing::TestWithParam<Unclassifiable> {};

TEST_P(ConversionFailures, ReportWhereTheFirstNonDigitStands)
{
    const AttributesResult result = computeAttributes(GetParam().element);
    ASSERT_TRUE(std::holds_alternative<ConversionFailure>(result));
    EXPECT_EQ(std::get<ConversionFailure>(result).position, GetParam().failsAt);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, ConversionFailures,
    ::testing::Values(Unclassifiable{"Empty", "", Position::First},
                      Unclassifiable{"LetterLast", "5x", Position::Second},
                      Unclassifiable{"LetterFirst", "x5", Position::First},
                      Unclassifiable{"BothEndsFailFirstIsReported", "ab", Position::First},
                      Unclassifiable{"CjkLast", "5中", Position::Second},
                      Unclassifiable{"CjkFirst", "中5", Position::First},
                      Unclassifiable{"EmojiLast", "5😀", Position::Second},
                      Unclassifiable{"TabLast", "5\t", Position::Second},
                      Unclassifiable{"LineBreakFirst", "\r\n5", Position::First},
                      Unclassifiable{"CrLfLast", "5\r\n", Position::Second},
                      Unclassifiable{"IdeographicSpaceLast", "5\u3000", Position::Second},
                      Unclassifiable{"FullWidthDigit", "０5", Position::First},
                      Unclassifiable{"ArabicIndicDigit", "5٣", Position::Second},
                      Unclassifiable{"SuperscriptDigit", "5³", Position::Second},
                      Unclassifiable{"MalformedByteLast", "5\xFF", Position::Second},
                      Unclassifiable{"StrayContinuationFirst", std::string("\x80") + "5",
                                     Position::First},
                      // Numbers written together are not the number their ends make.
                      Unclassifiable{"TabInside", "5\t5", Position::Inside},
                      Unclassifiable{"ColumnInside", "12\r\n34\r\n56", Position::Inside},
                      Unclassifiable{"CommaInside", "12,34", Position::Inside},
                      Unclassifiable{"FullWidthCommaInside", "12，34", Position::Inside},
                      Unclassifiable{"EndsBeforeInside", "1,x", Position::Second}),
    test::ByName());

TEST(LenientValue, ReadsLeadingAsciiDigitsAndNeverFails)
{
    EXPECT_EQ(lenientValue("18"), 18);
    EXPECT_EQ(lenientValue("01"), 1);
    EXPECT_EQ(lenientValue("21"), 21);
    EXPECT_EQ(lenientValue("7x9"), 7);
    EXPECT_EQ(lenientValue("x"), 0);
    EXPECT_EQ(lenientValue(""), 0);
    EXPECT_EQ(lenientValue("٣"), 0);
}

TEST(LenientValue, AFortyDigitRunStopsShortOfOverflow)
{
    const std::string forty(40, '9');
    const long value = lenientValue(forty);
    // Whatever it saturates at, it is the value of a leading run of the digits, not a wrapped one.
    EXPECT_GT(value, 0);
    EXPECT_EQ(forty.rfind(std::to_string(value), 0), 0U);
}

} // namespace
} // namespace shrink2d
