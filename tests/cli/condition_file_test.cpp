#include "cli/command_line.h"
#include "cli/condition_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::cli;
using test::Ticks;

// Written by the build before condition files were read key by key; it must read the same.
constexpr const char* kSavedEarlier = R"({
  "version": 1,
  "banker": [3,8],
  "kill-sum": [0,7,18],
  "kill-tail": [0,5],
  "kill-span": [9],
  "kill-road": ["01","22"],
  "parity": ["偶偶","奇偶"],
  "parity-mode": "kill",
  "parity-size": ["偶大"],
  "size-parity": ["小奇"],
  "parity-size-mode": "kill",
  "size": ["小小"],
  "size-mode": "fix",
  "tolerance": 2
}
)";

TEST(ConditionFile, SavedEarlierReadsBackToTheSameSettingsAndText)
{
    RunRequest request;
    ASSERT_EQ(readConditionFile(kSavedEarlier, request, Language::English), std::nullopt);
    const FilterSettings expected = Ticks()
                                        .banker({3, 8})
                                        .sum(0)
                                        .sum(7)
                                        .sum(18)
                                        .sumTail(0)
                                        .sumTail(5)
                                        .span(9)
                                        .road(1)
                                        .road(22)
                                        .kill(&FilterSettings::parity, {0, 3})
                                        .kill(&FilterSettings::paritySize, {0})
                                        .kill(&FilterSettings::sizeParity, {3})
                                        .fix(&FilterSettings::size, {1});
    EXPECT_EQ(request.settings, expected);
    EXPECT_EQ(request.tolerance, 2U);
    EXPECT_EQ(conditionFileText(request.settings, request.tolerance, request.givenConditions),
              kSavedEarlier);
}

TEST(ConditionFile, SavesOnlyTheGivenConditionsAndTheTolerance)
{
    const FilterSettings settings = Ticks().road(20).kill(&FilterSettings::size, {0});
    EXPECT_EQ(conditionFileText(settings, 0, {"size", "kill-road", "kill-sum"}),
              "{\n  \"version\": 1,\n  \"kill-sum\": [],\n  \"kill-road\": [\"20\"],\n"
              "  \"size\": [\"大大\"],\n  \"tolerance\": 0\n}\n");
}

// Items are spelled as after the options: leading zeros, pattern letters, the window's 定 and 杀.
TEST(ConditionFile, ReadsItemsAsTheOptionsSpellThem)
{
    RunRequest request;
    ASSERT_EQ(readConditionFile(R"({"size": ["bs", "小大"], "version": 1, "kill-road": ["00"],
        "parity-size-mode": "杀"})",
                                request, Language::English),
              std::nullopt);
    const FilterSettings expected = Ticks()
                                        .road(0)
                                        .fix(&FilterSettings::size, {2, 3})
                                        .kill(&FilterSettings::paritySize, {})
                                        .kill(&FilterSettings::sizeParity, {});
    EXPECT_EQ(request.settings, expected);
    EXPECT_EQ(request.givenConditions,
              (std::vector<std::string_view>{"size", "kill-road", "parity-size-mode"}));
}

struct RefusedFile {
    const char* name;
    std::string content;
    std::string message;
};

void PrintTo(const RefusedFile& row, std::ostream* os) { *os << row.name; }

class ConditionFileRefused : public testing::TestWithParam<RefusedFile> {};

TEST_P(ConditionFileRefused, NamingTheKey)
{
    RunRequest request;
    request.givenConditions = {"kill-span"}; // as if typed
    EXPECT_EQ(readConditionFile(GetParam().content, request, Language::English),
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConditionFileRefused,
    testing::Values(
        RefusedFile{"NotJson", "{\n  \"version\": 1,\n  \"banker\": [3 8]\n}",
                    "not JSON (line 3, column 16)"},
        RefusedFile{"MalformedUtf8", "{\"version\": 1, \"size\": [\"\xFF\"]}",
                    "not JSON (line 1, column 26)"},
        RefusedFile{"CutShort", "{\"version\": 1,\n", "not JSON (line 2, column 1)"},
        RefusedFile{"NumberBeyondADouble", R"({"version": 1, "tolerance": 1e400})",
                    "holds a number too big to read"},
        RefusedFile{"NotAnObject", "[1]", "not a JSON object"},
        RefusedFile{"DuplicateKey", R"({"version": 1, "banker": [1], "banker": [2]})",
                    "\"banker\" is given twice"},
        RefusedFile{"NoVersion", R"({"banker": [1]})",
                    "\"version\" is missing; a condition file has version 1"},
        RefusedFile{"OtherVersion", R"({"version": 2})", "\"version\" must be 1"},
        RefusedFile{"VersionAsText", R"({"version": "1"})", "\"version\" must be 1"},
        RefusedFile{"UnknownKey", R"({"version": 1, "first": "12"})",
                    "\"first\" is not a key of a condition file"},
        RefusedFile{"NumberAsText", R"({"version": 1, "kill-sum": ["9"]})",
                    "\"kill-sum\" must be an array of whole numbers from 0 to 18"},
        RefusedFile{"SumAbove18", R"({"version": 1, "kill-sum": [19]})",
                    "\"kill-sum\" must be an array of whole numbers from 0 to 18"},
        RefusedFile{"NegativeDigit", R"({"version": 1, "kill-tail": [-1]})",
                    "\"kill-tail\" must be an array of whole numbers from 0 to 9"},
        RefusedFile{"FractionalDigit", R"({"version": 1, "banker": [3.0]})",
                    "\"banker\" must be an array of whole numbers from 0 to 9"},
        RefusedFile{"DigitsAsOneNumber", R"({"version": 1, "banker": 38})",
                    "\"banker\" must be an array of whole numbers from 0 to 9"},
        RefusedFile{"RoadAsNumber", R"({"version": 1, "kill-road": [1]})",
                    "\"kill-road\" must be an array of strings, each one of 00 01 02 10 11 12 21 "
                    "20 22"},
        RefusedFile{"CommaInsideItem", R"({"version": 1, "parity": ["EE,OO"]})",
                    "\"parity\" must be an array of strings, each one of 偶偶 偶奇 奇奇 奇偶 or EE "
                    "EO OO OE"},
        RefusedFile{"NumberTwice", R"({"version": 1, "kill-sum": [7, 7]})",
                    "\"kill-sum\" holds 7 twice"},
        RefusedFile{"PatternTwiceSpelledTwoWays", R"({"version": 1, "parity": ["EE", "偶偶"]})",
                    "\"parity\" holds 偶偶 twice"},
        RefusedFile{"ModeNotText", R"({"version": 1, "size-mode": true})",
                    "\"size-mode\" must be \"fix\" or \"kill\""},
        RefusedFile{"ToleranceTen", R"({"version": 1, "tolerance": 10})",
                    "\"tolerance\" must be a whole number from 0 to 9"},
        RefusedFile{"TypedAsWell", R"({"version": 1, "kill-span": [0]})",
                    "\"kill-span\" is given on the command line as well, as --kill-span"}),
    test::ByName());

TEST(ConditionFile, ContentProblemNamesTheFileWithoutTheHelpHint)
{
    const std::string path = testing::TempDir() + "/twice conditions.json";
    std::ofstream(path) << R"({"version": 1, "banker": [1], "banker": [2]})";
    const ParseResult parsed = parseWithConditionFile({"--conditions", path}, Language::English);
    std::filesystem::remove(path);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed).message,
              "--conditions " + path + ": \"banker\" is given twice");
    EXPECT_FALSE(std::get<UsageError>(parsed).showHelpHint);
}

} // namespace
