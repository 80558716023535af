#include "filtering/candidate_list.h"
#include "filtering/condition_groups.h"
#include "filtering/filter_pass.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shrink2d {
namespace {

using test::hundredNumbers;
using test::PrintTo;
using test::Ticks;

// Sum 10 killed (9 numbers), span 0 killed (10), only 偶偶 fixed (rejects 75). Two groups reject
// 11 33 77 99 (span, parity) and 19 37 73 91 (sum, parity); all three reject 55.
FilterSettings threeGroups() { return Ticks().sum(10).span(0).fix(&FilterSettings::parity, {0}); }

std::vector<std::string_view> dropped(const std::string& input, const std::string& output)
{
    std::vector<std::string_view> gone;
    const std::vector<std::string_view> kept = splitCandidates(output);
    std::size_t next = 0;
    for (const std::string_view element : splitCandidates(input)) {
        if (next < kept.size() && kept[next] == element) {
            ++next;
        } else {
            gone.push_back(element);
        }
    }
    EXPECT_EQ(next, kept.size()) << "the survivors are not a subsequence of the input";
    return gone;
}

struct ToleranceCase {
    const char* name;
    std::size_t tolerance;
    std::vector<std::string_view> dropped;
};

class ToleranceOnTheHundred : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(ToleranceOnTheHundred, DropsOnlyWhatMoreGroupsReject)
{
    const std::string input = hundredNumbers();
    const PassOutcome outcome = runTolerantPass(input, threeGroups(), GetParam().tolerance);
    EXPECT_EQ(dropped(input, outcome.listText), GetParam().dropped);
    EXPECT_EQ(outcome.countLine, countLine(100 - GetParam().dropped.size()));
}

INSTANTIATE_TEST_SUITE_P(ThreeGroups, ToleranceOnTheHundred,
                         ::testing::Values(
                             ToleranceCase{
                                 "one", 1, {"11", "19", "33", "37", "55", "73", "77", "91", "99"}},
                             ToleranceCase{"two", 2, {"55"}}, ToleranceCase{"three", 3, {}}),
                         test::ByName());

TEST(GroupStats, CountsEachGroupOnItsOwnAndTheSurvivorsUnderTheTolerance)
{
    FilterSettings settings = threeGroups();
    settings.banker = test::digits({5}); // rejects the 81 numbers without a 5
    const auto stats = std::get<GroupStats>(groupStats(hundredNumbers(), settings, 1));
    std::array<std::size_t, kConditionGroupCount> rejectedBy{};
    rejectedBy[entryOf(ConditionGroup::Banker).index()] = 81;
    rejectedBy[entryOf(ConditionGroup::Sum).index()] = 9;
    rejectedBy[entryOf(ConditionGroup::Span).index()] = 10;
    rejectedBy[entryOf(ConditionGroup::Parity).index()] = 75;
    EXPECT_EQ(stats.rejectedBy, rejectedBy);
    EXPECT_EQ(stats.in, 100U);
    // One rejection at most: the 16 that pass the rows lack a 5, and the 18 numbers other than
    // 55 that hold a 5 fail only 偶偶.
    EXPECT_EQ(stats.out, 16U + 18U);
}

// Under a tolerance the banker digits are a group like the others: 5 with the three groups and
// tolerance 1 keeps the 16 numbers that pass the rows (none holds a 5) and the 18 that hold a 5
// and fail only 偶偶 (every one but 55).
TEST(TolerantPass, CountsTheBankerDigitsAsAGroup)
{
    FilterSettings settings = threeGroups();
    settings.banker = test::digits({5});
    const PassOutcome outcome = runTolerantPass(hundredNumbers(), settings, 1);
    EXPECT_EQ(outcome.listText, "02 04 05 06 08 15 20 24 25 26 35 40 42 45 48 50 51 52 53 54 56 "
                                "57 58 59 60 62 65 68 75 80 84 85 86 95 ");
    EXPECT_EQ(outcome.countLine, test::countLine(34));
}

// Under a tolerance the banker digits no longer pre-filter the list, so an element they would
// have dropped is classified like any other.
TEST(TolerantPass, StopsAtAnUnreadableElementTheBankerWouldHaveDropped)
{
    const FilterSettings settings = Ticks().banker({9});
    EXPECT_FALSE(runTolerantPass("19 ab 99 ", settings, 0).unreadable);
    const PassOutcome stopped = runTolerantPass("19 ab 99 ", settings, 1);
    EXPECT_EQ(stopped.unreadable, (Unreadable{2, "ab", Position::First}));
    EXPECT_FALSE(stopped.countLine);
    EXPECT_EQ(std::get<Unreadable>(groupStats("19 9  99 ", settings, 0)),
              (Unreadable{3, "", Position::First}));
}

} // namespace
} // namespace shrink2d
