#include "filtering/filter_pass.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace shrink2d {
namespace {

using test::PrintTo;

using test::digits;
using test::kAllDigits;

struct BankerCase {
    const char* name;
    DigitSet banker;
    std::string before;
    std::optional<std::string> after; // nullopt: the caller must leave the text alone
};

class BankerFilter : public ::testing::TestWithParam<BankerCase> {};

TEST_P(BankerFilter, KeepsElementsWithABankerDigitAtEitherEnd)
{
    EXPECT_EQ(bankerFilter(GetParam().before, GetParam().banker), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BankerFilter,
    ::testing::Values(
        BankerCase{"NoneTicked", {}, "03 13 ", std::nullopt},
        BankerCase{"NoneTickedOddText", {}, "  x\t  5 ", std::nullopt},
        BankerCase{"Three", digits({3}), "03 13 30 44 ", "03 13 30 "},
        BankerCase{"BothDigitsMatchOnce", digits({1, 2}), "12 21 11 34 ", "12 21 11 "},
        BankerCase{"RepeatsKept", digits({1}), "11 11 ", "11 11 "},
        BankerCase{"NothingQualifies", digits({5}), "00 11 22 ", ""},
        BankerCase{"EmptyText", digits({4}), "", ""},
        BankerCase{"BlanksAlone", digits({4}), "   ", ""},
        BankerCase{"Zero", digits({0}), "00 05 50 55 ", "00 05 50 "},
        BankerCase{"AllTenRewritesBlanks", kAllDigits, "   12 34   ", "12 34 "},
        BankerCase{"AllTenKeepsTheOddOnes", kAllDigits, " 00  ab 9", "00  ab 9 "},
        // An empty element counts as 00 and goes back as a lone blank.
        BankerCase{"EmptyElementPassesWithZero", digits({0, 1}), "11  22 ", "11  "},
        BankerCase{"EmptyElementAloneWithZero", digits({0}), "11  22 ", " "},
        BankerCase{"EmptyElementDroppedWithoutZero", digits({1}), "11  22 ", "11 "},
        // A non-digit end counts as 0; the other end can still match.
        BankerCase{"NonDigitEndsPassWithZero", digits({0}), "x5 5x ab 中 ", "x5 5x ab 中 "},
        BankerCase{"NonDigitEndsPassByTheOtherEnd", digits({5}), "x5 5x ab 中 ", "x5 5x "},
        BankerCase{"NonDigitEndsDropped", digits({1}), "x5 5x ab ", ""},
        BankerCase{"MultiByteEndNextToDigit", digits({3}), "3中 中3 中 ", "3中 中3 "},
        BankerCase{"OneCharacter", digits({7}), "7 8 ", "7 "},
        BankerCase{"ThreeCharactersJudgedByEnds", digits({1}), "123 456 ", "123 "},
        BankerCase{"ThreeCharactersLastEnd", digits({3}), "123 ", "123 "},
        BankerCase{"MiddleCharacterIgnored", digits({2}), "123 ", ""},
        BankerCase{"TabInsideWrittenWhole", digits({3}), "3\t4 ", "3\t4 "}),
    test::ByName());

} // namespace
} // namespace shrink2d
