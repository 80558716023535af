#include "filtering/filter_pass.h"
#include "filtering/generation.h"
#include "filtering/version.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace shrink2d;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kPrompt = "请先组号然后再点击“过滤”";

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliProcess : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::path(testing::TempDir()) / ("cli-" + std::to_string(::getpid()) + "-" +
                                                test->test_suite_name() + "-" + test->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string writeFile(const std::string& name, const std::string& content) const
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    static std::string readFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the program with these arguments and this standard input; waits for it.
    CliRun run(const Args& args, const std::string& input = "") const
    {
        const std::string in = writeFile("stdin", input);
        const fs::path out = m_dir / "stdout";
        const fs::path err = m_dir / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<std::string> argvStrings{SHRINK2D_CLI_PATH};
        argvStrings.insert(argvStrings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        argv.reserve(argvStrings.size() + 1);
        for (std::string& arg : argvStrings) argv.push_back(arg.data());
        argv.push_back(nullptr);

        CliRun result;
        pid_t pid = 0;
        const int spawned =
            posix_spawn(&pid, SHRINK2D_CLI_PATH, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << SHRINK2D_CLI_PATH;
            return result;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.out = readFile(out);
        result.err = readFile(err);
        return result;
    }

    fs::path m_dir;
};

std::string hundredNumbersOneALine() { return test::hundredNumbers('\n'); }
using test::countLine;

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
    EXPECT_NE(plain.err.find(kPrompt), std::string::npos);

    const CliRun json = run({"--list", writeFile("blank.txt", " \r\n\u3000\n"), "--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\"numbers\": [], \"count\": 0}\n");
    EXPECT_NE(json.err.find(kPrompt), std::string::npos);
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

TEST_F(CliProcess, RawReadsTheSameFileAsOneUnreadableElement)
{
    const CliRun result = run({"--list", writeFile("numbers.txt", hundredNumbersOneALine()),
                               "--raw", "--kill-sum", "10"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("第 1 项"), std::string::npos);
    EXPECT_NE(result.err.find("00\\n01\\n"), std::string::npos);
}

TEST_F(CliProcess, RawAndSeparatedAgreeOnBoxText)
{
    const std::string file = writeFile("box.txt", "  05 17 7 123 ");
    const CliRun raw = run({"--list", file, "--raw", "--kill-span", "0"});
    EXPECT_EQ(raw.exitCode, 0);
    EXPECT_EQ(raw.out, "05 17 123 \n" + countLine(3) + "\n");
    EXPECT_EQ(run({"--list", file, "--kill-span", "0"}).out, raw.out);
}

TEST_F(CliProcess, StandardInputWithCrlfAndIdeographicSpaces)
{
    const CliRun result = run({"--list", "-", "--banker", "5"}, "05\r\n17\u300015\r\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "05 15 \n" + countLine(2) + "\n");
}

TEST_F(CliProcess, UnreadableElementStopsWithItsPosition)
{
    const CliRun result = run({"--list", "-"}, "05 x7\n17\n");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("第 2 项"), std::string::npos);
    EXPECT_NE(result.err.find("x7"), std::string::npos);

    const CliRun adjacentBlanks = run({"--list", "-", "--raw"}, "05  17 ");
    EXPECT_EQ(adjacentBlanks.exitCode, 3);
    EXPECT_NE(adjacentBlanks.err.find("第 2 项"), std::string::npos);
}

// Under a tolerance the banker digits are a group like the others: every element is classified.
TEST_F(CliProcess, ToleranceAndStatsStopAtAnyUnreadableElement)
{
    for (const Args& args : {Args{"--tolerance", "1"}, Args{"--stats"}}) {
        Args all{"--list", "-", "--banker", "9"};
        all.insert(all.end(), args.begin(), args.end());
        const CliRun result = run(all, "19 ab 99\n");
        EXPECT_EQ(result.exitCode, 3) << args[0];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("第 2 项"), std::string::npos) << result.err;
    }
}

TEST_F(CliProcess, HistoryCountsTheNumbersOfTheGeneratedList)
{
    const std::string draws = writeFile("draws.txt", "2026001 37\r\n# gap\r\n2026002,1,2\r\n");
    // 0 to 3 first and a sum of 10 killed: 40 numbers less 19, 28 and 37.
    const CliRun result =
        run({"--history", draws, "--first", "0123", "--kill-sum", "10", "--json", "--last", "1"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find(R"("summary":{"draws":1,"kept":1,"longest_miss_run":0,)"
                              R"("current_miss_run":0,"numbers_per_draw":37})"),
              std::string::npos)
        << result.out;
}

TEST_F(CliProcess, SavedConditionsReadBackGiveTheSameOutput)
{
    const Args conditions{"--banker",      "38",    "--kill-sum",         "18,0,7",
                          "--kill-road",   "22,01", "--parity",           "EE,奇偶",
                          "--parity-mode", "kill",  "--size-parity",      "SO",
                          "--tolerance",   "1",     "--parity-size-mode", "杀"};
    const CliRun typed = run(conditions);
    ASSERT_EQ(typed.exitCode, 0);

    const std::string file = (m_dir / "conditions.json").string();
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
};

class CliUsage : public CliProcess, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, ExitsTwoWithNothingOnStandardOutput)
{
    const CliRun result = run(GetParam().args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadRuns, CliUsage,
    testing::Values(
        UsageCase{"UnknownOption", {"--nope"}, "--nope"},
        UsageCase{"SumAbove18", {"--kill-sum", "19"}, "19"},
        UsageCase{
            "MissingFile", {"--list", "/nonexistent/numbers.txt"}, "/nonexistent/numbers.txt"},
        UsageCase{"DirectoryAsFile", {"--list", "/"}, "\"/\""},
        UsageCase{"ToleranceTen", {"--tolerance", "10"}, "--tolerance"},
        UsageCase{
            "MissingHistory", {"--history", "/nonexistent/draws.txt"}, "/nonexistent/draws.txt"},
        UsageCase{"HistoryOfAList", {"--history", "h", "--list", "l"}, "--history"},
        UsageCase{"LastWithoutHistory", {"--last", "3"}, "--history"},
        UsageCase{
            "MissingConditions", {"--conditions", "/nonexistent/c.json"}, "/nonexistent/c.json"},
        UsageCase{"SaveIntoMissingDirectory",
                  {"--save-conditions", "/nonexistent/c.json"},
                  "/nonexistent/c.json"}),
    test::ByName());

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

TEST_F(CliProcess, EvenBigAndBigEvenLeaveFourNumbers)
{
    EXPECT_EQ(run({"--parity-size", "偶大", "--size-parity", "大偶"}).out,
              "66 68 86 88 \n" + countLine(4) + "\n");
}

} // namespace
