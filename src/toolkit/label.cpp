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
    setRoleColour(*this, {QPalette::WindowText}, colour);
}

void Label::SetBackColor(Colour colour) { setRoleColour(*this, {QPalette::Window}, colour); }

} // namespace shrink2d::toolkit
