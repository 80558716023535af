#include "toolkit/colour.h"

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

QPalette makeClassicPalette()
{
    struct RoleColour {
        QPalette::ColorRole role;
        QRgb rgb;
    };
    // The platform's standard light scheme; the bevels of classic_paint.cpp draw with its 3-D
    // colours. Button face F0F0F0, 3-D light E3E3E3, shadow A0A0A0, dark shadow 696969, black text
    // on white.
    static constexpr RoleColour kRoles[] = {
        {QPalette::WindowText, 0x000000},    {QPalette::Button, 0xF0F0F0},
        {QPalette::Light, 0xFFFFFF},         {QPalette::Midlight, 0xE3E3E3},
        {QPalette::Dark, 0xA0A0A0},          {QPalette::Mid, 0xA0A0A0},
        {QPalette::Text, 0x000000},          {QPalette::BrightText, 0xFFFFFF},
        {QPalette::ButtonText, 0x000000},    {QPalette::Base, 0xFFFFFF},
        {QPalette::Window, 0xF0F0F0},        {QPalette::Shadow, 0x696969},
        {QPalette::Highlight, 0x0078D7},     {QPalette::HighlightedText, 0xFFFFFF},
        {QPalette::Link, 0x0000FF},          {QPalette::LinkVisited, 0xFF00FF},
        {QPalette::AlternateBase, 0xF7F7F7}, {QPalette::ToolTipBase, 0xFFFFE1},
        {QPalette::ToolTipText, 0x000000},   {QPalette::PlaceholderText, 0x6D6D6D},
    };
    QPalette palette;
    for (const RoleColour& entry : kRoles) {
        palette.setColor(QPalette::All, entry.role, QColor::fromRgb(entry.rgb));
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor::fromRgb(0x6D6D6D)); // grey text
    }
    return palette;
}

} // namespace

const QPalette& classicPalette()
{
    static const QPalette palette = makeClassicPalette();
    return palette;
}

QColor toQColor(Colour colour)
{
    if ((colour & 0x80000000U) != 0) {
        return classicPalette().color(systemColourRole(colour & 0xFFU));
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
