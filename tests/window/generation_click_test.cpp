#include "test_support.h"
#include "window_test_support.h"

namespace shrink2d::testing {
namespace {

using shrink2d::test::hundredNumbers;

using GenerationClick = WindowTest;

TEST_F(GenerationClick, RightAfterStartGivesAllHundredNumbers)
{
    generate();
    EXPECT_EQ(text3(), hundredNumbers());
    EXPECT_EQ(text1(), "       共计:100注");
}

TEST_F(GenerationClick, UntickedDigitsAreLeftOutWhateverTheClickOrder)
{
    for (int k = 0; k < 10; ++k) {
        if (k != 9 && k != 1) click(form->chk100(k));
        if (k != 5 && k != 0) click(form->chk10(k));
    }
    generate();
    EXPECT_EQ(text3(), "10 15 90 95 ");
    EXPECT_EQ(text1(), "       共计:4注");
}

TEST_F(GenerationClick, AnEmptyRowGivesAnEmptyListAndCountZero)
{
    for (int k = 0; k < 10; ++k) click(form->chk10(k));
    generate();
    EXPECT_EQ(text3(), "");
    EXPECT_EQ(text1(), "       共计:0注");
}

TEST_F(GenerationClick, GeneratingAgainAfterAFilterBringsBackTheFullList)
{
    generate();
    click(form->Checkhe(10));
    click(*form->Command3);
    ASSERT_EQ(text1(), "       共计:91注");
    generate();
    EXPECT_EQ(text3(), hundredNumbers());
    EXPECT_EQ(text1(), "       共计:100注");
}

TEST_F(GenerationClick, ReplacesWhateverTheUserTyped)
{
    form->Text3->setPlainText(QStringLiteral("我的号码\n12 34"));
    form->Text1->setText(QStringLiteral("随便"));
    for (int k = 0; k < 10; ++k) {
        if (k != 3) click(form->chk100(k));
        if (k != 7) click(form->chk10(k));
    }
    generate();
    EXPECT_EQ(text3(), "37 ");
    EXPECT_EQ(text1(), "       共计:1注");
}

} // namespace
} // namespace shrink2d::testing
