#include "filtering/candidate_list.h"
#include "filtering/condition_groups.h"
#include "filtering/filter_pass.h"

#include <gtest/gtest.h>

#include <array>
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
            for (auto&& ticked : group->ticked) ticked = chance(25);
            group->kill = chance(50);
        }
        return s;
    }

    // One of the four pattern groups, and ticks for it with at least one item ticked.
    std::pair<PatternGroup FilterSettings::*, std::array<bool, 4>> randomTicks()
    {
        static constexpr std::array<PatternGroup FilterSettings::*, 4> groups = {
            &FilterSettings::parity, &FilterSettings::paritySize, &FilterSettings::sizeParity,
            &FilterSettings::size};
        std::array<bool, 4> ticks{};
        ticks.at(std::uniform_int_distribution<std::size_t>(0, 3)(m_rng)) = true;
        for (bool& ticked : ticks) ticked = ticked || chance(30);
        return {groups.at(std::uniform_int_distribution<std::size_t>(0, 3)(m_rng)), ticks};
    }

    // The settings with one more value killed in one of the four numeric rows.
    FilterSettings withOneMoreKill(FilterSettings s)
    {
        const auto pick = [this](long last) {
            return std::uniform_int_distribution<long>(0, last)(m_rng);
        };
        switch (std::uniform_int_distribution<int>(0, 3)(m_rng)) {
        case 0:
            s.sums.values.push_back(pick(18));
            break;
        case 1:
            s.sumTails.values.push_back(pick(9));
            break;
        case 2:
            s.spans.values.push_back(pick(9));
            break;
        default: {
            const std::string_view road = kRoadCaptions.at(
                std::uniform_int_distribution<std::size_t>(0, kRoadCaptions.size() - 1)(m_rng));
            s.roads.values.push_back(std::stol(std::string(road)));
        }
        }
        return s;
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

// Whether part is what is left of whole after dropping some of its elements.
bool isSubsequence(std::string_view part, std::string_view whole)
{
    const std::vector<std::string_view> kept = splitCandidates(part);
    std::size_t matched = 0;
    for (const std::string_view element : splitCandidates(whole)) {
        if (matched < kept.size() && kept[matched] == element) ++matched;
    }
    return matched == kept.size();
}

// Fix and kill with the same ticks in one group split the survivors of everything else in two,
// each element going to exactly one side.
TEST_F(RandomPasses, FixAndKillWithTheSameTicksSplitTheList)
{
    for (int i = 0; i < kIterations; ++i) {
        const std::string input = randomList();
        FilterSettings fixed = randomSettings();
        const auto [group, ticks] = randomTicks();
        (fixed.*group).ticked.assign(ticks.begin(), ticks.end());
        (fixed.*group).kill = false;
        FilterSettings killed = fixed;
        (killed.*group).kill = true;
        FilterSettings neither = fixed;
        (neither.*group).ticked.assign(ticks.size(), false);

        const std::string allText = runFilterPass(input, neither).listText;
        const std::vector<std::string_view> all = splitCandidates(allText);
        const std::string fixText = runFilterPass(input, fixed).listText;
        const std::string killText = runFilterPass(input, killed).listText;
        const std::vector<std::string_view> fix = splitCandidates(fixText);
        const std::vector<std::string_view> kill = splitCandidates(killText);
        std::size_t f = 0;
        std::size_t k = 0;
        for (const std::string_view element : all) {
            if (f < fix.size() && fix[f] == element) {
                ++f;
            } else if (k < kill.size() && kill[k] == element) {
                ++k;
            } else {
                ADD_FAILURE() << element << " is on neither side, in " << input;
            }
        }
        EXPECT_EQ(f + k, fix.size() + kill.size()) << "an element is on both sides, in " << input;
    }
}

TEST_F(RandomPasses, AKillTickNeverAddsASurvivor)
{
    for (int i = 0; i < kIterations; ++i) {
        const std::string input = randomList();
        const FilterSettings settings = randomSettings();
        const std::string before = runFilterPass(input, settings).listText;
        EXPECT_TRUE(isSubsequence(runFilterPass(input, withOneMoreKill(settings)).listText, before))
            << input;
        FilterSettings patternKilled = settings;
        const auto [group, ticks] = randomTicks();
        PatternGroup& killing = patternKilled.*group;
        if (!killing.kill) continue;
        for (std::size_t k = 0; k < ticks.size(); ++k)
            killing.ticked.at(k) = killing.ticked.at(k) || ticks.at(k);
        EXPECT_TRUE(isSubsequence(runFilterPass(input, patternKilled).listText, before)) << input;
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
        for (const std::string_view survivor : splitCandidates(outcome.listText)) {
            const auto number =
                static_cast<std::size_t>((survivor.front() - '0') * 10 + (survivor.back() - '0'));
            EXPECT_TRUE(rejections[number].none()) << survivor;
        }
        EXPECT_EQ(countLine(std::get<GroupStats>(groupStats(input, settings, 0)).out),
                  outcome.countLine);
    }
}

} // namespace
} // namespace shrink2d
