#include "toolkit/frame.h"

#include "toolkit/classic_paint.h"

#include <QPainter>
#include <QStackedWidget>

namespace shrink2d::toolkit {

Frame::Frame(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_captionFont(font())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::SetForeColor(Colour colour)
{
    m_foreColor = colour;
    update();
}

void Frame::SetBackColor(Colour colour)
{
    m_backColor = colour;
    update();
}

void Frame::SetCaptionFont(const QFont& font)
{
    m_captionFont = font;
    update();
}

void Frame::ZOrder()
{
    if (auto* stack = qobject_cast<QStackedWidget*>(parentWidget())) {
        stack->setCurrentWidget(this);
    } else {
        raise();
    }
}

void Frame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (m_caption.isEmpty()) {
        drawEtchedRect(painter, rect());
        return;
    }
    // The border runs through the middle of the caption's line; the caption hides it.
    const QFontMetrics metrics(m_captionFont);
    const int borderTop = metrics.height() / 2;
    drawEtchedRect(painter, rect().adjusted(0, borderTop, 0, 0));
    const int captionLeft = 7;
    const int captionWidth = metrics.horizontalAdvance(m_caption) + 4;
    const QRect captionRect(captionLeft, 0, captionWidth, metrics.height());
    painter.fillRect(captionRect, toQColor(m_backColor));
    painter.setPen(toQColor(m_foreColor));
    painter.setFont(m_captionFont);
    painter.drawText(captionRect, Qt::AlignCenter, m_caption);
}

} // namespace shrink2d::toolkit
