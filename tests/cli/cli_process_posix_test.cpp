// The process tests that need what only POSIX systems have: file modes, FIFOs, symbolic links
// and /dev.
#include "cli_process.h"
#include "test_support.h"

#include <sys/stat.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace shrink2d;
using namespace shrink2d::test;

TEST_F(CliProcess, EndlessDeviceIsRefusedAtTheListCap)
{
    const CliRun result = run({"--list", "/dev/zero"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "shrink2d-cli: --list /dev/zero: larger than 256 MiB\n");
}

// Saving through a link, over a FIFO and over a file of restricted mode: the link and the mode
// stay.
class CliSaveSpecial : public CliSave {};

TEST_P(CliSaveSpecial, WritesOnlyARegularFileThatNoInputIs)
{
    writeFiles();
    fs::permissions(m_dir / "l.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("l.txt", m_dir / "link.txt");
    ASSERT_EQ(::mkfifo((m_dir / "fifo").c_str(), 0600), 0);

    runAndCheck(2);
    EXPECT_EQ(fs::status(m_dir / "l.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.txt"));
    EXPECT_TRUE(fs::is_fifo(m_dir / "fifo"));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, CliSaveSpecial,
    testing::Values(
        SaveCase{"OverTheListByALink",
                 {"--list", "@l.txt", "--save-conditions", "@link.txt"},
                 2,
                 "shrink2d-cli: --save-conditions @link.txt: the same file as --list @l.txt, "
                 "which saving would overwrite\n" +
                     kHelpHint},
        SaveCase{"OverAFifo",
                 {"--save-conditions", "@fifo"},
                 2,
                 "shrink2d-cli: --save-conditions @fifo: a FIFO, not a regular file\n"},
        SaveCase{"ThroughALinkKeepingTheMode",
                 {"--save-conditions", "@link.txt", "--banker", "5"},
                 0,
                 "",
                 "l.txt"}),
    test::ByName());

// A full disk is reported, in the player's language.
TEST_F(CliProcess, FullDiskIsReported)
{
    const CliRun full = run({}, "", "/dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "shrink2d-cli: standard output could not be written: the disk is full\n");
    const CliRun chinese = run({}, "", "/dev/full", false, kChinese);
    EXPECT_EQ(chinese.err, "shrink2d-cli: 无法写入标准输出：磁盘已满\n");
}

} // namespace
