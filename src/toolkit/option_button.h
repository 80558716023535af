#pragma once

#include "filtering/controls.h"
#include "toolkit/colour.h"
#include "toolkit/toggle_face.h"

#include <QRadioButton>

namespace shrink2d::toolkit {

// Both kinds of option button behave in a group as on the classic desktop: only the selected
// button of a group is a Tab stop, so Tab into a group lands on its selection, and the arrow keys
// select and focus the previous or next button of the group, wrapping at either end.

// An ordinary option button: a circle with a dot and the caption beside it in ForeColor.
class OptionButton : public QRadioButton, public OptionButtonControl {
public:
    OptionButton(const QString& caption, QWidget* parent);

    bool Value() const override { return isChecked(); }
    std::string Caption() const override { return text().toStdString(); }

    Colour ForeColor() const { return m_foreColor; }
    void SetForeColor(Colour colour);
    void SetBackColor(Colour colour);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Colour m_foreColor = kWindowText;
};

// An option button drawn as a toggle button that stays pressed in while selected.
class ToggleOptionButton : public ToggleFace<QRadioButton>, public OptionButtonControl {
public:
    ToggleOptionButton(const QString& caption, QWidget* parent);

    bool Value() const override { return isChecked(); }
    std::string Caption() const override { return text().toStdString(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace shrink2d::toolkit
