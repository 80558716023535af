#include "cli/list_input.h"
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
                    SeparatedCase{"ByteOrderMarkDropped",
                                  "\xEF\xBB\xBF"
                                  "05\n",
                                  "05 "},
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

TEST(ListFileRaw, DropsOnlyALeadingByteOrderMark)
{
    EXPECT_EQ(listTextFromContent("\xEF\xBB\xBF"
                                  "05 ",
                                  true),
              "05 ");
    EXPECT_EQ(listTextFromContent("05 \xEF\xBB\xBF", true), "05 \xEF\xBB\xBF");
}

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
    EXPECT_EQ(std::get<std::string>(readWholeFile(path, "--list", 9)), "05 17 99 ");
    EXPECT_EQ(failureOf(readWholeFile(path, "--list", 8)),
              "--list " + path + ": larger than 8 bytes");
    std::remove(path.c_str());
}

} // namespace
