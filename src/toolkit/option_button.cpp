#include "toolkit/option_button.h"

#include <QButtonGroup>

namespace shrink2d::toolkit {

void keepSelectionAsTabStop(QAbstractButton& button)
{
    const auto apply = [&button](bool selected) {
        button.setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    apply(button.isChecked());
    QObject::connect(&button, &QAbstractButton::toggled, &button, apply);
}

// The neighbour is selected with a click, as a mouse click would, so its handler runs.
bool stepThroughGroup(QAbstractButton& button, const QKeyEvent& event)
{
    int step = 0;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    default:
        return false;
    }
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const QButtonGroup* group = button.group();
    if (group == nullptr) return false;
    const QList<QAbstractButton*> buttons = group->buttons();
    const qsizetype count = buttons.size();
    QAbstractButton* next = buttons[(buttons.indexOf(&button) + step + count) % count];
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->click();
    return true;
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : GroupedOption(caption, parent)
{
    SetForeColor(kWindowText);
}

} // namespace shrink2d::toolkit
