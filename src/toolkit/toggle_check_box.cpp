#include "toolkit/toggle_check_box.h"

namespace shrink2d::toolkit {

ToggleCheckBox::ToggleCheckBox(const QString& caption, QWidget* parent)
    : ToggleFace<QCheckBox>(caption, parent)
{
    setTristate(false);
}

} // namespace shrink2d::toolkit
