#include "form/notice.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QGuiApplication>

#include "filtering/messages.h"

namespace shrink2d::testing {
namespace {

class FilterClick : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        generate();
    }

    void filter() { click(*form->Command3); }

    void showPage(int page) { click(form->Option2(page)); }
};

TEST_F(FilterClick, NothingTickedKeepsTheWholeList)
{
    const std::string before = text3();
    filter();
    EXPECT_EQ(text3(), before);
    EXPECT_EQ(text1(), "       共计:100注");
}

TEST_F(FilterClick, KilledSumTenDropsItsNineNumbers)
{
    click(form->Checkhe(10));
    filter();
    EXPECT_EQ(text1(), "       共计:91注");
    for (const char* gone : {"19 ", "28 ", "37 ", "46 ", "55 ", "64 ", "73 ", "82 ", "91 "}) {
        EXPECT_EQ(text3().find(gone), std::string::npos) << gone;
    }
}

TEST_F(FilterClick, BothGroupsOfOneArrayApplyTogether)
{
    showPage(1);
    click(form->Check28(0)); // 偶大
    click(form->Check28(4)); // 大偶
    filter();
    EXPECT_EQ(text3(), "66 68 86 88 ");
    EXPECT_EQ(text1(), "       共计:4注");
}

TEST_F(FilterClick, KillModeFromTheOptionPairInverts)
{
    showPage(1);
    click(form->Check27(0)); // 偶偶
    click(form->Option1(1)); // 杀
    filter();
    EXPECT_EQ(text1(), "       共计:75注");
    EXPECT_EQ(text3().find("00 "), std::string::npos);
    // The other pairs did not follow.
    EXPECT_TRUE(form->Option3(0).Value());
    EXPECT_TRUE(form->Option4(0).Value());
}

TEST_F(FilterClick, AllFourSizePatternsKilledLeaveNothing)
{
    showPage(1);
    for (int k = 0; k < 4; ++k) click(form->Check29(k));
    filter();
    EXPECT_EQ(text1(), "       共计:100注"); // fix mode with all four ticked rejects nothing
    click(form->Option4(1));
    filter();
    EXPECT_EQ(text3(), "");
    EXPECT_EQ(text1(), "       共计:0注");
}

TEST_F(FilterClick, TicksOnAHiddenPageStillFilter)
{
    click(form->Check19(0)); // span 0, on page 0
    showPage(3);
    ASSERT_FALSE(form->Check19(0).isVisible());
    filter();
    EXPECT_EQ(text1(), "       共计:90注");
    EXPECT_EQ(form->Check19(0).Value(), 1);
}

TEST_F(FilterClick, ASecondPressChangesNothing)
{
    click(form->Check32(1)); // road 01
    click(form->Check26(3)); // banker 3
    filter();
    const std::string once = text3();
    const std::string countOnce = text1();
    filter();
    EXPECT_EQ(text3(), once);
    EXPECT_EQ(text1(), countOnce);
}

TEST_F(FilterClick, EmptyListShowsTheMessageThenCountsZero)
{
    form->Text3->SetText("");
    MessageBoxWatcher watcher;
    filter();
    EXPECT_TRUE(watcher.message().shown);
    EXPECT_EQ(watcher.message().text, "请先组号然后再点击“过滤”");
    EXPECT_EQ(watcher.message().title, "澄数2D缩水软件");
    EXPECT_EQ(watcher.message().icon, QMessageBox::Information);
    EXPECT_TRUE(watcher.message().hasSingleOkButton);
    EXPECT_EQ(text3(), "");
    EXPECT_EQ(text1(), "       共计:0注");
}

TEST_F(FilterClick, BlanksAloneAreNoEmptyListForTheMessage)
{
    form->Text3->SetText("   ");
    MessageBoxWatcher watcher;
    filter();
    EXPECT_FALSE(watcher.message().shown);
    EXPECT_EQ(text3(), "");
    EXPECT_EQ(text1(), "       共计:0注");
}

TEST_F(FilterClick, BankerDigitsWithoutAMatchEmptyTheListWithoutTheMessage)
{
    form->Text3->SetText("03 13 ");
    click(form->Check26(5));
    MessageBoxWatcher watcher;
    filter();
    EXPECT_FALSE(watcher.message().shown);
    EXPECT_EQ(text3(), "");
    EXPECT_EQ(text1(), "       共计:0注");
}

TEST_F(FilterClick, TheNoticeBeforeTheFirstGenerationStopsThePassAndKeepsEverything)
{
    form->Text3->SetText(kNotice);
    form->Text1->SetText("");
    MessageBoxWatcher watcher;
    filter();
    ASSERT_TRUE(watcher.message().shown);
    EXPECT_EQ(watcher.message().title, "澄数2D缩水软件");
    EXPECT_NE(watcher.message().text.find("第 1 项"), std::string::npos);
    EXPECT_NE(watcher.message().text.find("1、组号"), std::string::npos);
    EXPECT_EQ(text3(), kNotice);
    EXPECT_EQ(text1(), "");
}

TEST_F(FilterClick, TypedLettersAreNamedByPositionAndNothingIsLost)
{
    form->Text3->SetText("12 ab 34 ");
    click(form->Checkhe(3));
    MessageBoxWatcher watcher;
    filter();
    ASSERT_TRUE(watcher.message().shown);
    EXPECT_NE(watcher.message().text.find("第 2 项 “ab”"), std::string::npos)
        << watcher.message().text;
    EXPECT_EQ(text3(), "12 ab 34 ");
    EXPECT_EQ(text1(), "       共计:100注");
}

TEST_F(FilterClick, AnUnreadableElementIsReportedAfterBankerFiltering)
{
    form->Text3->setPlainText(QStringLiteral("12 3a 45 1x 13 "));
    click(form->Check26(1));
    MessageBoxWatcher watcher;
    filter();
    ASSERT_TRUE(watcher.message().shown);
    // The banker filter keeps 12, 1x and 13; 1x stands second among them.
    EXPECT_NE(watcher.message().text.find("第 2 项 “1x”"), std::string::npos)
        << watcher.message().text;
    EXPECT_EQ(text3(), "12 1x 13 ");
    EXPECT_EQ(text1(), "       共计:100注");
}

TEST_F(FilterClick, LineBreaksTypedIntoTheListAreShownVisibly)
{
    // Line breaks read back as CR LF, and typed ones stay: the first element holds two numbers,
    // which the pass does not take for the one its ends make.
    form->Text3->setPlainText(QStringLiteral("12\n34 \t56\n78 "));
    MessageBoxWatcher watcher;
    filter();
    ASSERT_TRUE(watcher.message().shown);
    EXPECT_NE(watcher.message().text.find("第 1 项 “12⏎34”"), std::string::npos)
        << watcher.message().text;
    EXPECT_EQ(text3(), "12\r\n34 \t56\r\n78 ");
}

// A column or a comma list pasted in becomes that many numbers; a digit pasted into a number
// stays where it is put.
TEST_F(FilterClick, PastedListsCountAsManyNumbersAsTheyHold)
{
    form->Text3->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("12\r\n34\r\n56\r\n"));
    form->Text3->paste();
    QGuiApplication::clipboard()->setText(QStringLiteral("78，90、11"));
    form->Text3->paste();
    EXPECT_EQ(text3(), "12 34 56 78 90 11 ");
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    form->Text3->paste();
    EXPECT_EQ(text3(), "12 34 56 78 90 11 2");
    filter();
    EXPECT_EQ(text1(), "       共计:7注");
}

TEST_F(FilterClick, APastedListBeyondSixteenBitsIsFilteredWhole)
{
    std::string pasted;
    for (int i = 0; i < 40000; ++i) {
        pasted += static_cast<char>('0' + (i / 10) % 10);
        pasted += static_cast<char>('0' + i % 10);
        pasted += ' ';
    }
    form->Text3->SetText(pasted);
    click(form->Check19(0)); // span 0: every tenth number of each hundred
    filter();
    EXPECT_EQ(text1(), "       共计:36000注");
}

TEST_F(FilterClick, AOneCharacterElementCountsAsTheDoubleDigit)
{
    form->Text3->SetText("7 ");
    click(form->Check19(0)); // 77 has span 0
    filter();
    EXPECT_EQ(text3(), "");
    form->Text3->SetText("7 ");
    click(form->Check19(0));
    filter();
    EXPECT_EQ(text3(), "7 ");
}

} // namespace
} // namespace shrink2d::testing
