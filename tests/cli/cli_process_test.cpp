#include "filtering/filter_pass.h"
#include "filtering/generation.h"
#include "filtering/version.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include "cli_process.h"
#include "player_inputs.h"

#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::test;

std::string hundredNumbersOneALine() { return test::hundredNumbers('\n'); }
using test::countLine;
using test::PrintTo;

TEST_F(CliProcess, DefaultRunPrintsTheHundredNumbersAndTheCountLine)
{
    const CliRun result = run({});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              generateCandidates(DigitSet(0x3FF), DigitSet(0x3FF)) + "\n" + countLine(100) + "\n");
    EXPECT_EQ(result.out.substr(0, 9), "00 01 02 ");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliProcess, JsonListsTheSurvivorsAndTheirCount)
{
    const CliRun result = run({"--first", "6", "--second", "864", "--json", "--kill-sum", "10"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "{\"numbers\": [\"66\", \"68\"], \"count\": 2}\n");
}

TEST_F(CliProcess, EmptyListWarnsThenPrintsTheEmptyResult)
{
    const CliRun plain = run({"--first", ""});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "\n" + countLine(0) + "\n");
    EXPECT_EQ(plain.err, "shrink2d-cli: the list holds no numbers\n");

    const CliRun json =
        runInChinese({"--list", writeFile("blank.txt", " \r\n\u3000,\n"), "--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"numbers\": [], \"count\": 0}\n");
    EXPECT_EQ(json.err, "shrink2d-cli: 列表中没有号码\n");
}

// The box's own rule: blanks alone are not the empty text, so no message, but no element either.
TEST_F(CliProcess, RawBlanksAloneGiveNoMessageAndCountZero)
{
    const CliRun result = run({"--list", writeFile("blanks.txt", "   "), "--raw"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "\n" + countLine(0) + "\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CliProcess, FileOfOneNumberALineFiltersLikeTheGeneratedList)
{
    const std::string file = writeFile("numbers.txt", hundredNumbersOneALine());
    const CliRun fromFile = run({"--list", file, "--kill-sum", "10"});
    EXPECT_EQ(fromFile.exitCode, 0);
    EXPECT_EQ(fromFile.out, run({"--kill-sum", "10"}).out);
    EXPECT_NE(fromFile.out.find(countLine(91)), std::string::npos);
}

// In the box's own rule a column is one element; the pass stops at it, and the message shows
// its line breaks as a reader sees them.
TEST_F(CliProcess, RawReadsAColumnAsOneUnreadableElement)
{
    const CliRun result = runInChinese({"--list", "-", "--raw"}, "12\n34\n56");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("shrink2d-cli: 第 1 项 “12⏎34⏎56” 不是两位数字的号码", 0), 0U)
        << result.err;
}

// A list file holds two digits a number: what the result box would read leniently stops there,
// saying what to write instead.
TEST_F(CliProcess, ListFileHoldsTwoDigitsANumber)
{
    const std::string file = writeFile("box.txt", "  05 17 7 123 ");
    const CliRun raw = run({"--list", file, "--raw", "--kill-span", "0"});
    EXPECT_EQ(raw.exitCode, 0);
    EXPECT_EQ(raw.out, "05 17 123 \n" + countLine(3) + "\n");
    const CliRun strict = runInChinese({"--list", file, "--kill-span", "0"});
    EXPECT_EQ(strict.exitCode, 3);
    EXPECT_EQ(strict.out, "");
    EXPECT_EQ(strict.err, "shrink2d-cli: 第 3 项 “7” 只有一位数字：请在前面补 0，写成 07。\n");
}

TEST_F(CliProcess, StandardInputWithCrlfAndIdeographicSpaces)
{
    const CliRun result = run({"--list", "-", "--banker", "5"}, "05\r\n17\u300015\r\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "05 15 \n" + countLine(2) + "\n");
}

// Standard input is read as bytes: a Ctrl-Z (0x1A) does not end it, and CRLF stays a separator.
TEST_F(CliProcess, StandardInputReadsPastControlZ)
{
    const CliRun result = run({"--list", "-"}, "05\r\n\x1a\r\n15\r\n");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("element 2 \"␚\""), std::string::npos) << result.err;
}

TEST_F(CliProcess, UnreadableElementStopsWithItsPosition)
{
    const CliRun result = run({"--list", "-"}, "05 x7\n17\n");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "shrink2d-cli: element 2 \"x7\" is not a two-digit number; filtering "
                          "stopped.\nThe list may hold only two-digit numbers (00 to 99) "
                          "separated by blanks, line breaks or commas.\n");

    const CliRun adjacentBlanks = run({"--list", "-", "--raw"}, "05  17 ");
    EXPECT_EQ(adjacentBlanks.exitCode, 3);
    EXPECT_NE(adjacentBlanks.err.find("element 2 (empty: two blanks in a row)"), std::string::npos);
}

// Under a tolerance the banker digits are a group like the others: every element is classified.
TEST_F(CliProcess, ToleranceAndStatsStopAtAnyUnreadableElement)
{
    for (const Args& args : {Args{"--tolerance", "1"}, Args{"--stats"}}) {
        Args all{"--list", "-", "--raw", "--banker", "9"};
        all.insert(all.end(), args.begin(), args.end());
        const CliRun result = run(all, "19 ab 99\n");
        EXPECT_EQ(result.exitCode, 3) << args[0];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("element 2"), std::string::npos) << result.err;
    }
}

// "> out.json" makes out.json before the program starts: saving there would replace the output.
TEST_F(CliProcess, SavingOverItsOwnOutputIsRefused)
{
    const std::string out = utf8Of(m_dir / "out.json");
    const CliRun result = run({"--kill-sum", "3", "--save-conditions", out}, "", out);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(readFile(m_dir / "out.json"), "");
    EXPECT_EQ(result.err, "shrink2d-cli: --save-conditions " + out +
                              ": the same file as standard output, which saving would "
                              "overwrite; choose another name\n");
}

// A Chinese player reads no English word: only the options and the file names typed.
TEST_F(CliProcess, ChineseMessagesHoldNoEnglishWord)
{
    const std::string binary = writeFile("a.png", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    const std::string words = writeFile("d.txt", "2026001 37\nhello world\n");
    const std::string json = writeFile("c.json", "{\"version\": 1, \"kill-sum\": [3,]}");
    const std::string key = writeFile("k.json", "{\"version\": 1, \"sums\": [3]}");
    for (const Args& args :
         {Args{"--list", "missing.txt"}, Args{"--kill-sum", "19"}, Args{"--nope"}, Args{"--raw"},
          Args{"--list", "a", "--first", "1"}, Args{"--json=maybe"},
          Args{"--first", "1", "--first", "2"}, Args{"--list"}, Args{"--parity", "XY"},
          Args{"--size-mode", "maybe"}, Args{"--history", words}, Args{"--conditions", json},
          Args{"--conditions", key}, Args{"--list", binary}, Args{"--save-conditions", "-"},
          Args{"--list", utf8Of(m_dir)}, Args{"--tolerance", "1x"}}) {
        const CliRun result = runInChinese(args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        // What the player wrote is quoted or named as written, and what he may write is spelled
        // as he writes it (pattern letters, fix and kill); the rest is the program's.
        static const std::regex programs(
            R"re(“[^”]*”|shrink2d-cli|--[a-z-]+|UTF-8|\b[EOBS]{2}\b|\bfix\b|\bkill\b)re");
        std::string err = std::regex_replace(result.err, programs, "");
        for (const std::string& typed : args) {
            for (std::size_t at = err.find(typed); typed.size() > 1 && at != std::string::npos;
                 at = err.find(typed)) {
                err.erase(at, typed.size());
            }
        }
        EXPECT_FALSE(std::regex_search(err, std::regex("[A-Za-z]{2,}"))) << result.err;
    }
}

// The lists players write, as files: the table the list reader's tests and the page's read too.
TEST_F(CliProcess, PlayersListFilesReadAsTheyMeantThem)
{
    for (const PlayerInput& input : playerInputs()) {
        const CliRun result = run({"--list", writeFile("list.txt", input.bytes)});
        if (input.list) {
            EXPECT_EQ(result.exitCode, 0) << input.name << result.err;
            EXPECT_EQ(result.out, *input.list + "\n" +
                                      countLine(static_cast<long>(input.list->size() / 3)) + "\n")
                << input.name;
        } else if (input.refused) {
            EXPECT_EQ(result.exitCode, 2) << input.name;
            EXPECT_NE(result.err.find("not a text file"), std::string::npos) << input.name;
        } else {
            EXPECT_EQ(result.exitCode, 3) << input.name;
            EXPECT_NE(result.err.find("element " + std::to_string(input.stopsAt) + " \"" +
                                      input.element + "\""),
                      std::string::npos)
                << input.name << result.err;
        }
    }
}

TEST_F(CliProcess, HistoryCountsTheNumbersOfTheGeneratedList)
{
    const std::string draws = writeFile("开奖.txt", "2026001 37\r\n# gap\r\n2026002,1,2\r\n");
    // 0 to 3 first and a sum of 10 killed: 40 numbers less 19, 28 and 37.
    const CliRun result =
        run({"--history", draws, "--first", "0123", "--kill-sum", "10", "--json", "--last", "1"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find(R"("summary":{"draws":1,"kept":1,"longest_miss_run":0,)"
                              R"("current_miss_run":0,"numbers_per_draw":37})"),
              std::string::npos)
        << result.out;
}

// 01 first and 5 second leave 05 and 15: a draw outside them is missed whatever the tolerance.
TEST_F(CliProcess, HistoryMissesDrawsOutsideTheGeneratedList)
{
    const std::string draws = writeFile("draws.txt", "90\n27\n15\n");
    const CliRun result = run({"--history", draws, "--first", "01", "--second", "5", "--json",
                               "--tolerance", "9", "--kill-sum", "9"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find(R"({"line":1,"issue":null,"number":"90","kept":false,)"
                              R"("rejected_by":["list","sum"]})"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(R"("summary":{"draws":3,"kept":1,)"), std::string::npos);
}

TEST_F(CliProcess, SavedConditionsReadBackGiveTheSameOutput)
{
    const Args conditions{"--banker",      "38",    "--kill-sum",         "18,0,7",
                          "--kill-road",   "22,01", "--parity",           "EE,奇偶",
                          "--parity-mode", "kill",  "--size-parity",      "SO",
                          "--tolerance",   "1",     "--parity-size-mode", "杀"};
    const CliRun typed = run(conditions);
    ASSERT_EQ(typed.exitCode, 0);

    const std::string file = utf8Of(m_dir / pathOf("条件.json"));
    Args saving = conditions;
    saving.insert(saving.end(), {"--save-conditions", file});
    const CliRun saved = run(saving);
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(saved.out, typed.out);

    const CliRun read = run({"--conditions", file});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, typed.out);

    const CliRun twice = run({"--conditions", file, "--kill-sum", "3"});
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_EQ(twice.out, "");
    EXPECT_NE(twice.err.find("--kill-sum"), std::string::npos);
}

struct UsageCase {
    const char* name;
    Args args;
    std::string named;
    std::optional<bool> helpHint; // follows a mistake on the command line, not a file's problem
};

class CliUsage : public CliProcess, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, ExitsTwoWithNothingOnStandardOutput)
{
    const CliRun result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
    if (GetParam().helpHint) {
        EXPECT_EQ(result.err.ends_with(kHelpHint), *GetParam().helpHint);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadRuns, CliUsage,
    testing::Values(
        UsageCase{"UnknownOption", {"--nope"}, "--nope", true},
        UsageCase{"SumAbove18", {"--kill-sum", "19"}, "19", true},
        UsageCase{"MissingFile",
                  {"--list", "/nonexistent/numbers.txt"},
                  "shrink2d-cli: --list /nonexistent/numbers.txt: cannot be read: no such file or "
                  "directory; check the name and the folder\n",
                  false},
        UsageCase{"DirectoryAsFile", {"--list", "/"}, "--list /: cannot be read: ", false},
        UsageCase{"EmptyFileName", {"--list", ""}, "--list \"\": cannot be read: ", false},
        UsageCase{"ToleranceTen", {"--tolerance", "10"}, "--tolerance", true},
        UsageCase{"MissingHistory",
                  {"--history", "/nonexistent/draws.txt"},
                  "--history /nonexistent/draws.txt: cannot be read: ",
                  false},
        UsageCase{"HistoryOfAList", {"--history", "h", "--list", "l"}, "--history", true},
        UsageCase{"LastWithoutHistory", {"--last", "3"}, "--history", true},
        UsageCase{"MissingConditions",
                  {"--conditions", "/nonexistent/c.json"},
                  "/nonexistent/c.json",
                  std::nullopt},
        UsageCase{"ConditionsAndListFromStandardInput",
                  {"--conditions", "-", "--list", "-"},
                  "shrink2d-cli: --list \"-\": standard input is already read by --conditions\n",
                  true},
        UsageCase{"HistoryAndConditionsFromStandardInput",
                  {"--history", "-", "--conditions", "-"},
                  "--history \"-\": standard input is already read by --conditions\n",
                  true},
        UsageCase{"SaveToStandardOutput",
                  {"--save-conditions", "-"},
                  "shrink2d-cli: --save-conditions \"-\": conditions are saved to a file, not to "
                  "standard output\n",
                  true},
        UsageCase{"SaveOverADirectory",
                  {"--save-conditions", "/"},
                  "shrink2d-cli: --save-conditions /: a directory, not a regular file\n",
                  false},
        UsageCase{"SaveIntoMissingDirectory",
                  {"--save-conditions", "/nonexistent/c.json"},
                  "shrink2d-cli: --save-conditions /nonexistent/c.json: cannot be written: no "
                  "such file or directory; check the name and the folder\n",
                  false}),
    test::ByName());

TEST_P(CliSave, WritesOnlyARegularFileThatNoInputIs)
{
    writeFiles();
    runAndCheck();
}

INSTANTIATE_TEST_SUITE_P(
    Targets, CliSave,
    testing::Values(
        SaveCase{"OverTheList",
                 {"--list", "@l.txt", "--save-conditions", "@l.txt", "--kill-span", "0"},
                 2,
                 "shrink2d-cli: --save-conditions @l.txt: the same file as --list @l.txt, which "
                 "saving would overwrite\n" +
                     kHelpHint},
        SaveCase{"OverTheHistory",
                 {"--history", "@d.txt", "--save-conditions", "@d.txt"},
                 2,
                 "shrink2d-cli: --save-conditions @d.txt: the same file as --history @d.txt, "
                 "which saving would overwrite\n" +
                     kHelpHint},
        SaveCase{"OverRedirectedStandardInput",
                 {"--list", "-", "--save-conditions", "@stdin"},
                 2,
                 "shrink2d-cli: --save-conditions @stdin: the same file as --list standard "
                 "input, which saving would overwrite\n" +
                     kHelpHint},
        SaveCase{"AfterAMissingList",
                 {"--list", "@missing.txt", "--save-conditions", "@new.json"},
                 2,
                 "shrink2d-cli: --list @missing.txt: cannot be read: no such file or directory; "
                 "check the name and the folder\n"},
        SaveCase{"AfterAStoppedPass",
                 {"--list", "@bad.txt", "--save-conditions", "@new.json"},
                 3,
                 "shrink2d-cli: element 2 \"x7\" is not a two-digit number; filtering stopped.\n"
                 "The list may hold only two-digit numbers (00 to 99) separated by blanks, line "
                 "breaks or commas.\n"},
        SaveCase{"NewFile", {"--save-conditions", "@new.json"}, 0, "", "new.json"},
        SaveCase{"OverAChineseNamedList",
                 {"--list", "@号码.txt", "--save-conditions", "@号码.txt"},
                 2,
                 "shrink2d-cli: --save-conditions @号码.txt: the same file as --list @号码.txt, "
                 "which saving would overwrite\n" +
                     kHelpHint},
        SaveCase{"NewChineseNamedFile",
                 {"--list", "@号码.txt", "--save-conditions", "@条件.json"},
                 0,
                 "",
                 "条件.json"},
        SaveCase{"OverTheConditionsRead",
                 {"--conditions", "@c.json", "--save-conditions", "@c.json", "--banker", "5"},
                 0,
                 "",
                 "c.json"}),
    test::ByName());

// A reader that goes away (| head) ends the program quietly, with the status of SIGPIPE.
TEST_F(CliProcess, ClosedPipeEndsTheProgramQuietly)
{
    const CliRun closed = run({"--first", "0"}, "", "", true);
    EXPECT_EQ(closed.exitCode, 128 + 13);
    EXPECT_EQ(closed.err, "");
}

TEST_F(CliProcess, HelpAndVersionExitZero)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--kill-road"), std::string::npos);
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "shrink2d-cli " SHRINK2D_VERSION "\n");
}

// The program against the core on the hundred generated numbers, settings built by hand.
struct AgreementCase {
    const char* name;
    Args args;
    std::function<void(FilterSettings&)> tick;
    int count;
};

class CliAgreesWithCore : public CliProcess, public testing::WithParamInterface<AgreementCase> {};

TEST_P(CliAgreesWithCore, OnTheHundredNumbers)
{
    FilterSettings settings;
    GetParam().tick(settings);
    const PassOutcome core =
        runFilterPass(generateCandidates(DigitSet(0x3FF), DigitSet(0x3FF)), settings);
    ASSERT_EQ(core.countLine, countLine(GetParam().count));

    const CliRun result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, core.listText + "\n" + *core.countLine + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, CliAgreesWithCore,
    testing::Values(AgreementCase{"NothingTicked", {}, [](FilterSettings&) {}, 100},
                    AgreementCase{"Sum10Killed",
                                  {"--kill-sum", "10"},
                                  [](FilterSettings& s) { s.sums.values = {10}; },
                                  91},
                    AgreementCase{"Tail0Killed",
                                  {"--kill-tail", "0"},
                                  [](FilterSettings& s) { s.sumTails.values = {0}; },
                                  90},
                    AgreementCase{"Span0Killed",
                                  {"--kill-span", "0"},
                                  [](FilterSettings& s) { s.spans.values = {0}; },
                                  90},
                    AgreementCase{"Road01Killed",
                                  {"--kill-road", "01"},
                                  [](FilterSettings& s) { s.roads.values = {1}; },
                                  88},
                    AgreementCase{"EvenEvenFixed",
                                  {"--parity", "偶偶"},
                                  [](FilterSettings& s) { s.parity.ticked[0] = true; },
                                  25},
                    AgreementCase{"EvenEvenKilled",
                                  {"--parity", "偶偶", "--parity-mode", "kill"},
                                  [](FilterSettings& s) {
                                      s.parity.ticked[0] = true;
                                      s.parity.kill = true;
                                  },
                                  75},
                    AgreementCase{"EvenBigAloneFixed",
                                  {"--parity-size", "偶大"},
                                  [](FilterSettings& s) { s.paritySize.ticked[0] = true; },
                                  25},
                    AgreementCase{"EvenBigAndBigEvenFixed",
                                  {"--parity-size", "偶大", "--size-parity", "大偶"},
                                  [](FilterSettings& s) {
                                      s.paritySize.ticked[0] = true;
                                      s.sizeParity.ticked[0] = true;
                                  },
                                  4},
                    AgreementCase{"AllSizesFixed",
                                  {"--size", "大大,小小,大小,小大"},
                                  [](FilterSettings& s) {
                                      s.size.ticked = {true, true, true, true};
                                  },
                                  100},
                    AgreementCase{"AllSizesKilled",
                                  {"--size", "大大,小小,大小,小大", "--size-mode", "kill"},
                                  [](FilterSettings& s) {
                                      s.size.ticked = {true, true, true, true};
                                      s.size.kill = true;
                                  },
                                  0}),
    test::ByName());

// The groups beyond the window's rows on the hundred numbers, counts worked out by hand: 质 is
// 1 2 3 5 7, five digits of ten; 中 is 3 to 6, four; 升 has the first digit below the second,
// (100 - 10) / 2 numbers.
struct CountCase {
    const char* name;
    Args args;
    int count;
};

class CliCounts : public CliProcess, public testing::WithParamInterface<CountCase> {};

TEST_P(CliCounts, LeaveWhatWasWorkedOutByHand)
{
    const CliRun result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 0);
    const std::size_t lineEnd = result.out.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_EQ(result.out.substr(lineEnd + 1), countLine(GetParam().count) + "\n");
    EXPECT_EQ(lineEnd, 3U * static_cast<std::size_t>(GetParam().count));
}

INSTANTIATE_TEST_SUITE_P(
    Groups, CliCounts,
    testing::Values(CountCase{"PrimePrimeFixed", {"--prime", "质质"}, 25},
                    CountCase{"PrimePrimeKilled", {"--prime", "PP", "--prime-mode", "kill"}, 75},
                    CountCase{"MiddleMiddleFixed", {"--tier", "中中"}, 16},
                    CountCase{"MiddleMiddleKilled", {"--tier", "mm", "--tier-mode", "杀"}, 84},
                    CountCase{"RisingFixed", {"--shape", "升"}, 45},
                    CountCase{"RisingKilled", {"--shape", "u", "--shape-mode", "kill"}, 55},
                    CountCase{"KillNumbers", {"--kill-numbers", "05,17,99"}, 97},
                    // As players type them: full-width commas, blanks, twice the same number.
                    CountCase{"KillNumbersAsTyped", {"--kill-numbers", "05，17 99、05"}, 97}),
    test::ByName());

TEST_F(CliProcess, EvenBigAndBigEvenLeaveFourNumbers)
{
    EXPECT_EQ(run({"--parity-size", "偶大", "--size-parity", "大偶"}).out,
              "66 68 86 88 \n" + countLine(4) + "\n");
}

} // namespace
