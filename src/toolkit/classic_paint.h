#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QStyle;

namespace shrink2d::toolkit {

// The classic edges below are whole device pixels at every scale: one line is as many device
// pixels as the scale's whole part, and the rectangle's edges are rounded the way the widget's
// clip rounds them, so the outermost pixels that show are edge, never face.

// A classic three-dimensional button face filled with face: a raised two-line bevel, or a
// sunken one while pressed in.
void drawBevelFace(QPainter& painter, const QRect& rect, const QColor& face, bool sunken);

// The etched rectangle of a frame: a dark line with a light line one line inside.
void drawEtchedRect(QPainter& painter, const QRect& rect);

// The classic focus mark: a dotted rectangle that inverts the pixels it covers, so it shows on
// every face colour.
void drawFocusMark(QPainter& painter, const QRect& rect);

// The window's style: Fusion, which draws every control from the palette, with the classic
// focus mark. The caller owns it.
QStyle* createClassicStyle();

} // namespace shrink2d::toolkit
