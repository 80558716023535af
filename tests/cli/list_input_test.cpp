#include "cli/list_input.h"
#include "player_inputs.h"
#include "process_runner.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using shrink2d::cli::listTextFromContent;

struct SeparatedCase {
    const char* name;
    std::string content;
    std::string listText;
};

class ListFileSeparated : public testing::TestWithParam<SeparatedCase> {};

TEST_P(ListFileSeparated, BecomesOneBlankAfterEachNumber)
{
    EXPECT_EQ(listTextFromContent(GetParam().content, false), GetParam().listText);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, ListFileSeparated,
    testing::Values(SeparatedCase{"OneALineFinalNewline", "05\n17\n99\n", "05 17 99 "},
                    SeparatedCase{"NoFinalNewline", "05\n17", "05 17 "},
                    SeparatedCase{"Crlf", "05\r\n17\r\n", "05 17 "},
                    SeparatedCase{"LoneCr", "05\r17\r", "05 17 "},
                    SeparatedCase{"TabsAndBlankRuns", "\t 05  \t17 \n\n", "05 17 "},
                    SeparatedCase{"IdeographicSpace", "05\u300017\u3000\u3000", "05 17 "},
                    SeparatedCase{"Empty", "", ""},
                    SeparatedCase{"SeparatorsAlone", " \r\n\t\u3000\n", ""},
                    // Only the listed separators split: other spaces stay inside and make the
                    // element unclassifiable, as they would in the result box.
                    SeparatedCase{"NoBreakSpaceStays", "05\u00A017\n", "05\u00A017 "},
                    SeparatedCase{"CutIdeographicSpaceStays", "05\xE3\x80", "05\xE3\x80 "},
                    SeparatedCase{"ElementsKeptWhole", "123\n7\nx5\n", "123 7 x5 "}),
    shrink2d::test::ByName());

TEST(ListFileRaw, KeepsTheTextAsItIs)
{
    EXPECT_EQ(listTextFromContent("05\n17  99\t", true), "05\n17  99\t");
    EXPECT_EQ(listTextFromContent("   ", true), "   ");
}

TEST(FileText, DropsOnlyALeadingByteOrderMark)
{
    EXPECT_EQ(shrink2d::cli::textOfContent("05 \xEF\xBB\xBF"), "05 \xEF\xBB\xBF");
    EXPECT_EQ(shrink2d::cli::textOfContent("\xEF\xBB\xBF\xEF\xBB\xBF"), "\xEF\xBB\xBF");
    // A mark that promises UTF-8 before bytes that are not is no text.
    EXPECT_EQ(shrink2d::cli::textOfContent("\xEF\xBB\xBF\xA1\xA1"), std::nullopt);
}

using shrink2d::test::PlayerInput;

class PlayerFile : public testing::TestWithParam<PlayerInput> {};

// As the command line reads a list file: decoded, separated, then held to two digits a number.
TEST_P(PlayerFile, ReadsAsThePlayerMeantIt)
{
    using namespace shrink2d;
    const PlayerInput& input = GetParam();
    const std::optional<std::string> text = cli::textOfContent(input.bytes);
    ASSERT_EQ(text.has_value(), !input.refused);
    if (input.refused) return;
    const std::string list = listTextFromContent(*text, false);
    const std::optional<std::string> problem = cli::strictListProblem(list, Language::English);
    if (input.list) {
        EXPECT_EQ(list, *input.list);
        EXPECT_EQ(problem, std::nullopt);
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->rfind(
                  "element " + std::to_string(input.stopsAt) + " \"" + input.element + "\"", 0),
              0U)
        << *problem;
}

INSTANTIATE_TEST_SUITE_P(Inputs, PlayerFile, testing::ValuesIn(shrink2d::test::playerInputs()),
                         shrink2d::test::ByName());

} // namespace

namespace {

using shrink2d::cli::ReadFailure;
using shrink2d::cli::readWholeFile;

std::string failureOf(const shrink2d::cli::ReadResult& result)
{
    const auto* failure = std::get_if<ReadFailure>(&result);
    return failure == nullptr ? "(read)" : failure->message;
}

// A file's size is known before reading (a device's only by reading it, which the POSIX process
// tests try on /dev/zero): it stops at the cap.
TEST(ListFileSize, TakesUpToTheCapAndRefusesMore)
{
    const std::string path =
        testing::TempDir() + "list-cap-" + std::to_string(shrink2d::test::currentProcessId());
    std::ofstream(path, std::ios::binary) << "05 17 99 ";
    using shrink2d::Language;
    using shrink2d::Message;
    EXPECT_EQ(std::get<std::string>(readWholeFile(path, Message::ListFile, 9, Language::English)),
              "05 17 99 ");
    EXPECT_EQ(failureOf(readWholeFile(path, Message::ListFile, 8, Language::English)),
              "--list " + path + ": larger than 8 B");
    EXPECT_EQ(failureOf(readWholeFile(path, Message::ListFile, 8, Language::Chinese)),
              "号码文件 " + path + "：文件太大（超过 8 B）");
    std::remove(path.c_str());
}

} // namespace
