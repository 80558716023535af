#pragma once

#include "filtering/controls.h"
#include "toolkit/toggle_face.h"

#include <QCheckBox>

namespace shrink2d::toolkit {

// A check box of the window: a toggle button whose Value is 1 while ticked and 0 otherwise.
class ToggleCheckBox : public ToggleFace<QCheckBox>, public CheckBoxControl {
public:
    ToggleCheckBox(const QString& caption, QWidget* parent);

    int Value() const override { return isChecked() ? 1 : 0; }
    std::string Caption() const override { return text().toStdString(); }
};

} // namespace shrink2d::toolkit
