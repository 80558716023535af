#include "filtering/catalogue.h"
#include "filtering/filter_pass.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace shrink2d {
namespace {

using test::hundredNumbers;
using test::PrintTo;

// One box of one group ticked through the catalogue: on the hundred numbers that group alone
// rejects, and exactly as many as worked out by hand.
struct OneBoxCase {
    const char* name;
    ConditionGroup group;
    std::size_t box;
    bool kill;
    std::size_t rejected;
};

class OneBoxOfOneGroup : public ::testing::TestWithParam<OneBoxCase> {};

TEST_P(OneBoxOfOneGroup, RejectsOnlyThroughItsOwnRow)
{
    const OneBoxCase& row = GetParam();
    const ConditionEntry& entry = entryOf(row.group);
    FilterSettings settings;
    setTickedBoxes(entry, settings, Boxes().set(row.box));
    if (entry.mode != nullptr) setKill(*entry.mode, settings, row.kill);

    const auto stats = std::get<GroupStats>(groupStats(hundredNumbers(), settings, 0));
    std::array<std::size_t, kConditionGroupCount> expected{};
    expected[entry.index()] = row.rejected;
    EXPECT_EQ(stats.rejectedBy, expected);
    EXPECT_EQ(stats.out, 100 - row.rejected);
    EXPECT_EQ(tickedBoxes(entry, settings), Boxes().set(row.box));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, OneBoxOfOneGroup,
    ::testing::Values(OneBoxCase{"Banker5", ConditionGroup::Banker, 5, false, 81},
                      OneBoxCase{"Sum10", ConditionGroup::Sum, 10, false, 9},
                      OneBoxCase{"Sum18", ConditionGroup::Sum, 18, false, 1},
                      OneBoxCase{"Tail0", ConditionGroup::Tail, 0, false, 10},
                      OneBoxCase{"Span0", ConditionGroup::Span, 0, false, 10},
                      OneBoxCase{"Road01", ConditionGroup::Road, 1, false, 12},
                      OneBoxCase{"Road21", ConditionGroup::Road, 6, false,
                                 9}, // item 6 is "21": 1 4 7 by 0 3 6 9
                      OneBoxCase{"EvenEvenFixed", ConditionGroup::Parity, 0, false, 75},
                      OneBoxCase{"OddOddKilled", ConditionGroup::Parity, 2, true, 25},
                      OneBoxCase{"EvenBigFixed", ConditionGroup::ParitySize, 0, false, 75},
                      OneBoxCase{"OddSmallKilled", ConditionGroup::ParitySize, 3, true, 25},
                      OneBoxCase{"BigEvenFixed", ConditionGroup::SizeParity, 0, false, 75},
                      OneBoxCase{"SmallOddKilled", ConditionGroup::SizeParity, 3, true, 25},
                      OneBoxCase{"BigBigFixed", ConditionGroup::Size, 0, false, 75},
                      OneBoxCase{"SmallBigKilled", ConditionGroup::Size, 3, true, 25},
                      // 质 is 1 2 3 5 7, five digits; 合 the other five.
                      OneBoxCase{"PrimePrimeFixed", ConditionGroup::Prime, 0, false, 75},
                      OneBoxCase{"CompositePrimeKilled", ConditionGroup::Prime, 2, true, 25},
                      // 小 is 0 to 2, 中 3 to 6, 大 7 to 9.
                      OneBoxCase{"MiddleMiddleFixed", ConditionGroup::Tier, 4, false, 84},
                      OneBoxCase{"TierSmallBigKilled", ConditionGroup::Tier, 6, true, 9},
                      // 升 has the first digit below the second: 45 of the hundred.
                      OneBoxCase{"RisingFixed", ConditionGroup::Shape, 0, false, 55},
                      OneBoxCase{"LevelKilled", ConditionGroup::Shape, 1, true, 10},
                      // A typed group's box k is the number k: 05 alone, not 50.
                      OneBoxCase{"KillNumber05", ConditionGroup::KillNumbers, 5, false, 1}),
    test::ByName());

// The mixed patterns share one pair: setting it sets both groups, and the others stay in fix.
TEST(ModePairs, TheMixedPairGovernsBothMixedGroups)
{
    FilterSettings settings;
    setKill(modePairs()[1], settings, true);
    EXPECT_TRUE(settings.paritySize.kill);
    EXPECT_TRUE(settings.sizeParity.kill);
    EXPECT_FALSE(settings.parity.kill);
    EXPECT_FALSE(settings.size.kill);
    EXPECT_TRUE(isKill(modePairs()[1], settings));
}

} // namespace
} // namespace shrink2d
