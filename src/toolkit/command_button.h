#pragma once

#include "toolkit/colour.h"

#include <QPushButton>

#include <optional>

namespace shrink2d::toolkit {

// A command button with a classic face: the face shows BackColor when one is set, the platform's
// button colour otherwise.
class CommandButton : public QPushButton {
public:
    CommandButton(const QString& caption, QWidget* parent);

    std::optional<Colour> BackColor() const { return m_backColor; }
    void SetBackColor(Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<Colour> m_backColor;
};

} // namespace shrink2d::toolkit
