#pragma once

#include "process_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

// The fixture of the process tests: each test gets a directory of its own, and runs the built
// program in it the way a user's script would.
namespace shrink2d::test {

using Args = std::vector<std::string>;
namespace fs = std::filesystem;

inline const std::string kHelpHint = "Run 'shrink2d-cli --help' to see the options.\n";

// The locales of the runs: English unless a test asks for Chinese.
inline const std::string kEnglish = "C.UTF-8";
inline const std::string kChinese = "zh_CN.UTF-8";

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A UTF-8 name as a path and back: a plain string would go through the system's code page.
inline fs::path pathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string utf8Of(const fs::path& path)
{
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

class CliProcess : public testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "-" + test->name();
        std::replace(name.begin(), name.end(), '/', '-'); // a table's row: one directory, not two
        m_dir = fs::path(testing::TempDir()) /
                ("cli-" + std::to_string(currentProcessId()) + "-" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }

    // The directory holds files only. On Windows a deleted file lingers until the last handle
    // to it is closed, which for the program's standard streams may come a moment after the
    // program has ended: the directory is tried again for up to a second.
    void TearDown() override
    {
        std::error_code error;
        for (int attempt = 0; attempt < 50; ++attempt) {
            for (fs::directory_iterator file(m_dir, error), end; !error && file != end;
                 file.increment(error)) {
                fs::remove(file->path(), error);
            }
            if (fs::remove(m_dir, error) || !fs::exists(m_dir)) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ADD_FAILURE() << "cannot remove " << m_dir << ": " << error.message();
    }

    std::string writeFile(const std::string& name, const std::string& content) const
    {
        const fs::path path = m_dir / pathOf(name);
        std::ofstream(path, std::ios::binary) << content;
        return utf8Of(path);
    }

    static std::string readFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the program with these arguments and this standard input and waits for it. Standard
    // output goes to a file unless output names another, or to a pipe whose reader has gone
    // when closedPipe is set.
    CliRun run(const Args& args, const std::string& input = "", const std::string& output = "",
               bool closedPipe = false, const std::string& locale = kEnglish) const
    {
        const std::string in = writeFile("stdin", input);
        const std::string out = output.empty() ? utf8Of(m_dir / "stdout") : output;
        const std::string err = utf8Of(m_dir / "stderr");
        CliRun result;
        result.exitCode =
            runProgram(SHRINK2D_CLI_PATH, args, in,
                       closedPipe ? std::nullopt : std::optional<std::string>(out), err, locale);
        if (result.exitCode < 0) ADD_FAILURE() << "cannot start " << SHRINK2D_CLI_PATH;
        if (output.empty() && !closedPipe) result.out = readFile(m_dir / "stdout");
        result.err = readFile(m_dir / "stderr");
        return result;
    }

    CliRun runInChinese(const Args& args, const std::string& input = "") const
    {
        return run(args, input, "", false, kChinese);
    }

    fs::path m_dir;
};

// --save-conditions among the files of a run. Every row starts from the same directory: a list
// l.txt, a history d.txt, a list bad.txt the pass stops in, a condition file c.json and a list
// 号码.txt; on POSIX systems also a link and a FIFO. In arguments and messages "@" stands for
// the directory; standard input is the file @stdin.
struct SaveCase {
    const char* name;
    Args args;
    int exitCode;
    std::string err;
    const char* replaced = ""; // the one file that may change, or the one new file
};

class CliSave : public CliProcess, public testing::WithParamInterface<SaveCase> {
protected:
    const std::vector<std::pair<std::string, std::string>> m_files = {
        {"l.txt", "05 15\n"},
        {"d.txt", "90\n"},
        {"bad.txt", "05 x7\n"},
        {"c.json", "{\"version\": 1, \"kill-span\": [0]}\n"},
        {"号码.txt", "05 15\n"}};

    void writeFiles() const
    {
        for (const auto& [name, content] : m_files) writeFile(name, content);
    }

    std::string inDirectory(std::string text) const
    {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
            text.replace(at, 1, utf8Of(m_dir) + "/");
        }
        return text;
    }

    // Runs the row's command line; only the file it names may have changed, and nothing else
    // (no temporary file) is left in the directory besides othersLeft more.
    void runAndCheck(std::size_t othersLeft = 0) const
    {
        Args args;
        for (const std::string& arg : GetParam().args) args.push_back(inDirectory(arg));
        const CliRun result = run(args, "17\n");
        EXPECT_EQ(result.exitCode, GetParam().exitCode);
        EXPECT_EQ(result.err, inDirectory(GetParam().err));

        const std::string replaced = GetParam().replaced;
        bool isNew = !replaced.empty();
        for (const auto& [name, content] : m_files) {
            const std::string now = readFile(m_dir / pathOf(name));
            isNew = isNew && name != replaced;
            EXPECT_EQ(name == replaced ? now.substr(0, 16) : now,
                      name == replaced ? "{\n  \"version\": 1" : content)
                << name;
        }
        if (isNew) {
            EXPECT_EQ(readFile(m_dir / pathOf(replaced)).substr(0, 16), "{\n  \"version\": 1");
        }
        const auto entries = std::distance(fs::directory_iterator(m_dir), fs::directory_iterator());
        // The files, standard input, output and error, and a new file when one was saved.
        EXPECT_EQ(static_cast<std::size_t>(entries),
                  m_files.size() + 3 + (isNew ? 1 : 0) + othersLeft);
    }
};

} // namespace shrink2d::test
