#pragma once

#include "filtering/catalogue.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace shrink2d {

// The operations through which the logic reads and writes the window. The toolkit layer
// implements them on real widgets; anything else (a test) can implement them in memory.

class CheckBoxControl {
public:
    virtual ~CheckBoxControl() = default;
    virtual int Value() const = 0; // 1 ticked, 0 unticked
    virtual std::string Caption() const = 0;
};

class OptionButtonControl {
public:
    virtual ~OptionButtonControl() = default;
    virtual bool Value() const = 0; // true when selected
};

class TextBoxControl {
public:
    virtual ~TextBoxControl() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

// Stands in for a text box while one handler runs: reads the box once and writes it only on
// commit, and only when something was written. Nothing can look at the box before the handler
// ends, so batching the writes changes nothing the user sees.
class TextBuffer : public TextBoxControl {
public:
    explicit TextBuffer(TextBoxControl& box) : m_box(box), m_text(box.Text()) {}

    std::string Text() const override { return m_text; }
    void SetText(std::string_view text) override
    {
        m_text = text;
        m_written = true;
    }
    std::string_view view() const { return m_text; }
    void commit()
    {
        if (m_written) m_box.SetText(m_text);
        m_written = false;
    }

private:
    TextBoxControl& m_box;
    std::string m_text;
    bool m_written = false;
};

// A named group of like controls, items addressed by index from 0. It does not own its items.
template <typename Item> class ControlArray {
public:
    ControlArray() = default;

    // A view of an array of a derived control type as an array of the interface: its items from
    // first on, count of them (all that follow when count is negative).
    template <typename Derived>
    explicit ControlArray(const ControlArray<Derived>& other, int first = 0, int count = -1)
    {
        const int end = count < 0 ? other.Count() : first + count;
        m_items.reserve(static_cast<std::size_t>(end - first));
        for (int k = first; k < end; ++k) m_items.push_back(&other(k));
    }

    // Item k; throws std::out_of_range for an index outside the array.
    Item& operator()(int k) const { return *m_items.at(static_cast<std::size_t>(k)); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void append(Item* item) { m_items.push_back(item); }

private:
    std::vector<Item*> m_items;
};

// The controls of the main window that generation and filtering read and write.
struct FormControls {
    TextBoxControl* Text3 = nullptr;
    ControlArray<CheckBoxControl> chk100; // first-position digits
    ControlArray<CheckBoxControl> chk10;  // second-position digits
    // The boxes of each condition group by catalogue index, box k of a group as its item k: a
    // window's array may show two groups (Check28), each seen here from its own first item.
    // Empty for a group the front end does not show.
    std::array<ControlArray<CheckBoxControl>, kConditionGroupCount> groups;
    // The 定 and 杀 buttons of each fix/kill pair, in modePairs() order; empty when not shown.
    std::array<ControlArray<OptionButtonControl>, kModePairCount> pairs;

    const ControlArray<CheckBoxControl>& boxesOf(ConditionGroup group) const
    {
        return groups[static_cast<std::size_t>(group)];
    }
};

// Digit k is set when item k of the row has Value exactly 1.
DigitSet tickedDigits(const ControlArray<CheckBoxControl>& row);

// The groups the controls show, as they stand now: banker digits, kill rows (from the ticked
// boxes' captions), pattern groups with their modes. A group without controls stays unset.
FilterSettings readFilterSettings(const FormControls& form);

} // namespace shrink2d
