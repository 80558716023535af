#include "filtering/candidate_list.h"
#include "filtering/condition_groups.h"
#include "filtering/filter_pass.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace shrink2d {
namespace {

// Properties of the pass over random readable lists and random settings; they hold whatever the
// rules are, so they need no second implementation of them.
class RandomPasses : public ::testing::Test {
protected:
    bool chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(m_rng) < percent; }
    char digit()
    {
        return static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(m_rng));
    }

    // Two-digit numbers in any order with repeats, a few of one or three digits.
    std::string randomList()
    {
        std::string text;
        for (int k = std::uniform_int_distribution<int>(0, 120)(m_rng); k > 0; --k) {
            const int length = chance(90) ? 2 : (chance(50) ? 1 : 3);
            std::string element;
            for (int c = 0; c < length; ++c) element += digit();
            appendCandidate(text, element);
        }
        return text;
    }

    FilterSettings randomSettings()
    {
        FilterSettings s;
        for (std::size_t d = 0; d < 10; ++d) s.banker.set(d, chance(6));
        for (long v = 0; v <= 18; ++v) {
            if (chance(8)) s.sums.values.push_back(v);
            if (v <= 9 && chance(6)) s.sumTails.values.push_back(v);
            if (v <= 9 && chance(6)) s.spans.values.push_back(v);
        }
        for (const std::string_view caption : kRoadCaptions) {
            if (chance(6)) s.roads.values.push_back(std::stol(std::string(caption)));
        }
        for (PatternGroup* group : {&s.parity, &s.paritySize, &s.sizeParity, &s.size}) {
            for (bool& ticked : group->ticked) ticked = chance(25);
            group->kill = chance(50);
        }
        return s;
    }

    static bool passes(std::string_view element, const FilterSettings& s)
    {
        const auto digitAt = [](char c) { return static_cast<std::size_t>(c - '0'); };
        if (s.banker.any() && !s.banker.test(digitAt(element.front())) &&
            !s.banker.test(digitAt(element.back()))) {
            return false;
        }
        return !conditionsReject(std::get<CandidateAttributes>(computeAttributes(element)), s);
    }

    static constexpr int kIterations = 300;

private:
    std::mt19937 m_rng{20240611U};
};

TEST_F(RandomPasses, ASecondPassChangesNothing)
{
    for (int i = 0; i < kIterations; ++i) {
        const FilterSettings settings = randomSettings();
        const PassOutcome once = runFilterPass(randomList(), settings);
        const PassOutcome twice = runFilterPass(once.listText, settings);
        EXPECT_EQ(twice.listText, once.listText);
        EXPECT_EQ(twice.countLine, once.countLine);
    }
}

TEST_F(RandomPasses, NoTicksChangeNothing)
{
    for (int i = 0; i < kIterations; ++i) {
        const std::string input = randomList();
        EXPECT_EQ(runFilterPass(input, {}).listText, input);
    }
}

// Subsequence, every survivor passing and as many surviving as pass: together they pin the
// survivors exactly.
TEST_F(RandomPasses, SurvivorsAreTheElementsThatPassInTheirOrder)
{
    for (int i = 0; i < kIterations; ++i) {
        const std::string input = randomList();
        const FilterSettings settings = randomSettings();
        const PassOutcome outcome = runFilterPass(input, settings);
        const std::vector<std::string_view> survivors = splitCandidates(outcome.listText);
        std::size_t matched = 0;
        std::size_t passing = 0;
        for (const std::string_view element : splitCandidates(input)) {
            if (matched < survivors.size() && survivors[matched] == element) ++matched;
            passing += passes(element, settings) ? 1 : 0;
        }
        EXPECT_EQ(matched, survivors.size()) << "not a subsequence of " << input;
        EXPECT_EQ(survivors.size(), passing) << input;
        for (const std::string_view element : survivors) {
            EXPECT_TRUE(passes(element, settings)) << element << " survived in " << input;
        }
        EXPECT_EQ(outcome.countLine, countLine(survivors.size()));
    }
}

// Judging each group on its own and allowing no rejection keeps what the pass keeps.
TEST_F(RandomPasses, GroupsWithNoToleranceAgreeWithThePass)
{
    for (int i = 0; i < kIterations; ++i) {
        const std::string input = randomList();
        const FilterSettings settings = randomSettings();
        const PassOutcome outcome = runFilterPass(input, settings);
        const RejectionTable rejections = rejectionTable(settings);
        EXPECT_EQ(keepByTable(input, toleratedKeepTable(rejections, 0)), outcome.listText);
        EXPECT_EQ(countLine(std::get<GroupStats>(groupStats(input, settings, 0)).out),
                  outcome.countLine);
    }
}

} // namespace
} // namespace shrink2d
