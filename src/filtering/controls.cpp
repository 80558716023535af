#include "filtering/controls.h"

namespace shrink2d {
namespace {

bool isTicked(const CheckBoxControl& box) { return box.Value() == 1; }

NumericKill readKillRow(const ControlArray<CheckBoxControl>& row)
{
    NumericKill kill;
    for (int k = 0; k < row.Count(); ++k) {
        if (isTicked(row(k))) kill.values.push_back(lenientValue(row(k).Caption()));
    }
    return kill;
}

// Four boxes of row from index first on, in the mode of the pair: item 1 ("杀") selected means
// kill, anything else fix.
PatternGroup readPatternGroup(const ControlArray<CheckBoxControl>& row, int first,
                              const ControlArray<OptionButtonControl>& mode)
{
    PatternGroup group;
    for (int k = 0; k < 4; ++k) {
        const auto index = static_cast<std::size_t>(k);
        group.captions[index] = row(first + k).Caption();
        group.ticked[index] = isTicked(row(first + k));
    }
    group.kill = mode(1).Value();
    return group;
}

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
    settings.banker = tickedDigits(form.Check26);
    settings.sums = readKillRow(form.Checkhe);
    settings.sumTails = readKillRow(form.Check18);
    settings.spans = readKillRow(form.Check19);
    settings.roads = readKillRow(form.Check32);
    settings.parity = readPatternGroup(form.Check27, 0, form.Option1);
    settings.paritySize = readPatternGroup(form.Check28, 0, form.Option3);
    settings.sizeParity = readPatternGroup(form.Check28, 4, form.Option3);
    settings.size = readPatternGroup(form.Check29, 0, form.Option4);
    return settings;
}

} // namespace shrink2d
