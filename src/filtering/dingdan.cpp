#include "filtering/dingdan.h"

#include "filtering/filter_pass.h"

namespace shrink2d::dingdan {

void ApplyBankerFilter(FormControls& form)
{
    const std::optional<std::string> filtered =
        bankerFilter(form.Text3->Text(), tickedDigits(form.boxesOf(ConditionGroup::Banker)));
    if (filtered) form.Text3->SetText(*filtered);
}

} // namespace shrink2d::dingdan
