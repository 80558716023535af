#include "cli/history.h"
#include "cli/reports.h"
#include "form/counts_json.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::cli;

std::vector<Draw> drawsOf(std::string_view content)
{
    auto read = readDraws(content, "--history h.txt", Language::English);
    if (const auto* refusal = std::get_if<HistoryRefusal>(&read)) {
        ADD_FAILURE() << refusal->message;
        return {};
    }
    return std::get<std::vector<Draw>>(read);
}

TEST(HistoryFile, ReadsEveryLineForm)
{
    const std::string content = "\xEF\xBB\xBF# past draws\r\n"
                                "37\r\n"
                                "2026001 45\n"
                                "\n"
                                "2026002,3,7\n"
                                "2026-01-05\t0 9\n"
                                "2026004;88\n"
                                " \t \n"
                                "3 1\n"
                                "2026005 周一, 12 \n"
                                "37 # note\n"
                                " \t# indented note\n"
                                "2026006\u30004\u30005\n"
                                "2026007，2，6；\n";
    EXPECT_EQ(drawsOf(content), (std::vector<Draw>{{2, "", 37},
                                                   {3, "2026001", 45},
                                                   {5, "2026002", 37},
                                                   {6, "2026-01-05", 9},
                                                   {7, "2026004", 88},
                                                   {9, "", 31},
                                                   {10, "2026005", 12},
                                                   {11, "", 37},
                                                   {13, "2026006", 45},
                                                   {14, "2026007", 26}}));
}

struct RefusedHistory {
    const char* name;
    std::string content;
    std::string message;
};

void PrintTo(const RefusedHistory& row, std::ostream* os) { *os << row.name; }

class HistoryRefused : public testing::TestWithParam<RefusedHistory> {};

TEST_P(HistoryRefused, NamesFileAndLine)
{
    auto read = readDraws(GetParam().content, "--history h.txt", Language::English);
    ASSERT_TRUE(std::holds_alternative<HistoryRefusal>(read));
    EXPECT_EQ(std::get<HistoryRefusal>(read).message, GetParam().message);
}

const std::string kForms =
    " (a line ends in a draw such as 37, 3 7 or 3,7, after an optional issue)";

INSTANTIATE_TEST_SUITE_P(
    Lines, HistoryRefused,
    testing::Values(
        RefusedHistory{"OneDigit", "37\n3\n",
                       "--history h.txt line 2: \"3\" holds no draw" + kForms},
        RefusedHistory{"ThreeDigits", "2026001 123\n",
                       "--history h.txt line 1: \"2026001 123\" holds no draw" + kForms},
        RefusedHistory{"WordAfterDraw", "2026001 3 7 x\r\n",
                       "--history h.txt line 1: \"2026001 3 7 x\" holds no draw" + kForms},
        RefusedHistory{"FullWidthDigits", "３７\n",
                       "--history h.txt line 1: \"３７\" holds no draw" + kForms},
        RefusedHistory{"SeparatorsOnly", ",;\n",
                       "--history h.txt line 1: \",;\" holds no draw" + kForms},
        RefusedHistory{"ControlCharacter", "#\n37\x01\n",
                       "--history h.txt line 2: \"37␁\" holds no draw" + kForms},
        RefusedHistory{"BinaryZero", std::string("37\0\n", 4),
                       "--history h.txt line 1: \"37␀\" holds no draw" + kForms},
        RefusedHistory{"DrawOnlyInComment", "2026001 # 37\n",
                       "--history h.txt line 1: \"2026001 # 37\" holds no draw" + kForms},
        RefusedHistory{"ThreeNumbers", "12 34 56\n",
                       "--history h.txt line 1: \"12 34 56\" does not read as one draw: 34 "
                       "stands between the issue 12 and the draw 56"},
        RefusedHistory{"DigitBeforeSplitDraw", "37\n2026001 1 2 3\n",
                       "--history h.txt line 2: \"2026001 1 2 3\" does not read as one draw: 1 "
                       "stands between the issue 2026001 and the draw 23"},
        RefusedHistory{"MalformedUtf8InComment", "37\n# \xFF\n",
                       "--history h.txt line 2: not UTF-8 text: \"# \xEF\xBF\xBD\""},
        RefusedHistory{"CommentsOnly", "# none yet\r\n  # nor here\r\n",
                       "--history h.txt: holds no draw"},
        RefusedHistory{"Empty", "", "--history h.txt: holds no draw"}),
    test::ByName());

constexpr std::string_view kFourDraws = "2026001 37\n2026002 55\n12\n2026004 00\n";

// Sum 10 and span 0 killed: 37 fails the sum, 55 both, 00 the span; 12 passes.
std::string whole(const HistoryReport& report, bool json)
{
    std::string text;
    const ReportSink collect = [&](std::string_view piece) {
        text += piece;
        return true;
    };
    EXPECT_TRUE(json ? writeHistoryJson(report, collect)
                     : writeHistoryText(report, collect, Language::English));
    return text;
}

HistoryReport reportOn(std::size_t tolerance)
{
    FilterSettings settings;
    settings.sums.values = {10};
    settings.spans.values = {0};
    return checkDraws(drawsOf("2026001 37\n2026002 55\n12\n2026004 00\n"), NumberSet().set(),
                      settings, tolerance, 99);
}

TEST(HistoryReport, CountsMissRunsWithoutTolerance)
{
    const HistoryReport report = reportOn(0);
    EXPECT_EQ(report.keptCount, 1U);
    EXPECT_EQ(report.longestMissRun, 2U);
    EXPECT_EQ(report.currentMissRun, 1U);
}

TEST(HistoryReport, TextListsRejectingGroupsEvenOfKeptDraws)
{
    EXPECT_EQ(whole(reportOn(1), false),
              "line  issue    draw  result  rejected by\n"
              "   1  2026001  37    kept    杀和值 (sum)\n"
              "   2  2026002  55    missed  杀和值 (sum), 杀跨度 (span)\n"
              "   3  -        12    kept\n"
              "   4  2026004  00    kept    杀跨度 (span)\n"
              "\n"
              "draws                      4\n"
              "kept                       3\n"
              "kept %                     75.0\n"
              "longest miss run           1\n"
              "current miss run           0\n"
              "rejected by 杀和值 (sum)   2\n"
              "rejected by 杀跨度 (span)  2\n"
              "numbers per draw           99\n");
}

HistoryReport outsideTheList()
{
    FilterSettings settings;
    settings.sums.values = {6, 9};
    return checkDraws(drawsOf("第1期 05\n第12期 15\n90\n"),
                      listedNumbers(test::digits({0, 1}), test::digits({5})), settings, 1, 2);
}

// Without --first/--second every number is listed; with them a draw the list lacks is missed
// whatever the tolerance.
TEST(HistoryReport, DrawOutsideTheListIsMissedFirstOfAll)
{
    const HistoryReport report = outsideTheList();
    EXPECT_EQ(whole(report, false), "line  issue   draw  result  rejected by\n"
                                    "   1  第1期   05    kept\n"
                                    "   2  第12期  15    kept    杀和值 (sum)\n"
                                    "   3  -       90    missed  not in the list, 杀和值 (sum)\n"
                                    "\n"
                                    "draws                     3\n"
                                    "kept                      2\n"
                                    "kept %                    66.7\n"
                                    "longest miss run          1\n"
                                    "current miss run          1\n"
                                    "rejected by 杀和值 (sum)  2\n"
                                    "numbers per draw          2\n");
    EXPECT_NE(whole(report, true)
                  .find(R"({"line":3,"issue":null,"number":"90","kept":false,)"
                        R"("rejected_by":["list","sum"]}],)"
                        R"("summary":{"draws":3,"kept":2,)"),
              std::string::npos);
}

// In Chinese the columns are as wide as their Chinese heads, and the groups go by caption alone.
TEST(HistoryReport, ChineseTextAlignsItsWideHeads)
{
    std::string text;
    writeHistoryText(
        outsideTheList(),
        [&](std::string_view piece) {
            text += piece;
            return true;
        },
        Language::Chinese);
    EXPECT_EQ(text, "行  期号    号码  结果  被哪些条件去掉\n"
                    " 1  第1期   05    中\n"
                    " 2  第12期  15    中    杀和值\n"
                    " 3  -       90    错    不在组号中、杀和值\n"
                    "\n"
                    "期数                     3\n"
                    "命中                     2\n"
                    "命中率 %                 66.7\n"
                    "最长连错                 1\n"
                    "当前连错                 1\n"
                    "杀和值去掉               2\n"
                    "每期注数                 2\n");
}

TEST(HistoryReport, JsonHasEveryGroupRow)
{
    EXPECT_EQ(
        whole(reportOn(1), true),
        R"({"draws":[{"line":1,"issue":"2026001","number":"37","kept":true,"rejected_by":["sum"]},)"
        R"({"line":2,"issue":"2026002","number":"55","kept":false,"rejected_by":["sum","span"]},)"
        R"({"line":3,"issue":null,"number":"12","kept":true,"rejected_by":[]},)"
        R"({"line":4,"issue":"2026004","number":"00","kept":true,"rejected_by":["span"]}],)"
        R"("summary":{"draws":4,"kept":3,"longest_miss_run":1,"current_miss_run":0,"numbers_per_draw":99},)"
        R"("rows":{"banker":0,"sum":2,"tail":0,"span":2,"road":0,"parity":0,"parity_size":0,)"
        R"("size_parity":0,"size":0,"prime":0,"tier":0,"shape":0,"numbers":0}})"
        "\n");
}

TEST(StatsReport, ActiveGroupsInTextEveryGroupInJson)
{
    GroupStats stats;
    stats.rejectedBy = {0, 9, 0, 10, 0, 0, 0, 0, 0};
    stats.in = 100;
    stats.out = 81;
    GroupMask active;
    active.set(1).set(3);
    EXPECT_EQ(statsText(stats, active, Language::English), "rejected by 杀和值 (sum)   9\n"
                                                           "rejected by 杀跨度 (span)  10\n"
                                                           "in                         100\n"
                                                           "out                        81\n");
    EXPECT_EQ(
        form::statsJson(stats),
        R"({"rows":{"banker":0,"sum":9,"tail":0,"span":10,"road":0,"parity":0,)"
        R"("parity_size":0,"size_parity":0,"size":0,"prime":0,"tier":0,"shape":0,"numbers":0},)"
        R"("in":100,"out":81})"
        "\n");
}

} // namespace
