#pragma once

#include "filtering/controls.h"
#include "toolkit/colour.h"
#include "toolkit/toggle_face.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace shrink2d::toolkit {

// Both kinds of option button behave in a group as on the classic desktop: only the selected
// button of a group is a Tab stop, so Tab into a group lands on its selection, and the arrow keys
// select and focus the previous or next button of the group, wrapping at either end.

// The ends of the keyboard rules above, for GroupedOption: keeps the button a Tab stop only while
// it is selected; and selects the neighbour an arrow key points to, false for any other key.
void keepSelectionAsTabStop(QAbstractButton& button);
bool stepThroughGroup(QAbstractButton& button, const QKeyEvent& event);

// An option button of either look, read through the control model.
template <typename Face> class GroupedOption : public Face, public OptionButtonControl {
public:
    GroupedOption(const QString& caption, QWidget* parent) : Face(caption, parent)
    {
        keepSelectionAsTabStop(*this);
    }

    bool Value() const override { return this->isChecked(); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!stepThroughGroup(*this, *event)) Face::keyPressEvent(event);
    }
};

// An ordinary option button: a circle with a dot and the caption beside it in ForeColor.
class OptionButton : public GroupedOption<PaletteColoured<QRadioButton>> {
public:
    OptionButton(const QString& caption, QWidget* parent);
};

// An option button drawn as a toggle button that stays pressed in while selected.
class ToggleOptionButton : public GroupedOption<ToggleFace<QRadioButton>> {
public:
    using GroupedOption::GroupedOption;
};

} // namespace shrink2d::toolkit
