#include "test_support.h"
#include "window_test_support.h"

#include "filtering/candidate_list.h"
#include "filtering/catalogue.h"
#include "filtering/version.h"
#include "form/groups.h"
#include "form/notice.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStackedWidget>

#include <algorithm>
#include <string_view>
#include <vector>

namespace shrink2d::testing {
namespace {

using namespace toolkit;

struct ArrayAtStart {
    const char* name;
    CheckBoxArray Form1::*array;
    std::vector<const char*> captions;
    int value;
    Colour fore;
    Colour back;
};

std::vector<const char*> digitsUpTo(int last)
{
    static const char* const numbers[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8", "9",
                                          "10", "11", "12", "13", "14", "15", "16", "17", "18"};
    return {numbers, numbers + last + 1};
}

class ArrayStartTest : public WindowTest, public ::testing::WithParamInterface<ArrayAtStart> {};

TEST_P(ArrayStartTest, CaptionsValuesAndColours)
{
    const ArrayAtStart& expected = GetParam();
    const CheckBoxArray& array = (*form).*(expected.array);
    ASSERT_EQ(array.Count(), static_cast<int>(expected.captions.size()));
    for (int k = 0; k < array.Count(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(array(k).Caption(), expected.captions[static_cast<std::size_t>(k)]);
        EXPECT_EQ(array(k).Value(), expected.value);
        EXPECT_EQ(array(k).ForeColor(), expected.fore);
        // The second row's item 2 alone starts pale yellow.
        const bool paleItem = expected.array == &Form1::chk10 && k == 2;
        EXPECT_EQ(array(k).BackColor(), paleItem ? kPaleYellow : expected.back);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryArray, ArrayStartTest,
    ::testing::Values(
        ArrayAtStart{"chk100", &Form1::chk100, digitsUpTo(9), 1, kRed, kYellow},
        ArrayAtStart{"chk10", &Form1::chk10, digitsUpTo(9), 1, kRed, kYellow},
        ArrayAtStart{"Check19", &Form1::Check19, digitsUpTo(9), 0, kSilver, kLightGrey},
        ArrayAtStart{"Checkhe", &Form1::Checkhe, digitsUpTo(18), 0, kSilver, kLightGrey},
        ArrayAtStart{"Check18", &Form1::Check18, digitsUpTo(9), 0, kSilver, kLightGrey},
        ArrayAtStart{"Check32",
                     &Form1::Check32,
                     {"00", "01", "02", "10", "11", "12", "21", "20", "22"},
                     0,
                     kSilver,
                     kLightGrey},
        ArrayAtStart{"Check26", &Form1::Check26, digitsUpTo(9), 0, kSilver, kLightGrey},
        ArrayAtStart{
            "Check27", &Form1::Check27, {"偶偶", "偶奇", "奇奇", "奇偶"}, 0, kSilver, kLightGrey},
        ArrayAtStart{"Check28",
                     &Form1::Check28,
                     {"偶大", "偶小", "奇大", "奇小", "大偶", "小偶", "大奇", "小奇"},
                     0,
                     kSilver,
                     kLightGrey},
        ArrayAtStart{
            "Check29", &Form1::Check29, {"大大", "小小", "大小", "小大"}, 0, kSilver, kLightGrey}),
    test::ByName());

TEST_F(WindowTest, TitleSizeAndBackground)
{
    EXPECT_EQ(form->windowTitle().toStdString(),
              "澄数2D缩水软件" + std::string(kTitleVersion) +
                  "（本软件由澄数提供）HTTP://WWW.CHENGSHU.EXAMPLE/");
    EXPECT_EQ(form->size(), QSize(548, 372));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()); // the user cannot resize it
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    // Drawn from the picture in the program's resources, not an empty stand-in.
    EXPECT_EQ(form->windowIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

TEST_F(WindowTest, PageZeroInFrontWithItsSelectorPressedInAndRed)
{
    const std::vector<std::string> captions = {"基本条件", "特征条件", "高级条件", "其他条件"};
    ASSERT_EQ(form->Option2.Count(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form->Option2(k).text().toStdString(), captions[static_cast<std::size_t>(k)]);
        EXPECT_EQ(form->Option2(k).Value(), k == 0);
        EXPECT_EQ(form->Option2(k).ForeColor(), k == 0 ? kRed : kWindowText);
    }
    EXPECT_TRUE(form->Frame9(0).isVisible());
    for (int k = 1; k < 4; ++k) EXPECT_FALSE(form->Frame9(k).isVisible());
    // All four pages share one place.
    for (int k = 1; k < 4; ++k) EXPECT_EQ(form->Frame9(k).geometry(), form->Frame9(0).geometry());
}

// The window's table names the controls of exactly the groups the catalogue gives it, and the
// core reads each group through its own boxes, with the catalogue's captions.
TEST_F(WindowTest, ShowsTheGroupsTheCatalogueGivesItAndNoOther)
{
    for (const ConditionEntry& entry : conditionCatalogue()) {
        SCOPED_TRACE(std::string(entry.caption));
        EXPECT_EQ(layout::controlsOf(entry.group, layout::kFormGroups) != nullptr,
                  entry.shownBy.window);
        const ControlArray<CheckBoxControl>& boxes = form->controls().groups.at(entry.index());
        ASSERT_EQ(boxes.Count(), entry.shownBy.window ? static_cast<int>(entry.boxCount()) : 0);
        for (int k = 0; k < boxes.Count(); ++k) {
            EXPECT_EQ(boxes(k).Caption(), entry.boxCaptions[static_cast<std::size_t>(k)]);
        }
    }
}

TEST_F(WindowTest, FixKillPairsStartOnFixWithFixedColours)
{
    for (OptionArray* pair : {&form->Option1, &form->Option3, &form->Option4}) {
        ASSERT_EQ(pair->Count(), 2);
        EXPECT_EQ((*pair)(0).text(), QString::fromUtf8("定"));
        EXPECT_EQ((*pair)(1).text(), QString::fromUtf8("杀"));
        EXPECT_TRUE((*pair)(0).Value());
        EXPECT_FALSE((*pair)(1).Value());
        EXPECT_EQ((*pair)(0).ForeColor(), kBlue);
        EXPECT_EQ((*pair)(1).ForeColor(), kRed);
    }
}

TEST_F(WindowTest, FramesCarryTheirCaptionsAndColours)
{
    EXPECT_EQ(form->Frame2->Caption().toStdString(), "杀跨度");
    EXPECT_EQ(form->Frame3->Caption().toStdString(), "杀和值");
    EXPECT_EQ(form->Frame7->Caption().toStdString(), "杀合值");
    EXPECT_EQ(form->Frame6->Caption().toStdString(), "杀012路");
    EXPECT_EQ(form->Frame1->Caption().toStdString(), "定胆");
    EXPECT_EQ(form->Frame8(0).Caption().toStdString(), "定、杀奇偶特征");
    EXPECT_EQ(form->Frame8(1).Caption().toStdString(), "定、杀奇偶大小形态");
    EXPECT_EQ(form->Frame8(2).Caption().toStdString(), "定、杀奇偶特征");
    for (Frame* frame : {form->Frame1, form->Frame2, form->Frame3, form->Frame6, form->Frame7,
                         &form->Frame8(0), &form->Frame8(1), &form->Frame8(2)}) {
        EXPECT_EQ(frame->ForeColor(), kBlue);
    }
    EXPECT_EQ(form->Label3->text().toStdString(), "小：0到4 大：5到9");
    EXPECT_EQ(form->Label17->ForeColor(), kGrey);
    EXPECT_EQ(form->Command1->text().toStdString(), "1、组号");
    EXPECT_EQ(form->Command3->text().toStdString(), "2、过滤");
    EXPECT_EQ(form->Command2->text().toStdString(), "主页");
    EXPECT_EQ(form->Command1->BackColor(), kRed);
    EXPECT_EQ(form->Command3->BackColor(), kGreen);
}

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    // Twips to pixels at 15 to one: a few controls from each table.
    EXPECT_EQ(form->Frame9(0).parentWidget()->geometry(), QRect(88, 40, 289, 329));
    EXPECT_EQ(form->chk100(9).geometry(), QRect(16, 272, 20, 20));
    EXPECT_EQ(form->chk10(0).geometry(), QRect(48, 56, 20, 20));
    EXPECT_EQ(form->Checkhe(10).geometry(), QRect(16, 40, 25, 25));
    EXPECT_EQ(form->Check28(7).geometry(), QRect(208, 48, 49, 25));
    EXPECT_EQ(form->Option4(1).geometry(), QRect(24, 40, 33, 17));
    EXPECT_EQ(form->Text3->geometry(), QRect(8, 16, 153, 281));
}

TEST_F(WindowTest, NamedFacesResolveToInstalledFacesThatShowChinese)
{
    struct Expected {
        QWidget* widget;
        const char* named; // the face the window asks for; empty: the default font
    };
    for (const Expected& e :
         {Expected{&form->chk100(0), "隶书"}, Expected{&form->Check27(0), "宋体"},
          Expected{form->Text3, "宋体"}, Expected{&form->Option2(0), "MS Sans Serif"},
          Expected{form->Label3, ""}}) {
        const QFontInfo info(e.widget->font());
        SCOPED_TRACE(info.family().toStdString());
        // One of the faces this system lists for the named one, not whatever face the font
        // matcher fell back on.
        if (*e.named != '\0') {
            EXPECT_TRUE(QFont::substitutes(QString::fromUtf8(e.named))
                            .contains(info.family(), Qt::CaseInsensitive));
        }
        EXPECT_TRUE(QFontDatabase::writingSystems(info.family())
                        .contains(QFontDatabase::SimplifiedChinese));
        const QFontMetrics metrics(e.widget->font());
        for (const QChar c : QStringLiteral(
                 "杀跨度和值合路定胆、奇偶特征大小形态组号过滤基本高级其他条件：到0123456789")) {
            EXPECT_TRUE(metrics.inFontUcs4(c.unicode())) << static_cast<int>(c.unicode());
        }
    }
}

TEST_F(WindowTest, ResultBoxesStartWithTheNoticeAndAnEmptyCount)
{
    EXPECT_EQ(text1(), "");
    EXPECT_EQ(text3(), kNotice);
}

TEST(Notice, HasTheShapeAFilterPassRelyOn)
{
    const std::string_view notice = kNotice;
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = notice.find("\r\n", start)) != std::string_view::npos;
         start = end + 2) {
        lines.push_back(notice.substr(start, end - start));
    }
    EXPECT_EQ(start, notice.size()) << "the last line must end with CR LF";
    EXPECT_EQ(lines.size(), 15U);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string_view()), 5);
    for (const std::string_view line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
    }
    EXPECT_EQ(std::count(notice.begin(), notice.end(), ' '), 1);
    EXPECT_EQ(lines.front().back(), ' ');
    const std::size_t blank = notice.find(' ');
    EXPECT_FALSE(notice.front() >= '0' && notice.front() <= '9');
    EXPECT_FALSE(notice[blank - 1] >= '0' && notice[blank - 1] <= '9');
    EXPECT_EQ(countCandidates(notice), 2U);
}

} // namespace
} // namespace shrink2d::testing
