#include "toolkit/colour.h"

#include <QGuiApplication>

namespace shrink2d::toolkit {
namespace {

QPalette::ColorRole systemColourRole(unsigned index)
{
    switch (index) {
    case 5:
        return QPalette::Base; // window background
    case 8:
        return QPalette::WindowText; // window text
    case 15:
        return QPalette::Button; // button face
    case 18:
        return QPalette::ButtonText; // button text
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(Colour colour)
{
    if ((colour & 0x80000000U) != 0) {
        return QGuiApplication::palette().color(systemColourRole(colour & 0xFFU));
    }
    return QColor(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
                  static_cast<int>((colour >> 16U) & 0xFFU));
}

void setRoleColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, Colour colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) palette.setColor(role, toQColor(colour));
    widget.setPalette(palette);
}

} // namespace shrink2d::toolkit
