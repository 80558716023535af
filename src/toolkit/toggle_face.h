#pragma once

#include "toolkit/classic_paint.h"
#include "toolkit/colour.h"

#include <QPainter>

namespace shrink2d::toolkit {

// Draws a check box or option button as a toggle button that stays pressed in while ticked or
// selected: the face shows BackColor, the caption ForeColor. The whole face takes the click, not
// just the caption.
template <typename Button> class ToggleFace : public Button {
public:
    using Button::Button;

    Colour ForeColor() const { return m_foreColor; }
    Colour BackColor() const { return m_backColor; }
    void SetForeColor(Colour colour)
    {
        m_foreColor = colour;
        this->update();
    }
    void SetBackColor(Colour colour)
    {
        m_backColor = colour;
        this->update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        const bool pressedIn = this->isChecked() || this->isDown();
        drawBevelFace(painter, this->rect(), toQColor(m_backColor), pressedIn);
        // A pressed-in face shifts its caption down and right by a pixel, as real buttons do.
        const QRect textRect = this->rect().translated(pressedIn ? 1 : 0, pressedIn ? 1 : 0);
        painter.setPen(toQColor(m_foreColor));
        painter.setFont(this->font());
        painter.drawText(textRect, Qt::AlignCenter, this->text());
        if (this->hasFocus()) drawFocusMark(painter, this->rect().adjusted(3, 3, -3, -3));
    }

    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

private:
    Colour m_foreColor = kWindowText;
    Colour m_backColor = kLightGrey;
};

} // namespace shrink2d::toolkit
