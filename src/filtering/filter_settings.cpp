#include "filtering/filter_settings.h"

#include <algorithm>

namespace shrink2d {

bool NumericKill::rejects(long value) const
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

PatternGroup PatternGroup::withCaptions(std::span<const std::string_view> captions)
{
    PatternGroup group;
    group.captions.assign(captions.begin(), captions.end());
    group.ticked.assign(captions.size(), false);
    return group;
}

bool PatternGroup::isActive() const
{
    return std::any_of(ticked.begin(), ticked.end(), [](bool t) { return t; });
}

bool PatternGroup::rejects(std::string_view pattern) const
{
    if (!isActive()) return false;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        // Kill mode rejects through a ticked box, fix mode through an unticked one.
        if (ticked[k] == kill && captions[k] == pattern) return true;
    }
    return false;
}

} // namespace shrink2d
