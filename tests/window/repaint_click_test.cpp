#include "window_test_support.h"

namespace shrink2d::testing {
namespace {

using namespace toolkit;
using RepaintClick = WindowTest;

TEST_F(RepaintClick, UntickedDigitTurnsSilverOnLightGreyAndTheRowStaysRedOnYellow)
{
    click(form->chk10(3));
    EXPECT_EQ(form->chk10(3).Value(), 0);
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(form->chk10(k).ForeColor(), k == 3 ? kSilver : kRed);
        // Item 2's pale yellow gives way at the row's first repaint.
        EXPECT_EQ(form->chk10(k).BackColor(), k == 3 ? kLightGrey : kYellow);
    }
    for (int k = 0; k < 10; ++k) EXPECT_EQ(form->chk100(k).ForeColor(), kRed);
}

TEST_F(RepaintClick, FirstRowRepaintLeavesTheSecondRowsPaleItem)
{
    click(form->chk100(0));
    EXPECT_EQ(form->chk100(0).BackColor(), kLightGrey);
    EXPECT_EQ(form->chk10(2).BackColor(), kPaleYellow);
}

TEST_F(RepaintClick, TickingTheLastSumPaintsItBlueAndUntickingRestoresSilver)
{
    click(form->Checkhe(18));
    EXPECT_EQ(form->Checkhe(18).Value(), 1);
    EXPECT_EQ(form->Checkhe(18).ForeColor(), kBlue);
    EXPECT_EQ(form->Checkhe(18).BackColor(), kLightGrey);
    click(form->Checkhe(18));
    EXPECT_EQ(form->Checkhe(18).Value(), 0);
    for (int k = 0; k < 19; ++k) EXPECT_EQ(form->Checkhe(k).ForeColor(), kSilver);
}

TEST_F(RepaintClick, EachArrayRepaintsFromItsValuesAlone)
{
    // Ticked without a click: no handler ran, so the box still shows unticked colours.
    form->Check28(0).setChecked(true);
    form->Check27(2).setChecked(true);
    click(form->Check27(0));
    // Check27 repaints every item from the values, including the one ticked behind its back...
    EXPECT_EQ(form->Check27(0).ForeColor(), kBlue);
    EXPECT_EQ(form->Check27(2).ForeColor(), kBlue);
    EXPECT_EQ(form->Check27(1).ForeColor(), kSilver);
    // ...and touches no other array.
    EXPECT_EQ(form->Check28(0).ForeColor(), kSilver);
}

TEST_F(RepaintClick, EveryConditionArrayHandlerPaintsItsOwnItems)
{
    for (CheckBoxArray* array :
         {&form->Check18, &form->Check19, &form->Checkhe, &form->Check32, &form->Check26}) {
        click((*array)(array->Count() - 1));
        EXPECT_EQ((*array)(array->Count() - 1).ForeColor(), kBlue);
    }
    click(form->Option2(1));
    for (CheckBoxArray* array : {&form->Check27, &form->Check28, &form->Check29}) {
        click((*array)(array->Count() - 1));
        EXPECT_EQ((*array)(array->Count() - 1).ForeColor(), kBlue);
    }
}

TEST_F(RepaintClick, SelectingAPageBringsItToTheFrontAndColoursTheSelectors)
{
    click(form->Check19(4));
    click(form->Option2(2));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form->Option2(k).Value(), k == 2);
        EXPECT_EQ(form->Option2(k).ForeColor(), k == 2 ? kRed : kWindowText);
        EXPECT_EQ(form->Frame9(k).isVisible(), k == 2);
    }
    EXPECT_FALSE(form->Check19(4).isVisible());
    EXPECT_EQ(form->Check19(4).Value(), 1);
    // The fix/kill pairs are not touched by page switching.
    EXPECT_TRUE(form->Option1(0).Value());
}

TEST_F(RepaintClick, ASecondSelectionOfTheSamePageChangesNothing)
{
    click(form->Option2(1));
    click(form->Option2(1));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(form->Option2(k).Value(), k == 1);
        EXPECT_EQ(form->Option2(k).ForeColor(), k == 1 ? kRed : kWindowText);
        EXPECT_EQ(form->Frame9(k).isVisible(), k == 1);
    }
}

TEST_F(RepaintClick, ModePairsKeepTheirColoursWhicheverIsSelected)
{
    click(form->Option2(1));
    click(form->Option3(1));
    EXPECT_TRUE(form->Option3(1).Value());
    EXPECT_FALSE(form->Option3(0).Value());
    EXPECT_EQ(form->Option3(0).ForeColor(), kBlue);
    EXPECT_EQ(form->Option3(1).ForeColor(), kRed);
    EXPECT_TRUE(form->Option2(1).Value());
}

TEST_F(RepaintClick, ClickingLabelsAndFramesDoesNothing)
{
    const std::string before = text3();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    QTest::mouseClick(form->Frame2, Qt::LeftButton);
    QTest::mouseClick(&form->Frame9(0), Qt::LeftButton);
    EXPECT_EQ(text3(), before);
    EXPECT_TRUE(form->Option2(0).Value());
}

} // namespace
} // namespace shrink2d::testing
