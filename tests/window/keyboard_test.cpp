#include "window_test_support.h"

#include "filtering/candidate_list.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace shrink2d::testing {
namespace {

// Keys go to the window as the platform delivers them, so Qt routes them to the focus widget and
// handles Tab itself.
class KeyboardTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    void backTab() { press(Qt::Key_Backtab, Qt::ShiftModifier); }

    static QString focused()
    {
        const QWidget* widget = QApplication::focusWidget();
        return widget == nullptr ? QString() : widget->accessibleName();
    }

    // The focus names met on `count` presses of the key, the starting one excluded.
    QStringList walk(int count, bool forward)
    {
        QStringList names;
        for (int k = 0; k < count; ++k) {
            forward ? press(Qt::Key_Tab) : backTab();
            names << focused();
        }
        return names;
    }

    void tabTo(const QString& name)
    {
        for (int k = 0; k < 200 && focused() != name; ++k) press(Qt::Key_Tab);
        ASSERT_EQ(focused(), name);
    }
};

QStringList run(const char* group, const QStringList& captions)
{
    QStringList names;
    for (const QString& caption : captions) names << QString::fromUtf8(group) + ' ' + caption;
    return names;
}

QStringList run(const char* group, int count)
{
    QStringList captions;
    for (int k = 0; k < count; ++k) captions << QString::number(k);
    return run(group, captions);
}

QStringList names(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts) list << QString::fromUtf8(text);
    return list;
}

const QStringList kEnd = names({"结果", "共计", "2、过滤", "主页"});

TEST_F(KeyboardTest, TabWalksThePageInFrontAndNeverTypesIntoTheTexts)
{
    const std::string notice = text3();
    const QStringList cycle =
        run("一位", 10) + run("二位", 10) + names({"1、组号", "基本条件"}) + run("杀跨度", 10) +
        run("杀和值", 19) + run("杀合值", 10) +
        run("杀012路", names({"00", "01", "02", "10", "11", "12", "21", "20", "22"})) +
        run("定胆", 10) + kEnd;
    ASSERT_EQ(focused(), cycle.first());
    EXPECT_EQ(walk(static_cast<int>(cycle.size()), true), cycle.mid(1) << cycle.first());
    EXPECT_EQ(walk(static_cast<int>(cycle.size()), false),
              QStringList(cycle.rbegin(), cycle.rend()));
    EXPECT_EQ(text3(), notice);
    EXPECT_EQ(text1(), "");
}

TEST_F(KeyboardTest, ArrowsSelectWithinAGroupAndTabLandsOnTheSelection)
{
    tabTo(QString::fromUtf8("基本条件"));
    press(Qt::Key_Left); // wraps to the last selector
    EXPECT_EQ(focused(), QString::fromUtf8("其他条件"));
    EXPECT_TRUE(form->Frame9(3).isVisible());
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    ASSERT_EQ(focused(), QString::fromUtf8("特征条件"));
    EXPECT_TRUE(form->Option2(1).Value());
    EXPECT_EQ(form->Option2(1).ForeColor(), toolkit::kRed); // its click handler ran
    EXPECT_EQ(form->Option2(0).ForeColor(), toolkit::kWindowText);

    const QStringList page1 =
        names({"奇偶 定"}) + run("奇偶", names({"偶偶", "偶奇", "奇奇", "奇偶"})) +
        names({"奇偶大小 定"}) + run("奇偶大小", names({"偶大", "偶小", "奇大", "奇小"})) +
        run("大小奇偶", names({"大偶", "小偶", "大奇", "小奇"})) + names({"大小 定"}) +
        run("大小", names({"大大", "小小", "大小", "小大"}));
    // Backwards first: into each pair before any of its buttons has had the focus.
    form->Text3->setFocus();
    EXPECT_EQ(walk(20, false), QStringList(page1.rbegin(), page1.rend())
                                   << QString::fromUtf8("特征条件"));
    EXPECT_EQ(walk(20, true), page1 + kEnd.first(1));

    tabTo(QString::fromUtf8("奇偶 定"));
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), QString::fromUtf8("奇偶 杀"));
    EXPECT_TRUE(form->Option1(1).Value());
    EXPECT_TRUE(form->Option3(0).Value()); // other pairs keep their selection
    press(Qt::Key_Tab);
    backTab();
    EXPECT_EQ(focused(), QString::fromUtf8("奇偶 杀"));
    press(Qt::Key_Right); // wraps to the first
    EXPECT_TRUE(form->Option1(0).Value());
}

TEST_F(KeyboardTest, SpaceReturnAndEnterPressTheFocusedCommand)
{
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Space, Qt::NoModifier}, std::pair{Qt::Key_Return, Qt::NoModifier},
          std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        SCOPED_TRACE(key);
        form->Text3->SetText("");
        form->Command1->setFocus();
        press(key, modifiers);
        EXPECT_EQ(countCandidates(text3()), 100U);
    }
}

TEST_F(KeyboardTest, GeneratesTicksAndFiltersFromTheKeyboardAlone)
{
    tabTo(QString::fromUtf8("1、组号"));
    press(Qt::Key_Return);
    EXPECT_EQ(text1(), "       共计:100注");
    tabTo(QString::fromUtf8("杀跨度 0"));
    press(Qt::Key_Space);
    EXPECT_EQ(form->Check19(0).Value(), 1);
    EXPECT_EQ(form->Check19(0).ForeColor(), toolkit::kBlue);
    tabTo(QString::fromUtf8("2、过滤"));
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text1(), "       共计:90注");
    EXPECT_EQ(text3().find("11 "), std::string::npos);
}

} // namespace
} // namespace shrink2d::testing
