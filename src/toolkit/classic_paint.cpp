#include "toolkit/classic_paint.h"

#include "toolkit/colour.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QtMath>

namespace shrink2d::toolkit {
namespace {

// The edges take the classic palette's 3-D colours, whatever the desktop's are.
QColor edge(QPalette::ColorRole role) { return classicPalette().color(role); }

// Switches the painter to device pixels for as long as it lives. At a fractional scale a
// one-pixel line would straddle device pixels and come out one or two wide, so the classic edges
// are drawn as whole device pixels, one line width wide at every scale.
class DevicePixels {
public:
    DevicePixels(QPainter& painter, const QRect& logical)
        : m_painter(painter), m_world(painter.worldTransform())
    {
        const QTransform toDevice = painter.deviceTransform();
        // The widget's clip rounds each edge to the nearest device pixel; the rectangle is
        // rounded alike, so its outermost pixels are the ones that show.
        const QRectF exact = toDevice.mapRect(QRectF(logical));
        m_rect = QRect(QPoint(qRound(exact.left()), qRound(exact.top())),
                       QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
        m_line = qMax(1, qFloor(toDevice.m11() + 0.001));
        painter.setWorldTransform(toDevice.inverted() * m_world);
    }
    ~DevicePixels() { m_painter.setWorldTransform(m_world); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    const QRect& rect() const { return m_rect; }
    int line() const { return m_line; }

    // One ring of line width inside r: top and left in topLeft, bottom and right in bottomRight,
    // which also takes the top-right and bottom-left corners.
    void ring(const QRect& r, const QColor& topLeft, const QColor& bottomRight) const
    {
        m_painter.fillRect(QRect(r.left(), r.top(), r.width(), m_line), topLeft);
        m_painter.fillRect(QRect(r.left(), r.top(), m_line, r.height()), topLeft);
        m_painter.fillRect(QRect(r.left(), r.bottom() - m_line + 1, r.width(), m_line),
                           bottomRight);
        m_painter.fillRect(QRect(r.right() - m_line + 1, r.top(), m_line, r.height()), bottomRight);
    }

private:
    QPainter& m_painter;
    QTransform m_world;
    QRect m_rect;
    int m_line = 1;
};

// Fusion with the classic focus mark.
class ClassicStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect) {
            drawFocusMark(*painter, option->rect);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

void drawBevelFace(QPainter& painter, const QRect& rect, const QColor& face, bool sunken)
{
    const DevicePixels device(painter, rect);
    const QRect outer = device.rect();
    const int line = device.line();
    painter.fillRect(outer, face);
    const QRect inner = outer.adjusted(line, line, -line, -line);
    const QColor highlight = edge(QPalette::Light);
    const QColor light = edge(QPalette::Midlight);
    const QColor shadow = edge(QPalette::Dark);
    const QColor darkShadow = edge(QPalette::Shadow);
    if (sunken) {
        device.ring(outer, darkShadow, highlight);
        device.ring(inner, shadow, light);
    } else {
        device.ring(outer, highlight, darkShadow);
        device.ring(inner, light, shadow);
    }
}

void drawEtchedRect(QPainter& painter, const QRect& rect)
{
    const DevicePixels device(painter, rect);
    const int line = device.line();
    const QRect dark = device.rect().adjusted(0, 0, -line, -line);
    device.ring(dark, edge(QPalette::Dark), edge(QPalette::Dark));
    device.ring(dark.translated(line, line), edge(QPalette::Light), edge(QPalette::Light));
}

void drawFocusMark(QPainter& painter, const QRect& rect)
{
    const DevicePixels device(painter, rect);
    const QRect r = device.rect();
    const int line = device.line();
    painter.save();
    // White XOR inverts every dot, so the mark stands out on any face colour.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const auto dot = [&](int x, int y) { painter.fillRect(x, y, line, line, Qt::white); };
    for (int x = r.left(); x + line <= r.right() + 1; x += 2 * line) {
        dot(x, r.top());
        dot(x, r.bottom() - line + 1);
    }
    for (int y = r.top() + 2 * line; y + line <= r.bottom() - line + 1; y += 2 * line) {
        dot(r.left(), y);
        dot(r.right() - line + 1, y);
    }
    painter.restore();
}

QStyle* createClassicStyle() { return new ClassicStyle(QStringLiteral("Fusion")); }

} // namespace shrink2d::toolkit
