#include "window_test_support.h"

#include "filtering/catalogue.h"

#include <QAccessible>
#include <QSet>

#include <ostream>

namespace shrink2d::testing {
namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

struct Expected {
    QWidget* (*control)(Form1&);
    const char* name;
    QAccessible::Role role;
    const char* description; // checked when not null
};

void PrintTo(const Expected& expected, std::ostream* out) { *out << expected.name; }

class AccessibleNamesTest : public WindowTest, public ::testing::WithParamInterface<Expected> {};

TEST_P(AccessibleNamesTest, NameRoleAndDescription)
{
    const Expected& expected = GetParam();
    QAccessibleInterface* control = accessible(expected.control(*form));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(expected.name));
    EXPECT_EQ(control->role(), expected.role);
    if (expected.description != nullptr) {
        EXPECT_EQ(control->text(QAccessible::Description), QString::fromUtf8(expected.description));
        EXPECT_EQ(expected.control(*form)->toolTip(), QString::fromUtf8(expected.description));
    }
}

using enum QAccessible::Role;

INSTANTIATE_TEST_SUITE_P(
    Named, AccessibleNamesTest,
    ::testing::Values(
        Expected{[](Form1& f) -> QWidget* { return &f.chk100(3); }, "一位 3", CheckBox,
                 "一位 3：组号时一位可以是3"},
        Expected{[](Form1& f) -> QWidget* { return &f.chk10(0); }, "二位 0", CheckBox, nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Checkhe(10); }, "杀和值 10", CheckBox,
                 "杀和值 10：去掉两位数字之和为10的号码"},
        Expected{[](Form1& f) -> QWidget* { return &f.Check18(5); }, "杀合值 5", CheckBox,
                 "杀合值 5：去掉两位数字之和的个位为5的号码"},
        Expected{[](Form1& f) -> QWidget* { return &f.Check19(0); }, "杀跨度 0", CheckBox, nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Check32(1); }, "杀012路 01", CheckBox,
                 "杀012路 01：去掉一位为0路、二位为1路的号码"},
        Expected{[](Form1& f) -> QWidget* { return &f.Check26(7); }, "定胆 7", CheckBox, nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Check27(0); }, "奇偶 偶偶", CheckBox,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Check28(0); }, "奇偶大小 偶大", CheckBox,
                 "奇偶大小 偶大：一位偶、二位大的号码，选定则只留，选杀则去掉"},
        Expected{[](Form1& f) -> QWidget* { return &f.Check28(4); }, "大小奇偶 大偶", CheckBox,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Check29(2); }, "大小 大小", CheckBox,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Option1(0); }, "奇偶 定", RadioButton,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Option3(1); }, "奇偶大小 杀", RadioButton,
                 "奇偶大小 杀：去掉所勾奇偶大小和大小奇偶形态的号码"},
        Expected{[](Form1& f) -> QWidget* { return &f.Option4(0); }, "大小 定", RadioButton,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Option2(1); }, "特征条件", RadioButton,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Command3; }, "2、过滤", Button, nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Text3; }, "结果", EditableText, nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Text1; }, "共计", EditableText, nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Frame5; }, "组号", Grouping, nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Frame4; }, "结果", Grouping, nullptr},
        Expected{[](Form1& f) -> QWidget* { return f.Frame7; }, "杀合值", Grouping, nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Frame8(2); }, "定、杀奇偶特征", Grouping,
                 nullptr},
        Expected{[](Form1& f) -> QWidget* { return &f.Frame9(0); }, "基本条件", Grouping,
                 nullptr}));

TEST_F(WindowTest, WindowCarriesItsTitle)
{
    EXPECT_EQ(accessible(form.get())->role(), QAccessible::Window);
    EXPECT_EQ(accessible(form.get())->text(QAccessible::Name), form->windowTitle());
}

// The controls a user can reach: twenty digit boxes, three buttons, four page selectors, two text
// boxes, and the boxes and 定/杀 buttons of the groups the window shows.
int reachableControls()
{
    int count = 20 + 3 + 4 + 2;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        if (!entry.shownBy.window) continue;
        count += static_cast<int>(entry.boxCount());
        if (entry.mode != nullptr && groupsOf(*entry.mode).front() == &entry) count += 2;
    }
    return count;
}

// Each control the user can reach has a name of its own and a description that starts with it.
TEST_F(WindowTest, EveryFocusableControlHasItsOwnNameAndDescription)
{
    QSet<QString> seen;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        const QString name = accessible(widget)->text(QAccessible::Name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(seen.contains(name));
        seen.insert(name);
        EXPECT_TRUE(accessible(widget)->text(QAccessible::Description).startsWith(name + "："));
    }
    EXPECT_EQ(seen.size(), reachableControls());
}

// Frame8 items 0 and 2 carry one caption; their descriptions tell them apart.
TEST_F(WindowTest, FixKillFramesAreToldApartByTheirPatterns)
{
    EXPECT_EQ(accessible(&form->Frame8(0))->text(QAccessible::Description),
              QString::fromUtf8("定或杀奇偶形态"));
    EXPECT_EQ(accessible(&form->Frame8(1))->text(QAccessible::Description),
              QString::fromUtf8("定或杀奇偶大小和大小奇偶形态"));
    EXPECT_EQ(accessible(&form->Frame8(2))->text(QAccessible::Description),
              QString::fromUtf8("定或杀大小形态"));
}

TEST_F(WindowTest, StatesFollowTheUsersActions)
{
    QAccessibleInterface* sum10 = accessible(&form->Checkhe(10));
    EXPECT_TRUE(sum10->state().checkable);
    EXPECT_FALSE(sum10->state().checked);
    click(form->Checkhe(10));
    EXPECT_TRUE(sum10->state().checked);
    EXPECT_TRUE(accessible(&form->Option1(0))->state().checked);
    click(form->Option1(1));
    EXPECT_TRUE(accessible(&form->Option1(1))->state().checked);
    EXPECT_FALSE(accessible(&form->Option1(0))->state().checked);
}

} // namespace
} // namespace shrink2d::testing
