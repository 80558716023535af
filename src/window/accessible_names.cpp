#include "window/accessible_names.h"

#include "filtering/catalogue.h"
#include "form/descriptions.h"
#include "form/groups.h"
#include "form/layout.h"
#include "window/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <span>
#include <string_view>
#include <variant>

namespace shrink2d {
namespace {

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

    // The digit rows, which are not conditions.
    for (const layout::DigitRow& row : layout::kDigitRows) {
        const CheckBoxArray& array = form.boxesNamed(row.control);
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
        describe(form.Option2(k), page, text(layout::kPageSelectorDescription).arg(page));
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

    // The buttons, named by their captions, and the text boxes.
    const auto describeControl = [](QWidget& control, std::string_view name,
                                    const QString& caption) {
        const layout::ControlDescription& row = layout::descriptionOf(name);
        describe(control, row.name.empty() ? caption : text(row.name), text(row.description));
    };
    describeControl(*form.Command1, "Command1", form.Command1->text());
    describeControl(*form.Command3, "Command3", form.Command3->text());
    describeControl(*form.Command2, "Command2", form.Command2->text());
    describeControl(*form.Text3, "Text3", {});
    describeControl(*form.Text1, "Text1", {});
}

} // namespace shrink2d
