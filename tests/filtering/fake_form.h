#pragma once

#include "filtering/catalogue.h"
#include "filtering/controls.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shrink2d::test {

struct FakeCheckBox final : CheckBoxControl {
    explicit FakeCheckBox(std::string_view text) : caption(text) {}
    int Value() const override { return value; }
    std::string Caption() const override { return caption; }
    int value = 0;
    std::string caption;
};

struct FakeOptionButton final : OptionButtonControl {
    explicit FakeOptionButton(bool selected) : value(selected) {}
    bool Value() const override { return value; }
    bool value;
};

struct FakeTextBox final : TextBoxControl {
    std::string Text() const override { return text; }
    void SetText(std::string_view newText) override
    {
        text = newText;
        ++writes;
    }
    std::string text;
    int writes = 0; // proves that a box was not written at all
};

template <typename Base, typename Fake> ControlArray<Base> arrayOf(std::vector<Fake>& items)
{
    ControlArray<Base> array;
    for (Fake& item : items) array.append(&item);
    return array;
}

// The condition controls in memory, a group's boxes and a pair's buttons each an array of their
// own, with the catalogue's captions, and in the state at start: every box unticked and "定"
// selected in every pair.
struct FakeForm {
    FakeForm()
    {
        for (const ConditionEntry& entry : conditionCatalogue()) {
            std::vector<FakeCheckBox>& array = boxes[entry.index()];
            for (const std::string_view caption : entry.boxCaptions) array.emplace_back(caption);
        }
        for (auto& pair : pairs) pair = {FakeOptionButton(true), FakeOptionButton(false)};
    }
    FakeForm(const FakeForm&) = delete;
    FakeForm& operator=(const FakeForm&) = delete;

    FakeCheckBox& box(ConditionGroup group, std::size_t item)
    {
        return boxes.at(static_cast<std::size_t>(group)).at(item);
    }
    // Ticks these boxes of the group: f.tick(ConditionGroup::Road, 1, 6, 7).
    template <typename... Items> void tick(ConditionGroup group, Items... items)
    {
        ((box(group, static_cast<std::size_t>(items)).value = 1), ...);
    }
    // Selects 杀 in the pair that governs the group.
    void selectKill(ConditionGroup group)
    {
        std::vector<FakeOptionButton>& buttons = pairs.at(indexOf(*entryOf(group).mode));
        buttons.at(0).value = false;
        buttons.at(1).value = true;
    }

    FormControls controls()
    {
        FormControls form;
        form.Text3 = &Text3;
        for (std::size_t g = 0; g < boxes.size(); ++g) {
            form.groups.at(g) = arrayOf<CheckBoxControl>(boxes[g]);
        }
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            form.pairs.at(p) = arrayOf<OptionButtonControl>(pairs[p]);
        }
        return form;
    }

    FakeTextBox Text3;
    std::array<std::vector<FakeCheckBox>, kConditionGroupCount> boxes; // by catalogue index
    std::array<std::vector<FakeOptionButton>, kModePairCount> pairs;
};

} // namespace shrink2d::test
