// The process tests of what only Windows has: files another program holds locked, and names no
// file can have.
#include "cli_process.h"
#include "test_support.h"

#include <windows.h>

#include <string>

namespace {

using namespace shrink2d::test;

// A list open in another program that shares nothing, as an editor may hold it, is said to be
// in use, in either language.
TEST_F(CliProcess, AFileHeldByAnotherProgramIsSaidToBeInUse)
{
    const std::string list = writeFile("号码.txt", "05 17\n");
    const HANDLE held = ::CreateFileW(pathOf(list).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const CliRun english = run({"--list", list});
    const CliRun chinese = runInChinese({"--list", list});
    ::CloseHandle(held);
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_EQ(english.err, "shrink2d-cli: --list " + list +
                               ": cannot be read: in use by another program; close it and try "
                               "again\n");
    EXPECT_EQ(chinese.err, "shrink2d-cli: 号码文件 " + list +
                               "：无法读取：文件被其他程序占用，请关闭那个程序后再试\n");
}

// A name Windows refuses, and a device's reserved name, are said to be so before anything is
// read or written.
TEST_F(CliProcess, NamesWindowsCannotGiveAFileAreSaidToBeSo)
{
    const CliRun wildcard = run({"--kill-sum", "3", "--save-conditions", "a*b.json"});
    EXPECT_EQ(wildcard.exitCode, 2);
    EXPECT_EQ(wildcard.out, "");
    EXPECT_EQ(
        wildcard.err,
        "shrink2d-cli: --save-conditions a*b.json: cannot be written: not a valid file name\n");
    const CliRun device = runInChinese({"--list", "con.txt"});
    EXPECT_EQ(device.exitCode, 2);
    EXPECT_EQ(device.err, "shrink2d-cli: 号码文件 con.txt：无法读取：这是设备，不是文件\n");
}

} // namespace
