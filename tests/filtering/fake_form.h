#pragma once

#include "filtering/catalogue.h"
#include "filtering/controls.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <stdexcept>
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

// The controls with this name; an unknown name throws, so that a test cannot pass on a typo.
template <typename Map> auto& named(Map& controls, std::string_view name)
{
    const auto found = controls.find(name);
    if (found == controls.end()) throw std::out_of_range("no control named " + std::string(name));
    return found->second;
}

// The condition controls of the window in memory, built from the catalogue with its captions,
// and in its state at start: every box unticked and "定" selected in every pair.
struct FakeForm {
    FakeForm()
    {
        for (const ConditionEntry& entry : conditionCatalogue()) {
            std::vector<FakeCheckBox>& array = boxes[std::string(entry.control)];
            const auto first = static_cast<std::size_t>(entry.firstItem);
            array.resize(std::max(array.size(), first + entry.boxCount()), FakeCheckBox(""));
            for (std::size_t k = 0; k < entry.boxCount(); ++k) {
                array[first + k].caption = entry.boxCaptions[k];
            }
        }
        for (const ModePair& pair : modePairs()) {
            pairs[std::string(pair.control)] = {FakeOptionButton(true), FakeOptionButton(false)};
        }
    }
    FakeForm(const FakeForm&) = delete;
    FakeForm& operator=(const FakeForm&) = delete;

    FakeCheckBox& box(std::string_view array, std::size_t item)
    {
        return named(boxes, array).at(item);
    }
    // Ticks these items of the array: f.tick("Check32", 1, 6, 7).
    template <typename... Items> void tick(std::string_view array, Items... items)
    {
        ((box(array, static_cast<std::size_t>(items)).value = 1), ...);
    }
    void selectKill(std::string_view pair)
    {
        std::vector<FakeOptionButton>& buttons = named(pairs, pair);
        buttons.at(0).value = false;
        buttons.at(1).value = true;
    }

    FormControls controls()
    {
        FormControls form;
        form.Text3 = &Text3;
        for (const ConditionEntry& entry : conditionCatalogue()) {
            form.*entry.boxes = arrayOf<CheckBoxControl>(named(boxes, entry.control));
        }
        for (const ModePair& pair : modePairs()) {
            form.*pair.buttons = arrayOf<OptionButtonControl>(named(pairs, pair.control));
        }
        return form;
    }

    FakeTextBox Text3;
    std::map<std::string, std::vector<FakeCheckBox>, std::less<>> boxes; // by control name
    std::map<std::string, std::vector<FakeOptionButton>, std::less<>> pairs;
};

} // namespace shrink2d::test
