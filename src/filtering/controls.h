#pragma once

#include "filtering/filter_settings.h"
#include "filtering/generation.h"

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

    // A view of an array of a derived control type as an array of the interface.
    template <typename Derived> explicit ControlArray(const ControlArray<Derived>& other)
    {
        m_items.reserve(static_cast<std::size_t>(other.Count()));
        for (int k = 0; k < other.Count(); ++k) m_items.push_back(&other(k));
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
    ControlArray<CheckBoxControl> chk100;      // first-position digits
    ControlArray<CheckBoxControl> chk10;       // second-position digits
    ControlArray<CheckBoxControl> Checkhe;     // sums
    ControlArray<CheckBoxControl> Check18;     // sum tails
    ControlArray<CheckBoxControl> Check19;     // spans
    ControlArray<CheckBoxControl> Check32;     // 012 roads
    ControlArray<CheckBoxControl> Check26;     // banker digits
    ControlArray<CheckBoxControl> Check27;     // parity patterns
    ControlArray<CheckBoxControl> Check28;     // parity-size and size-parity patterns
    ControlArray<CheckBoxControl> Check29;     // size patterns
    ControlArray<OptionButtonControl> Option1; // fix/kill for Check27
    ControlArray<OptionButtonControl> Option3; // fix/kill for Check28
    ControlArray<OptionButtonControl> Option4; // fix/kill for Check29
};

// Digit k is set when item k of the row has Value exactly 1.
DigitSet tickedDigits(const ControlArray<CheckBoxControl>& row);

// The banker digits, the four kill rows (from the ticked boxes' captions) and the four pattern
// groups with their modes, as the controls stand now.
FilterSettings readFilterSettings(const FormControls& form);

} // namespace shrink2d
