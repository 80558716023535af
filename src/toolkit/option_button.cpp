#include "toolkit/option_button.h"

namespace shrink2d::toolkit {

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    SetForeColor(m_foreColor);
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
}

} // namespace shrink2d::toolkit
