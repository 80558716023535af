#pragma once

#include "toolkit/colour.h"

#include <QLabel>

namespace shrink2d::toolkit {

// A fixed text. A word-wrapped label sets its lines one em apart.
class Label : public QLabel {
public:
    Label(const QString& caption, QWidget* parent);

    Colour ForeColor() const { return m_foreColor; }
    void SetForeColor(Colour colour);
    void SetBackColor(Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour m_foreColor = kWindowText;
};

} // namespace shrink2d::toolkit
