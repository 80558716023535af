// The groups beyond the window's rows, as the command line takes them, against a check that knows
// nothing of the core: each number's patterns worked out here from its two digits.
#include "cli/options.h"
#include "filtering/filter_pass.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace shrink2d;
using Args = std::vector<std::string>;

// One random choice of the four groups, spelled both ways: as options, and as the sets the check
// uses. Each pattern group keeps (fix) or drops (kill) the patterns chosen; none chosen is unused.
struct Choice {
    Args args;
    std::array<std::vector<std::string>, 3> patterns; // 质合, 大中小, 升平降
    std::array<bool, 3> kill{};
    std::array<bool, 100> killed{};
    int tolerance = 0;
};

std::string primeOf(int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7 ? "质" : "合"; }
std::string tierOf(int d) { return d <= 2 ? "小" : d <= 6 ? "中" : "大"; }
std::string shapeOf(int a, int b) { return a < b ? "升" : a == b ? "平" : "降"; }

// How many of the chosen groups reject n.
int rejections(const Choice& c, int n)
{
    const int a = n / 10;
    const int b = n % 10;
    const std::array<std::string, 3> pattern = {primeOf(a) + primeOf(b), tierOf(a) + tierOf(b),
                                                shapeOf(a, b)};
    int count = c.killed[static_cast<std::size_t>(n)] ? 1 : 0;
    for (std::size_t g = 0; g < 3; ++g) {
        if (c.patterns[g].empty()) continue;
        bool chosen = false;
        for (const std::string& p : c.patterns[g]) chosen = chosen || p == pattern[g];
        if (chosen == c.kill[g]) ++count;
    }
    return count;
}

Choice randomChoice(std::mt19937& random)
{
    static const std::array<std::vector<std::string>, 3> kPatterns = {
        std::vector<std::string>{"质质", "质合", "合质", "合合"},
        std::vector<std::string>{"大大", "大中", "大小", "中大", "中中", "中小", "小大", "小中",
                                 "小小"},
        std::vector<std::string>{"升", "平", "降"}};
    static const std::array<std::string, 3> kOptions = {"--prime", "--tier", "--shape"};
    const auto coin = [&random](int outOf) { return random() % static_cast<unsigned>(outOf) == 0; };
    Choice c;
    for (std::size_t g = 0; g < 3; ++g) {
        std::string value;
        for (const std::string& p : kPatterns[g]) {
            if (!coin(3)) continue;
            c.patterns[g].push_back(p);
            value += (value.empty() ? "" : ",") + p;
        }
        if (c.patterns[g].empty() && coin(2)) continue; // the option left out
        c.args.insert(c.args.end(), {kOptions[g], value});
        c.kill[g] = coin(2);
        if (c.kill[g]) c.args.insert(c.args.end(), {kOptions[g] + "-mode", "kill"});
    }
    std::string numbers;
    for (int n = 0; n < 100; ++n) {
        if (!coin(8)) continue;
        c.killed[static_cast<std::size_t>(n)] = true;
        numbers +=
            (numbers.empty() ? "" : " ") + std::string(1, char('0' + n / 10)) + char('0' + n % 10);
    }
    if (!numbers.empty()) c.args.insert(c.args.end(), {"--kill-numbers", numbers});
    c.tolerance = static_cast<int>(random() % 3);
    c.args.insert(c.args.end(), {"--tolerance", std::to_string(c.tolerance)});
    return c;
}

TEST(BeyondTheWindow, TwoHundredRandomSetsAgreeWithAnIndependentCheck)
{
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        const Choice c = randomChoice(random);
        const auto parsed = cli::parseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<cli::RunRequest>(parsed)) << round;
        const auto& request = std::get<cli::RunRequest>(parsed);
        const PassOutcome outcome =
            runTolerantPass(test::hundredNumbers(), request.settings, request.tolerance);

        std::string expected;
        for (int n = 0; n < 100; ++n) {
            if (rejections(c, n) > c.tolerance) continue;
            expected += std::string(1, char('0' + n / 10)) + char('0' + n % 10) + ' ';
        }
        ASSERT_EQ(outcome.listText, expected) << "round " << round;
    }
}

} // namespace
