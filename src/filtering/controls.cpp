#include "filtering/controls.h"

#include "filtering/catalogue.h"

#include <string>
#include <vector>

namespace shrink2d {
namespace {

bool isTicked(const CheckBoxControl& box) { return box.Value() == 1; }

} // namespace

DigitSet tickedDigits(const ControlArray<CheckBoxControl>& row)
{
    DigitSet digits;
    for (int k = 0; k < row.Count() && k < 10; ++k) {
        if (isTicked(row(k))) digits.set(static_cast<std::size_t>(k));
    }
    return digits;
}

FilterSettings readFilterSettings(const FormControls& form)
{
    FilterSettings settings;
    for (const ConditionEntry& entry : conditionCatalogue()) {
        // Each group's boxes with the captions they show: a kill row holds the values its
        // ticked captions spell.
        const ControlArray<CheckBoxControl>& row = form.groups[entry.index()];
        if (row.Count() == 0) continue;
        Boxes ticked;
        std::vector<std::string> captions;
        for (std::size_t k = 0; k < entry.boxCount(); ++k) {
            const CheckBoxControl& box = row(static_cast<int>(k));
            ticked[k] = isTicked(box);
            captions.push_back(box.Caption());
        }
        storeBoxes(entry, settings, ticked, captions);
    }
    // Item 1 ("杀") selected means kill, anything else fix.
    for (const ModePair& pair : modePairs()) {
        const ControlArray<OptionButtonControl>& buttons = form.pairs[indexOf(pair)];
        if (buttons.Count() > 0) setKill(pair, settings, buttons(1).Value());
    }
    return settings;
}

} // namespace shrink2d
