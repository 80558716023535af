#include "window_test_support.h"

#include <string>
#include <vector>

namespace shrink2d::testing {
namespace {

// Notes each shell request instead of starting a browser.
class RecordingShell : public toolkit::Shell {
public:
    struct Call {
        WId owner;
        std::string verb, file, parameters, directory;
        int showCommand;
    };

    bool Execute(WId owner, std::string_view verb, std::string_view file,
                 std::string_view parameters, std::string_view directory, int showCommand) override
    {
        calls.push_back({owner, std::string(verb), std::string(file), std::string(parameters),
                         std::string(directory), showCommand});
        return succeed;
    }

    std::vector<Call> calls;
    bool succeed = true;
};

class HomePageClick : public WindowTest {
protected:
    void SetUp() override
    {
        form = std::make_unique<Form1>(&shell);
        form->show();
    }

    RecordingShell shell;
};

TEST_F(HomePageClick, EachPressOpensTheHomePageOwnedByTheWindow)
{
    for (int press = 0; press < 3; ++press) click(*form->Command2);
    ASSERT_EQ(shell.calls.size(), 3U);
    for (const RecordingShell::Call& call : shell.calls) {
        EXPECT_EQ(call.owner, form->winId());
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, "http://www.chengshu.example/");
        EXPECT_EQ(call.parameters, "");
        EXPECT_EQ(call.directory, "");
        EXPECT_EQ(call.showCommand, 5);
    }
}

TEST_F(HomePageClick, FailureShowsNothingAndChangesNothing)
{
    shell.succeed = false;
    generate();
    click(form->Checkhe(4));
    const std::string list = text3();
    const std::string count = text1();
    MessageBoxWatcher watcher;
    click(*form->Command2);
    click(*form->Command2);
    EXPECT_EQ(shell.calls.size(), 2U);
    EXPECT_FALSE(watcher.message().shown);
    EXPECT_EQ(text3(), list);
    EXPECT_EQ(text1(), count);
    EXPECT_EQ(form->Checkhe(4).Value(), 1);
    EXPECT_TRUE(form->Option2(0).Value());
}

TEST(DesktopShell, RefusesWhatIsNotAWebAddressToOpen)
{
    toolkit::DesktopShell shell;
    EXPECT_FALSE(shell.Execute(0, "print", "http://www.chengshu.example/", "", "", 5));
    EXPECT_FALSE(shell.Execute(0, "open", "not an address", "", "", 5));
    EXPECT_FALSE(shell.Execute(0, "open", "", "", "", 5));
    EXPECT_FALSE(shell.Execute(0, "open", "file:///C:/Windows/notepad.exe", "", "", 5));
}

} // namespace
} // namespace shrink2d::testing
