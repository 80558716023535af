#include "toolkit/classic_paint.h"

#include <QPainter>

namespace shrink2d::toolkit {
namespace {

const QColor kHighlight(255, 255, 255);
const QColor kLight(227, 227, 227);
const QColor kShadow(160, 160, 160);
const QColor kDarkShadow(105, 105, 105);

} // namespace

void drawBevelFace(QPainter& painter, const QRect& rect, const QColor& face, bool sunken)
{
    painter.fillRect(rect, face);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    const QColor outerTopLeft = sunken ? kDarkShadow : kHighlight;
    const QColor innerTopLeft = sunken ? kShadow : kLight;
    const QColor outerBottomRight = sunken ? kHighlight : kDarkShadow;
    const QColor innerBottomRight = sunken ? kLight : kShadow;

    painter.setPen(outerTopLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(outerBottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    const QRect inner = r.adjusted(1, 1, -1, -1);
    painter.setPen(innerTopLeft);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(innerBottomRight);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

void drawEtchedRect(QPainter& painter, const QRect& rect)
{
    const QRect r = rect.adjusted(0, 0, -2, -2);
    painter.setPen(kShadow);
    painter.drawRect(r);
    painter.setPen(kHighlight);
    painter.drawRect(r.translated(1, 1));
}

} // namespace shrink2d::toolkit
