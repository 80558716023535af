#pragma once

#include "toolkit/colour.h"

#include <QLabel>

namespace shrink2d::toolkit {

// A fixed text. A word-wrapped label sets its lines one em apart.
class Label : public PaletteColoured<QLabel> {
public:
    Label(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace shrink2d::toolkit
