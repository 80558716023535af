#include "window/accessible_names.h"

#include "filtering/catalogue.h"
#include "form/groups.h"
#include "form/layout.h"
#include "window/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>
#include <span>
#include <string_view>
#include <variant>

namespace shrink2d {
namespace {

// The digit rows, which are not conditions: the position each names, and what a ticked box does.
// In the description %1 stands for the box's caption.
struct DigitRow {
    CheckBoxArray Form1::*array;
    const char* position;
    const char* description;
};

const std::array kDigitRows = {
    DigitRow{&Form1::chk100, "一位", "组号时一位可以是%1"},
    DigitRow{&Form1::chk10, "二位", "组号时二位可以是%1"},
};

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void describe(QWidget& control, const QString& name, const QString& whatItDoes)
{
    control.setAccessibleName(name);
    const QString description = name + text("：") + whatItDoes;
    control.setAccessibleDescription(description);
    control.setToolTip(description);
}

// Names and describes count items of an array from item first, each by group and caption. In the
// description %1 stands for the caption, %2 for its first and %3 for its last character.
void describeBoxes(const CheckBoxArray& array, int first, int count, const QString& group,
                   const QString& description)
{
    for (int k = first; k < first + count; ++k) {
        const QString caption = array(k).text();
        describe(array(k), group + ' ' + caption,
                 QString(description)
                     .replace(QStringLiteral("%1"), caption)
                     .replace(QStringLiteral("%2"), caption.front())
                     .replace(QStringLiteral("%3"), caption.back()));
    }
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

    for (const DigitRow& row : kDigitRows) {
        const CheckBoxArray& array = form.*row.array;
        describeBoxes(array, 0, array.Count(), text(row.position), text(row.description));
    }
    for (const layout::GroupControls& row : layout::kFormGroups) {
        const ConditionEntry& entry = entryOf(row.group);
        describeBoxes(form.boxesNamed(row.control), row.firstItem,
                      static_cast<int>(entry.boxCount()), text(entry.caption),
                      text(entry.description));
    }
    // A pair is named by its first group; its frame's description matters because two of the
    // frames carry the same caption.
    for (const layout::GroupControls& row : layout::kFormGroups) {
        const ModePair* mode = entryOf(row.group).mode;
        if (mode == nullptr || groupsOf(*mode).front()->group != row.group) continue;
        const OptionArray& pair = form.pairNamed(row.pair);
        const QString group = text(entryOf(row.group).caption);
        const QString patterns = text(patternsOf(*mode));
        for (int k = 0; k < pair.Count(); ++k) {
            describe(pair(k), group + ' ' + pair(k).text(),
                     text(kModeButtonDescriptions.at(static_cast<std::size_t>(k))).arg(patterns));
        }
        for (const layout::Page& page : layout::kConditionPages) {
            if (const layout::FrameRow* frame = layout::frameHolding(page.rows, row.pair)) {
                form.frameNamed(frame->name, frame->item)
                    .setAccessibleDescription(text(kModeFrameDescription).arg(patterns));
            }
        }
    }
    for (int k = 0; k < form.Option2.Count(); ++k) {
        const QString page = form.Option2(k).text();
        describe(form.Option2(k), page, text("显示%1页").arg(page));
        form.Frame9(k).setAccessibleName(page);
    }
    const auto nameFrames = [&form](std::span<const layout::Row> table) {
        for (const layout::Row& row : table) {
            if (const auto* frameRow = std::get_if<layout::FrameRow>(&row)) {
                toolkit::Frame& frame = form.frameNamed(frameRow->name, frameRow->item);
                frame.setAccessibleName(frame.Caption());
            }
        }
    };
    nameFrames(layout::kWindowLayout);
    for (const layout::Page& page : layout::kConditionPages) nameFrames(page.rows);

    describe(*form.Command1, form.Command1->text(), text("按一位、二位所勾数字生成全部号码"));
    describe(*form.Command3, form.Command3->text(), text("按所勾条件缩减结果中的号码"));
    describe(*form.Command2, form.Command2->text(), text("在浏览器中打开主页"));
    describe(*form.Text3, text("结果"),
             text("号码列表，每个号码后跟一个空格，可复制，也可自行输入"));
    describe(*form.Text1, text("共计"), text("结果中的号码个数"));
}

} // namespace shrink2d
