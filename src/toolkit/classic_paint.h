#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace shrink2d::toolkit {

// A classic three-dimensional button face filled with face: a raised two-pixel bevel, or a
// sunken one while pressed in.
void drawBevelFace(QPainter& painter, const QRect& rect, const QColor& face, bool sunken);

// The etched rectangle of a frame: a dark line with a light line one pixel inside.
void drawEtchedRect(QPainter& painter, const QRect& rect);

} // namespace shrink2d::toolkit
