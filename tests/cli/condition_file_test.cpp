#include "cli/condition_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::cli;

TEST(ConditionFile, SavesTheGivenOptionsAndTheTolerance)
{
    FilterSettings settings;
    settings.banker.set(3).set(8);
    settings.sums.values = {0, 7, 18};
    settings.roads.values = {1, 20};
    settings.parity.ticked = {true, false, false, true};
    settings.parity.kill = true;
    settings.sizeParity.ticked = {false, false, false, true};
    EXPECT_EQ(conditionFileText(settings, 2,
                                {"size-parity", "banker", "kill-sum", "kill-road", "parity",
                                 "parity-mode", "size"}),
              "{\n"
              "  \"version\": 1,\n"
              "  \"banker\": [3,8],\n"
              "  \"kill-sum\": [0,7,18],\n"
              "  \"kill-road\": [\"01\",\"20\"],\n"
              "  \"parity\": [\"偶偶\",\"奇偶\"],\n"
              "  \"parity-mode\": \"kill\",\n"
              "  \"size-parity\": [\"小奇\"],\n"
              "  \"size\": [],\n"
              "  \"tolerance\": 2\n"
              "}\n");
}

TEST(ConditionFile, ReadsAsTheOptionsTheKeysName)
{
    const auto read = conditionArguments(R"({"version": 1, "kill-road": ["00", "12"],
        "banker": [3, 8], "kill-sum": [], "size": ["BS", "小大"], "size-mode": "kill",
        "tolerance": 2})");
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(read));
    EXPECT_EQ(std::get<std::vector<std::string>>(read),
              (std::vector<std::string>{"--kill-road=00,12", "--banker=38", "--kill-sum=",
                                        "--size=BS,小大", "--size-mode=kill", "--tolerance=2"}));
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
    const auto read = conditionArguments(GetParam().content);
    ASSERT_TRUE(std::holds_alternative<ConditionFileError>(read));
    const std::string& message = std::get<ConditionFileError>(read).message;
    EXPECT_TRUE(message.starts_with(GetParam().message)) << message;
    EXPECT_EQ(message.find_first_of("\n\r\xFF"), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConditionFileRefused,
    testing::Values(
        RefusedFile{"NotJson", "kill-sum=9\n", "not a JSON file: "},
        RefusedFile{"MalformedUtf8", "{\"version\": 1, \"size\": [\"\xFF\"]}", "not a JSON file: "},
        RefusedFile{"Binary", std::string("\0\x01\x02{", 4), "not a JSON file: "},
        RefusedFile{"NotAnObject", "[1]", "not a JSON object"},
        RefusedFile{"NoVersion", "{\"banker\": [1]}", "key \"version\": missing"},
        RefusedFile{"OtherVersion", "{\"version\": 2}", "key \"version\": 2 is not supported"},
        RefusedFile{"UnknownKey", "{\"version\": 1, \"first\": \"12\"}",
                    "key \"first\": not a condition option"},
        RefusedFile{"NumberAsText", "{\"version\": 1, \"kill-sum\": [\"9\"]}",
                    "key \"kill-sum\": expected whole numbers"},
        RefusedFile{"NumberNotInArray", "{\"version\": 1, \"kill-span\": 9}",
                    "key \"kill-span\": expected an array"},
        RefusedFile{"DigitAboveNine", "{\"version\": 1, \"banker\": [3, 10]}",
                    "key \"banker\": 10 is not a digit from 0 to 9"},
        RefusedFile{"NegativeDigit", "{\"version\": 1, \"kill-tail\": [-1]}",
                    "key \"kill-tail\": -1 is not a digit from 0 to 9"},
        RefusedFile{"CommaInsideItem", "{\"version\": 1, \"parity\": [\"EE,OO\"]}",
                    "key \"parity\": \"EE,OO\" holds a comma"},
        RefusedFile{"ModeNotText", "{\"version\": 1, \"size-mode\": true}",
                    "key \"size-mode\": expected \"fix\" or \"kill\""},
        RefusedFile{"FractionalTolerance", "{\"version\": 1, \"tolerance\": 1.5}",
                    "key \"tolerance\": expected a whole number"}),
    test::ByName());

} // namespace
