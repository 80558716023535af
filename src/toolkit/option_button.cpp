#include "toolkit/option_button.h"

#include <QButtonGroup>
#include <QKeyEvent>

namespace shrink2d::toolkit {
namespace {

void keepSelectionAsTabStop(QAbstractButton& button)
{
    const auto apply = [&button](bool selected) {
        button.setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    apply(button.isChecked());
    QObject::connect(&button, &QAbstractButton::toggled, &button, apply);
}

// Selects the neighbour the arrow key points to, raising its click as a mouse click would.
// Returns false for any other key.
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

} // namespace

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    SetForeColor(m_foreColor);
    keepSelectionAsTabStop(*this);
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    if (!stepThroughGroup(*this, *event)) QRadioButton::keyPressEvent(event);
}

void OptionButton::SetForeColor(Colour colour)
{
    m_foreColor = colour;
    setRoleColour(*this, {QPalette::WindowText, QPalette::ButtonText}, colour);
}

void OptionButton::SetBackColor(Colour colour)
{
    // A button fills its background from the Button role, not Window.
    setRoleColour(*this, {backgroundRole()}, colour);
    setAutoFillBackground(true);
}

ToggleOptionButton::ToggleOptionButton(const QString& caption, QWidget* parent)
    : ToggleFace<QRadioButton>(caption, parent)
{
    keepSelectionAsTabStop(*this);
}

void ToggleOptionButton::keyPressEvent(QKeyEvent* event)
{
    if (!stepThroughGroup(*this, *event)) ToggleFace<QRadioButton>::keyPressEvent(event);
}

} // namespace shrink2d::toolkit
