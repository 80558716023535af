#pragma once

#include "filtering/controls.h"

namespace shrink2d::dingdan {

// Keeps in Text3 only the elements that hold a ticked banker digit (Check26) at either end. With
// no banker digit ticked Text3 is not written at all. Text1 is left alone: the caller recounts.
void ApplyBankerFilter(FormControls& form);

} // namespace shrink2d::dingdan
