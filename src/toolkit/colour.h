#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>
#include <initializer_list>

namespace shrink2d::toolkit {

// Colours as the window's tables give them: 0x00BBGGRR, red in the low byte. A value with the
// top bit set names a system colour by its index in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kPaleYellow = 0x80FFFF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kLightGrey = 0xE0E0E0;
inline constexpr Colour kLightBlue = 0xFFC0C0;
inline constexpr Colour kWindowText = 0x80000008; // system colour 8

// The window's own palette: the classic light system colours its fixed colours were chosen
// against, set in every role and group so that nothing of the desktop's palette shows through.
const QPalette& classicPalette();

// The concrete colour; system colours are resolved from the classic palette, never from the
// desktop's (window text from its WindowText role, the rest from the closest role).
QColor toQColor(Colour colour);

// Sets the palette roles a widget draws the colour with.
void setRoleColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
                   Colour colour);

// A widget coloured through its palette, as labels and ordinary option buttons are. ForeColor
// reads back the colour as given, a system colour unresolved, as the control model expects.
template <typename Widget> class PaletteColoured : public Widget {
public:
    using Widget::Widget;

    Colour ForeColor() const { return m_foreColor; }
    void SetForeColor(Colour colour)
    {
        m_foreColor = colour;
        setRoleColour(*this, {QPalette::WindowText, QPalette::ButtonText}, colour);
    }
    // Fills the role the widget paints its background from: Window for a label, Button for a
    // button.
    void SetBackColor(Colour colour)
    {
        setRoleColour(*this, {this->backgroundRole()}, colour);
        this->setAutoFillBackground(true);
    }

private:
    Colour m_foreColor = kWindowText;
};

} // namespace shrink2d::toolkit
