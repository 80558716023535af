#include "toolkit/option_button.h"

namespace shrink2d::toolkit {

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    SetForeColor(m_foreColor);
}

void OptionButton::SetForeColor(Colour colour)
{
    m_foreColor = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(colour));
    p.setColor(QPalette::ButtonText, toQColor(colour));
    setPalette(p);
}

void OptionButton::SetBackColor(Colour colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
    setAutoFillBackground(true);
}

ToggleOptionButton::ToggleOptionButton(const QString& caption, QWidget* parent)
    : ToggleFace<QRadioButton>(caption, parent)
{
}

} // namespace shrink2d::toolkit
