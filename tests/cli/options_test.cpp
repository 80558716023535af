#include "cli/options.h"
#include "filtering/version.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
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
    EXPECT_EQ(settings.parity.ticked, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_TRUE(settings.parity.kill);
    EXPECT_FALSE(settings.paritySize.isActive());
    EXPECT_TRUE(settings.paritySize.kill); // one pair governs both mixed groups
    EXPECT_EQ(settings.sizeParity.ticked, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_TRUE(settings.sizeParity.kill);
    EXPECT_EQ(settings.size.ticked, (std::array<bool, 4>{false, true, false, false}));
    EXPECT_FALSE(settings.size.kill);
}

TEST(ParseConditions, AsciiLettersInEitherCase)
{
    const FilterSettings settings = requestFor({"--parity", "eo,OE", "--size", "Bs"}).settings;
    EXPECT_EQ(settings.parity.ticked, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(settings.size.ticked, (std::array<bool, 4>{false, false, true, false}));
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
        BadArgs{"DigitTwice", {"--first", "0120"}, "--first: the digit 0 is given twice"},
        BadArgs{"NotADigit",
                {"--second", "1,2"},
                "--second: \"1,2\" may hold only the digits 0 to 9, each at most once"},
        BadArgs{"TailLetter",
                {"--kill-tail", "x"},
                "--kill-tail: \"x\" may hold only the digits 0 to 9, each at most once"},
        BadArgs{"SumAbove18", {"--kill-sum", "3,19"}, "--kill-sum: Value 19 not in range 0 to 18"},
        BadArgs{"NegativeSum", {"--kill-sum", "-1"}, "--kill-sum: Value -1 not in range 0 to 18"},
        BadArgs{"SignedSum", {"--kill-sum", "+7"}, "--kill-sum: Value +7 not in range 0 to 18"},
        BadArgs{"HugeSum",
                {"--kill-sum", "100000000000000000000018"},
                "--kill-sum: Value 100000000000000000000018 not in range 0 to 18"},
        BadArgs{"SumTwice", {"--kill-sum", "7,07"}, "--kill-sum: the sum 7 is given twice"},
        BadArgs{"EmptyItem",
                {"--kill-sum", "1,,2"},
                "--kill-sum: \"1,,2\" has an empty item between commas"},
        BadArgs{"TrailingComma",
                {"--kill-road=00,"},
                "--kill-road: \"00,\" has an empty item between commas"},
        BadArgs{"UnknownRoad",
                {"--kill-road", "03"},
                "--kill-road: 03 not in {00,01,02,10,11,12,21,20,22}"},
        BadArgs{"RoadWithoutZero",
                {"--kill-road", "1"},
                "--kill-road: 1 not in {00,01,02,10,11,12,21,20,22}"},
        BadArgs{"UnknownPattern", {"--parity", "XY"}, "--parity: XY not in {偶偶,偶奇,奇奇,奇偶}"},
        BadArgs{"PatternOfOtherGroup",
                {"--parity-size", "BE"},
                "--parity-size: BE not in {偶大,偶小,奇大,奇小}"},
        BadArgs{"PatternTwice", {"--size", "BS,大小"}, "--size: the pattern 大小 is given twice"},
        BadArgs{"UnknownMode",
                {"--size-mode", "keep"},
                "--size-mode: \"keep\" is not a mode; use fix or kill"},
        BadArgs{"ListWithFirst", {"--list", "f", "--first", "1"}, "--first excludes --list"},
        BadArgs{"RawWithoutList", {"--raw"}, "--raw requires --list"},
        BadArgs{"OptionTwice",
                {"--banker", "1", "--banker", "2"},
                "--banker: At Most 1 required but received 2"},
        BadArgs{"ListTwice",
                {"--kill-sum", "1", "--kill-sum=2"},
                "--kill-sum: At Most 1 required but received 2"},
        BadArgs{"MissingValue", {"--list"}, "--list: 1 required FILE missing"},
        // Stray words in the order given, control characters shown as text.
        BadArgs{"StrayWordsInOrder", {"a", "b"}, "unexpected arguments \"a\" \"b\""},
        BadArgs{"LineBreakShownAsText", {"--size", "BB", "x\n"}, "unexpected argument \"x\\n\""}),
    test::ByName());

// A bad value gives way to --help, as it always has; a repeated option does not.
TEST(ParseRefused, HelpWinsOverABadValueOnly)
{
    EXPECT_TRUE(std::holds_alternative<InfoText>(parseCommandLine({"--kill-sum", "1,,2", "-h"})));
    EXPECT_TRUE(std::holds_alternative<InfoText>(parseCommandLine({"--size", "XY", "--help"})));
    EXPECT_EQ(usageErrorFor({"--size", "XY", "--first", "1", "--first", "2", "--help"}),
              "--first: At Most 1 required but received 2");
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
                std::array<bool, 4> ticked{};
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

TEST(ParseInfo, HelpGivesEveryOptionAnExample)
{
    const ParseResult parsed = parseCommandLine({"--help"});
    ASSERT_TRUE(std::holds_alternative<InfoText>(parsed));
    const std::string& help = std::get<InfoText>(parsed).text;
    for (const char* option :
         {"--first",  "--second",          "--list",        "--raw",         "--json",
          "--banker", "--kill-sum",        "--kill-tail",   "--kill-span",   "--kill-road",
          "--parity", "--parity-mode",     "--parity-size", "--size-parity", "--parity-size-mode",
          "--size",   "--size-mode",       "--tolerance",   "--history",     "--last",
          "--stats",  "--save-conditions", "--conditions"}) {
        const std::string example = std::string("Example: ") + option;
        const bool given = help.find(example + " ") != std::string::npos ||
                           help.find(example + "\n") != std::string::npos;
        EXPECT_TRUE(given || std::string(option) == "--raw") << option;
    }
    EXPECT_NE(help.find("--list box.txt --raw"), std::string::npos);
}

TEST(ParseInfo, VersionNamesProgramAndVersion)
{
    const ParseResult parsed = parseCommandLine({"--kill-sum", "3", "--version"});
    ASSERT_TRUE(std::holds_alternative<InfoText>(parsed));
    EXPECT_EQ(std::get<InfoText>(parsed).text, "shrink2d-cli " SHRINK2D_VERSION "\n");
}

} // namespace
