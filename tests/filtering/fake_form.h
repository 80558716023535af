#pragma once

#include "filtering/controls.h"
#include "filtering/filter_settings.h"

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

inline std::vector<FakeCheckBox> numberedBoxes(int count)
{
    std::vector<FakeCheckBox> boxes;
    for (int k = 0; k < count; ++k) boxes.emplace_back(std::to_string(k));
    return boxes;
}

template <typename Captions> std::vector<FakeCheckBox> captionedBoxes(const Captions& captions)
{
    return {captions.begin(), captions.end()};
}

template <typename Base, typename Fake> ControlArray<Base> arrayOf(std::vector<Fake>& items)
{
    ControlArray<Base> array;
    for (Fake& item : items) array.append(&item);
    return array;
}

// The condition controls of the window in memory, with its captions and its state at start:
// every box unticked and "定" selected in every pair.
struct FakeForm {
    FakeForm() = default;
    FakeForm(const FakeForm&) = delete;
    FakeForm& operator=(const FakeForm&) = delete;

    static std::vector<FakeOptionButton> fixKillPair()
    {
        return {FakeOptionButton(true), FakeOptionButton(false)};
    }
    static void selectKill(std::vector<FakeOptionButton>& pair)
    {
        pair[0].value = false;
        pair[1].value = true;
    }

    FormControls controls()
    {
        FormControls form;
        form.Text3 = &Text3;
        form.Checkhe = arrayOf<CheckBoxControl>(Checkhe);
        form.Check18 = arrayOf<CheckBoxControl>(Check18);
        form.Check19 = arrayOf<CheckBoxControl>(Check19);
        form.Check32 = arrayOf<CheckBoxControl>(Check32);
        form.Check26 = arrayOf<CheckBoxControl>(Check26);
        form.Check27 = arrayOf<CheckBoxControl>(Check27);
        form.Check28 = arrayOf<CheckBoxControl>(Check28);
        form.Check29 = arrayOf<CheckBoxControl>(Check29);
        form.Option1 = arrayOf<OptionButtonControl>(Option1);
        form.Option3 = arrayOf<OptionButtonControl>(Option3);
        form.Option4 = arrayOf<OptionButtonControl>(Option4);
        return form;
    }

    FakeTextBox Text3;
    std::vector<FakeCheckBox> Checkhe = numberedBoxes(19);
    std::vector<FakeCheckBox> Check18 = numberedBoxes(10);
    std::vector<FakeCheckBox> Check19 = numberedBoxes(10);
    std::vector<FakeCheckBox> Check32 = captionedBoxes(kRoadCaptions);
    std::vector<FakeCheckBox> Check26 = numberedBoxes(10);
    std::vector<FakeCheckBox> Check27 = captionedBoxes(kParityCaptions);
    std::vector<FakeCheckBox> Check28 = captionedBoxes(kParitySizeCaptions);
    std::vector<FakeCheckBox> Check29 = captionedBoxes(kSizeCaptions);
    std::vector<FakeOptionButton> Option1 = fixKillPair();
    std::vector<FakeOptionButton> Option3 = fixKillPair();
    std::vector<FakeOptionButton> Option4 = fixKillPair();
};

} // namespace shrink2d::test
