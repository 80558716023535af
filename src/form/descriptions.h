#pragma once

// What the controls of the classic form that are not conditions are called and what they do, as
// a screen reader announces them and their tooltips show them: the window and the page both take
// them from here. Keyed by the window's control names. The condition rows' texts come from the
// condition catalogue.

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace shrink2d::layout {

// A digit row: the position it names, the caption of the label above its column, before each
// box's caption ("一位 3"), and what a ticked box does; %1 stands for the box's caption.
struct DigitRow {
    std::string_view control;
    std::string_view position;
    std::string_view description;
};

inline constexpr auto kDigitRows = std::to_array<DigitRow>({
    {"chk100", "一位", "组号时一位可以是%1"},
    {"chk10", "二位", "组号时二位可以是%1"},
});

// A button or text box: the name it is announced by (a button's is its caption, so none is
// given) and what it does.
struct ControlDescription {
    std::string_view control;
    std::string_view name;
    std::string_view description;
};

inline constexpr auto kControlDescriptions = std::to_array<ControlDescription>({
    {"Command1", {}, "按一位、二位所勾数字生成全部号码"},
    {"Command3", {}, "按所勾条件缩减结果中的号码"},
    {"Command2", {}, "在浏览器中打开主页"},
    {"Text3", "结果", "号码列表，每个号码后跟一个空格，可复制，也可自行输入"},
    {"Text1", "共计", "结果中的号码个数"},
});

// What a page selector does; %1 stands for the page's name, which is also the selector's.
inline constexpr std::string_view kPageSelectorDescription = "显示%1页";

// The row of kControlDescriptions for the named control, which must be one of them.
inline const ControlDescription& descriptionOf(std::string_view control)
{
    const auto found =
        std::find_if(kControlDescriptions.begin(), kControlDescriptions.end(),
                     [control](const ControlDescription& row) { return row.control == control; });
    if (found == kControlDescriptions.end()) {
        throw std::out_of_range("no description for " + std::string(control));
    }
    return *found;
}

} // namespace shrink2d::layout
