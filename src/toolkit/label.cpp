#include "toolkit/label.h"

namespace shrink2d::toolkit {

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void Label::SetForeColor(Colour colour)
{
    m_foreColor = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(p);
}

void Label::SetBackColor(Colour colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
}

} // namespace shrink2d::toolkit
