#include "cli/options.h"
#include "filtering/version.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::cli;
using Args = std::vector<std::string>;

RunRequest requestFor(const Args& args)
{
    ParseResult parsed = parseCommandLine(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        ADD_FAILURE() << "unexpected usage error: " << error->message;
        return {};
    }
    return std::get<RunRequest>(parsed);
}

std::string usageErrorFor(const Args& args)
{
    ParseResult parsed = parseCommandLine(args);
    if (!std::holds_alternative<UsageError>(parsed)) {
        ADD_FAILURE() << "accepted";
        return {};
    }
    return std::get<UsageError>(parsed).message;
}

TEST(ParseInput, GeneratesFromAllTenDigitsByDefault)
{
    const RunRequest request = requestFor({});
    EXPECT_EQ(request.input,
              (decltype(request.input){GeneratedList{DigitSet(0x3FF), DigitSet(0x3FF)}}));
    EXPECT_EQ(request.settings, FilterSettings{});
    EXPECT_FALSE(request.json);
}

TEST(ParseInput, EmptyDigitStringTicksNothingInEitherSpelling)
{
    EXPECT_EQ(std::get<GeneratedList>(requestFor({"--first", "", "--second", "91"}).input),
              (GeneratedList{DigitSet(), DigitSet(0b10'0000'0010)}));
    EXPECT_EQ(std::get<GeneratedList>(requestFor({"--first=", "--second=0"}).input),
              (GeneratedList{DigitSet(), DigitSet(1)}));
}

TEST(ParseInput, ListFileWithAndWithoutRaw)
{
    EXPECT_EQ(std::get<ListFile>(requestFor({"--list", "-"}).input), (ListFile{"-", false}));
    EXPECT_EQ(std::get<ListFile>(requestFor({"--raw", "--list", "a b.txt"}).input),
              (ListFile{"a b.txt", true}));
}

// The parser ticks boxes; the values land in box order, as the window reads a row.
TEST(ParseConditions, KillRowsInBoxOrder)
{
    const FilterSettings settings =
        requestFor({"--banker", "83", "--kill-sum", "18,0,07", "--kill-tail", "50", "--kill-span",
                    "9", "--kill-road", "22,20,01"})
            .settings;
    EXPECT_EQ(settings.banker, DigitSet(0b01'0000'1000));
    EXPECT_EQ(settings.sums.values, (std::vector<long>{0, 7, 18}));
    EXPECT_EQ(settings.sumTails.values, (std::vector<long>{0, 5}));
    EXPECT_EQ(settings.spans.values, (std::vector<long>{9}));
    EXPECT_EQ(settings.roads.values, (std::vector<long>{1, 20, 22}));
}

TEST(ParseConditions, ModesAndTheSharedMixedPair)
{
    const FilterSettings settings =
        requestFor({"--parity", "奇偶", "--parity-mode", "kill", "--size-parity", "SO",
                    "--parity-size-mode", "杀", "--size", "小小", "--size-mode", "定"})
            .settings;
    EXPECT_EQ(settings.parity.ticked, (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(settings.parity.kill);
    EXPECT_FALSE(settings.paritySize.isActive());
    EXPECT_TRUE(settings.paritySize.kill); // one pair governs both mixed groups
    EXPECT_EQ(settings.sizeParity.ticked, (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(settings.sizeParity.kill);
    EXPECT_EQ(settings.size.ticked, (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(settings.size.kill);
}

TEST(ParseConditions, AsciiLettersInEitherCase)
{
    const FilterSettings settings = requestFor({"--parity", "eo,OE", "--size", "Bs"}).settings;
    EXPECT_EQ(settings.parity.ticked, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(settings.size.ticked, (std::vector<bool>{false, false, true, false}));
}

struct BadArgs {
    const char* name;
    Args args;
    std::string message;
};

class ParseRefused : public testing::TestWithParam<BadArgs> {};

TEST_P(ParseRefused, WithAMessageNamingOptionAndValue)
{
    EXPECT_EQ(usageErrorFor(GetParam().args), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ParseRefused,
    testing::Values(
        BadArgs{"UnknownOption", {"--kill-all"}, "unexpected argument \"--kill-all\""},
        BadArgs{"StrayArgument", {"05"}, "unexpected argument \"05\""},
        BadArgs{"DigitTwice", {"--first", "0120"}, "--first \"0120\": 0 is given twice"},
        BadArgs{"NotADigit",
                {"--second", "1,2"},
                "--second \"1,2\": expected digits 0 to 9, each at most once"},
        BadArgs{"TailLetter",
                {"--kill-tail", "x"},
                "--kill-tail \"x\": expected digits 0 to 9, each at most once"},
        BadArgs{"SumAbove18", {"--kill-sum", "3,19"}, "--kill-sum \"19\": too big (0 to 18)"},
        BadArgs{"NegativeSum",
                {"--kill-sum", "-1"},
                "--kill-sum \"-1\": expected a whole number from 0 to 18"},
        BadArgs{"SignedSum",
                {"--kill-sum", "+7"},
                "--kill-sum \"+7\": expected a whole number from 0 to 18"},
        BadArgs{"HugeSum",
                {"--kill-sum", "100000000000000000000018"},
                "--kill-sum \"100000000000000000000018\": too big (0 to 18)"},
        BadArgs{"SumTwice", {"--kill-sum", "7,07"}, "--kill-sum \"7,07\": 7 is given twice"},
        BadArgs{"EmptyItem",
                {"--kill-sum", "1,,2"},
                "--kill-sum \"1,,2\": an empty item between commas"},
        BadArgs{"TrailingComma",
                {"--kill-road=00,"},
                "--kill-road \"00,\": an empty item between commas"},
        BadArgs{"UnknownRoad",
                {"--kill-road", "03"},
                "--kill-road \"03\": expected one of 00 01 02 10 11 12 21 20 22"},
        BadArgs{"RoadWithoutZero",
                {"--kill-road", "1"},
                "--kill-road \"1\": expected one of 00 01 02 10 11 12 21 20 22"},
        BadArgs{"UnknownPattern",
                {"--parity", "XY"},
                "--parity \"XY\": expected one of 偶偶 偶奇 奇奇 奇偶 or EE EO OO OE"},
        BadArgs{"PatternOfOtherGroup",
                {"--parity-size", "BE"},
                "--parity-size \"BE\": expected one of 偶大 偶小 奇大 奇小 or EB ES OB OS"},
        BadArgs{"PatternTwice", {"--size", "BS,大小"}, "--size \"BS,大小\": 大小 is given twice"},
        BadArgs{
            "UnknownMode", {"--size-mode", "keep"}, "--size-mode \"keep\": expected fix or kill"},
        BadArgs{"ListWithFirst", {"--list", "f", "--first", "1"}, "--first excludes --list"},
        BadArgs{"RawWithoutList", {"--raw"}, "--raw requires --list"},
        BadArgs{
            "OptionTwice", {"--banker", "1", "--banker", "2"}, "--banker: given more than once"},
        BadArgs{
            "ListTwice", {"--kill-sum", "1", "--kill-sum=2"}, "--kill-sum: given more than once"},
        BadArgs{"MissingValue", {"--list"}, "--list: expected FILE after it"},
        BadArgs{"EmptyTolerance",
                {"--tolerance="},
                "--tolerance \"\": expected a whole number from 0 to 9"},
        BadArgs{"OctalLookingTolerance",
                {"--tolerance", "010"},
                "--tolerance \"010\": too big (0 to 9)"},
        BadArgs{"BlankBeforeTolerance",
                {"--tolerance", " 7"},
                "--tolerance \" 7\": expected a whole number from 0 to 9"},
        BadArgs{"NoLastDraws",
                {"--last", "0"},
                "--last \"0\": expected a whole number from 1 to 2147483647"},
        // Stray words in the order given, control characters shown as text.
        BadArgs{"StrayWordsInOrder", {"a", "b"}, "unexpected arguments \"a\" \"b\""},
        BadArgs{"LineBreakShownAsText", {"--size", "BB", "x\n"}, "unexpected argument \"x⏎\""}),
    test::ByName());

// A bad value gives way to --help, as it always has; a repeated option does not.
TEST(ParseRefused, HelpWinsOverABadValueOnly)
{
    EXPECT_TRUE(std::holds_alternative<InfoText>(parseCommandLine({"--kill-sum", "1,,2", "-h"})));
    EXPECT_TRUE(std::holds_alternative<InfoText>(parseCommandLine({"--size", "XY", "--help"})));
    EXPECT_EQ(usageErrorFor({"--size", "XY", "--first", "1", "--first", "2", "--help"}),
              "--first: given more than once");
}

// Every pattern spelling, ASCII letters in either case and mixed with the captions.
TEST(ParseConditions, LetterSpellingsTickTheirCaption)
{
    const FilterSettings defaults;
    const std::vector<std::pair<const char*, const PatternGroup FilterSettings::*>> groups = {
        {"--parity", &FilterSettings::parity},
        {"--parity-size", &FilterSettings::paritySize},
        {"--size-parity", &FilterSettings::sizeParity},
        {"--size", &FilterSettings::size}};
    const std::map<std::string, std::string> letters = {
        {"偶", "E"}, {"奇", "o"}, {"大", "B"}, {"小", "s"}};
    for (const auto& [option, member] : groups) {
        const auto& captions = (defaults.*member).captions;
        for (std::size_t box = 0; box < captions.size(); ++box) {
            const std::string first = captions[box].substr(0, 3), second = captions[box].substr(3);
            for (const std::string& spelling :
                 {letters.at(first) + letters.at(second), first + letters.at(second)}) {
                const FilterSettings settings = requestFor({option, spelling}).settings;
                std::vector<bool> ticked(captions.size());
                ticked[box] = true;
                EXPECT_EQ((settings.*member).ticked, ticked) << option << " " << spelling;
            }
        }
    }
}

TEST(ParseRefusedMessage, IsOneLineWhateverTheUserTyped)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--size", "BB", "rit\n"},
                                                 {"--kill-sum", "1\r\n2"},
                                                 {"--bogus\x01"},
                                                 {"--list"}}) {
        const std::string message = usageErrorFor(args);
        EXPECT_EQ(message.find_first_of("\r\n\x01"), std::string::npos) << message;
    }
}

TEST(ParseInfo, HelpGivesEveryOptionAnExampleInBothLanguages)
{
    for (const auto& [language, label] :
         {std::pair{Language::English, "Example: "}, std::pair{Language::Chinese, "例："}}) {
        const ParseResult parsed = parseCommandLine({"--help"}, language);
        ASSERT_TRUE(std::holds_alternative<InfoText>(parsed));
        const std::string& help = std::get<InfoText>(parsed).text;
        for (const char* option : {"--first",
                                   "--second",
                                   "--list",
                                   "--raw",
                                   "--json",
                                   "--banker",
                                   "--kill-sum",
                                   "--kill-tail",
                                   "--kill-span",
                                   "--kill-road",
                                   "--parity",
                                   "--parity-mode",
                                   "--parity-size",
                                   "--size-parity",
                                   "--parity-size-mode",
                                   "--size",
                                   "--size-mode",
                                   "--tolerance",
                                   "--history",
                                   "--last",
                                   "--stats",
                                   "--save-conditions",
                                   "--conditions"}) {
            const std::string example = label + std::string(option);
            const bool given = help.find(example + " ") != std::string::npos ||
                               help.find(example + "\n") != std::string::npos;
            EXPECT_TRUE(given || std::string(option) == "--raw") << option;
        }
        EXPECT_NE(help.find("--list box.txt --raw"), std::string::npos);
    }
    const std::string chinese =
        std::get<InfoText>(parseCommandLine({"--help"}, Language::Chinese)).text;
    EXPECT_NE(chinese.find("一位可以是哪些数字"), std::string::npos);
    EXPECT_EQ(chinese.find("Example"), std::string::npos);
}

std::size_t columnsOf(std::string_view text)
{
    std::size_t columns = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        columns += byte >= 0xE3 ? 2 : (byte & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

// help2man and an 80-column terminal read the same layout: a CJK character takes two columns,
// and every option's description starts beside it, at column 32. Chinese lines break between
// characters, and a closing mark may hang past the edge rather than start a line.
TEST(ParseInfo, HelpFitsEightyColumnsWithEachDescriptionBesideItsOption)
{
    for (const Language language : {Language::English, Language::Chinese}) {
        std::istringstream help(std::get<InfoText>(parseCommandLine({"--help"}, language)).text);
        for (std::string line; std::getline(help, line);) {
            EXPECT_LE(columnsOf(line), language == Language::English ? 80U : 82U) << line;
            if (line.starts_with("  -")) {
                const std::size_t description = line.find("  ", 2);
                ASSERT_NE(description, std::string::npos) << line;
                const std::size_t start = line.find_first_not_of(' ', description);
                EXPECT_EQ(columnsOf(std::string_view(line).substr(0, start)), 32U) << line;
            }
        }
    }
}

TEST(ParseInfo, VersionNamesProgramAndVersion)
{
    const ParseResult parsed = parseCommandLine({"--kill-sum", "3", "--version"});
    ASSERT_TRUE(std::holds_alternative<InfoText>(parsed));
    EXPECT_EQ(std::get<InfoText>(parsed).text, "shrink2d-cli " SHRINK2D_VERSION "\n");
}

} // namespace
