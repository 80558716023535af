#include "toolkit/command_button.h"

#include "toolkit/classic_paint.h"

#include <QKeyEvent>
#include <QPainter>

namespace shrink2d::toolkit {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::SetBackColor(Colour colour)
{
    m_backColor = colour;
    update();
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // Return and Enter press the focused button, as Space does. Qt leaves them to a default
    // button, and this window has none.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor face = m_backColor ? toQColor(*m_backColor) : palette().color(QPalette::Button);
    drawBevelFace(painter, rect(), face, isDown());
    const int shift = isDown() ? 1 : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());
    if (hasFocus()) drawFocusMark(painter, rect().adjusted(4, 4, -4, -4));
}

} // namespace shrink2d::toolkit
