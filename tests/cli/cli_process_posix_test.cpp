// The process tests that need what only POSIX systems have: file modes, FIFOs, symbolic links
// and /dev.
#include "cli/platform.h"
#include "cli_process.h"
#include "test_support.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

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

// A save whose write fails once the temporary file holds part of the text (the file-size limit
// stops it, as a full disk would) leaves the old file as it was and nothing beside it.
TEST_F(CliProcess, FailedSaveLeavesNoTemporaryFile)
{
    writeFile("c.json", "old");
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit unlimited = limit;
    limit.rlim_cur = 4;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const int error = cli::platform::replaceFile(utf8Of(m_dir / "c.json"), "{\"version\": 1}\n");
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(readFile(m_dir / "c.json"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

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
