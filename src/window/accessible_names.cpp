#include "window/accessible_names.h"

#include "window/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

namespace shrink2d {
namespace {

// A run of items of one check-box array: the group a screen reader names before each caption,
// and what a ticked item does. In the description %1 stands for the caption, %2 for its first
// and %3 for its last character.
struct CheckBoxRun {
    CheckBoxArray Form1::*array;
    int first;
    int last;
    const char* group;
    const char* description;
};

constexpr const char* kPatternDescription = "一位%2、二位%3的号码，选定则只留，选杀则去掉";

const std::array kCheckBoxRuns = {
    CheckBoxRun{&Form1::chk100, 0, 9, "一位", "组号时一位可以是%1"},
    CheckBoxRun{&Form1::chk10, 0, 9, "二位", "组号时二位可以是%1"},
    CheckBoxRun{&Form1::Check19, 0, 9, "杀跨度", "去掉两位数字相差%1的号码"},
    CheckBoxRun{&Form1::Checkhe, 0, 18, "杀和值", "去掉两位数字之和为%1的号码"},
    CheckBoxRun{&Form1::Check18, 0, 9, "杀合值", "去掉两位数字之和的个位为%1的号码"},
    CheckBoxRun{&Form1::Check32, 0, 8, "杀012路", "去掉一位为%2路、二位为%3路的号码"},
    CheckBoxRun{&Form1::Check26, 0, 9, "定胆", "只留含数字%1的号码，勾几个时含其一即留"},
    CheckBoxRun{&Form1::Check27, 0, 3, "奇偶", kPatternDescription},
    CheckBoxRun{&Form1::Check28, 0, 3, "奇偶大小", kPatternDescription},
    CheckBoxRun{&Form1::Check28, 4, 7, "大小奇偶", kPatternDescription},
    CheckBoxRun{&Form1::Check29, 0, 3, "大小", kPatternDescription},
};

// A 定/杀 pair: the group its two buttons are named by, the patterns it rules, and its frame's
// description, which matters because two of the frames carry the same caption.
struct ModePair {
    OptionArray Form1::*pair;
    int frame;
    const char* group;
    const char* patterns;
};

const std::array kModePairs = {
    ModePair{&Form1::Option1, 0, "奇偶", "奇偶"},
    ModePair{&Form1::Option3, 1, "奇偶大小", "奇偶大小和大小奇偶"},
    ModePair{&Form1::Option4, 2, "大小", "大小"},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

void describe(QWidget& control, const QString& name, const QString& whatItDoes)
{
    control.setAccessibleName(name);
    const QString description = name + text("：") + whatItDoes;
    control.setAccessibleDescription(description);
    control.setToolTip(description);
}

// The window and its frames are plain widgets, which a screen reader would otherwise see as
// fillers: the window becomes a window, named by its title, and each frame a grouping.
QAccessibleInterface* windowAndFrames(const QString& /*className*/, QObject* object)
{
    if (auto* frame = dynamic_cast<toolkit::Frame*>(object)) {
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    }
    if (auto* window = dynamic_cast<Form1*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void nameControls(Form1& form)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(windowAndFrames);
        return true;
    }();
    (void)factoryInstalled;

    for (const CheckBoxRun& run : kCheckBoxRuns) {
        const CheckBoxArray& array = form.*run.array;
        for (int k = run.first; k <= run.last; ++k) {
            const QString caption = array(k).text();
            describe(array(k), text(run.group) + ' ' + caption,
                     text(run.description)
                         .replace(QStringLiteral("%1"), caption)
                         .replace(QStringLiteral("%2"), caption.front())
                         .replace(QStringLiteral("%3"), caption.back()));
        }
    }
    for (const ModePair& mode : kModePairs) {
        const OptionArray& pair = form.*mode.pair;
        const QString group = text(mode.group);
        const QString patterns = text(mode.patterns);
        describe(pair(0), group + ' ' + pair(0).text(), text("只留所勾%1形态的号码").arg(patterns));
        describe(pair(1), group + ' ' + pair(1).text(), text("去掉所勾%1形态的号码").arg(patterns));
        form.Frame8(mode.frame).setAccessibleDescription(text("定或杀%1形态").arg(patterns));
    }
    for (int k = 0; k < form.Option2.Count(); ++k) {
        const QString page = form.Option2(k).text();
        describe(form.Option2(k), page, text("显示%1页").arg(page));
        form.Frame9(k).setAccessibleName(page);
    }
    for (toolkit::Frame* frame :
         {form.Frame5, form.Frame4, form.Frame2, form.Frame3, form.Frame7, form.Frame6, form.Frame1,
          &form.Frame8(0), &form.Frame8(1), &form.Frame8(2)}) {
        frame->setAccessibleName(frame->Caption());
    }

    describe(*form.Command1, form.Command1->text(), text("按一位、二位所勾数字生成全部号码"));
    describe(*form.Command3, form.Command3->text(), text("按所勾条件缩减结果中的号码"));
    describe(*form.Command2, form.Command2->text(), text("在浏览器中打开主页"));
    describe(*form.Text3, text("结果"),
             text("号码列表，每个号码后跟一个空格，可复制，也可自行输入"));
    describe(*form.Text1, text("共计"), text("结果中的号码个数"));
}

} // namespace shrink2d
