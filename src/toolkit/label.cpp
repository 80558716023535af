#include "toolkit/label.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

namespace shrink2d::toolkit {

Label::Label(const QString& caption, QWidget* parent) : PaletteColoured(caption, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    // Chinese lines one em apart, as the classic interface font sets them: at the face's own
    // line spacing the second line of a label two characters high is cut off at the bottom.
    const qreal em = QFontInfo(font()).pixelSize();
    QTextLayout layout(text(), font());
    layout.beginLayout();
    for (qreal top = 0;; top += em) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, top));
    }
    layout.endLayout();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

} // namespace shrink2d::toolkit
