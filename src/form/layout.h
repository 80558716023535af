#pragma once

// Where every control of the main window stands, as plain data: no toolkit, so that any front end
// that draws the classic form (the window, a page) places it from the same tables. Positions and
// sizes are in twips, 15 to a pixel at 96 dpi, measured from the upper left corner of the
// control's container. Condition captions are not here: they come from the condition catalogue.

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace shrink2d::layout {

struct Box {
    int left;
    int top;
    int width;
    int height;
};

// Where item k of an array goes: item 0's box, moved `across` for each item along a row of
// perRow items and `down` for each row.
struct Grid {
    Box first;
    int across = 0;
    int down = 0;
    int perRow = 1;

    constexpr Box place(int k) const
    {
        return {first.left + across * (k % perRow), first.top + down * (k / perRow), first.width,
                first.height};
    }
};

// The rows of a layout table. A table is built on one surface, the window or a page, in the
// order of its rows, which is the form's member order: later controls lie above earlier ones
// where they touch. Controls inside a frame name it by its place among the table's frames.
struct FrameRow {
    std::string_view name;
    int item;                 // the item of a frame array, -1 for a single frame
    std::string_view caption; // empty on a page: the caption of the condition row it holds
    Box box;
};
struct BoxesRow { // a check-box array
    int frame;
    std::string_view name;
    Grid grid;
};
struct PairRow { // a 定/杀 pair of option buttons
    int frame;
    std::string_view name;
    Grid grid;
};
struct LabelRow {
    int frame;
    std::string_view name;
    std::string_view caption;
    Box box;
};
struct CommandRow {
    int frame;
    std::string_view name;
    std::string_view caption;
    Box box;
};
struct TextRow {
    int frame;
    std::string_view name;
    bool multiLine;
    Box box;
};
using Row = std::variant<FrameRow, BoxesRow, PairRow, LabelRow, CommandRow, TextRow>;

// A row of boxes 360 twips apart, at that top within its frame.
constexpr Grid boxRow(int top) { return {{240, top, 375, 375}, 360, 0, 10}; }
// Four pattern boxes in a row (a second row 360 twips lower for items 4 to 7).
inline constexpr Grid kPatternRow{{960, 360, 735, 375}, 720, 360, 4};
// A fix/kill pair, one above the other.
constexpr Grid modePair(int left, int top, int width) { return {{left, top, width, 255}, 0, 240}; }

// The client area of the window.
inline constexpr Box kWindow{0, 0, 8220, 5580};

// The page selectors, Option2 items 0 to 3, and the pages, Frame9 items 0 to 3, all in one place.
inline constexpr Grid kPageSelectors{{1320, 240, 1095, 375}, 1080, 0, 4};
inline constexpr Box kPages{1320, 600, 4335, 4935};

// The two fixed regions of the window.
inline constexpr auto kWindowLayout = std::to_array<Row>({
    FrameRow{"Frame5", -1, "组号", {120, 120, 1215, 5415}},
    BoxesRow{0, "chk10", {{720, 840, 300, 300}, 0, 360}},
    BoxesRow{0, "chk100", {{240, 840, 300, 300}, 0, 360}},
    CommandRow{0, "Command1", "1、组号", {120, 4680, 975, 495}},
    LabelRow{0, "Label2", "二位", {720, 360, 255, 375}},
    LabelRow{0, "Label1", "一位", {240, 360, 255, 375}},
    FrameRow{"Frame4", -1, "结果", {5640, 120, 2535, 5415}},
    CommandRow{1, "Command3", "2、过滤", {120, 4800, 1095, 495}},
    CommandRow{1, "Command2", "主页", {1200, 4800, 1215, 495}},
    TextRow{1, "Text1", false, {120, 4440, 2295, 270}},
    TextRow{1, "Text3", true, {120, 240, 2295, 4215}},
});

// Page 0, "基本条件".
inline constexpr auto kPage0Layout = std::to_array<Row>({
    FrameRow{"Frame2", -1, {}, {120, 120, 4095, 855}},
    BoxesRow{0, "Check19", boxRow(360)},
    FrameRow{"Frame3", -1, {}, {120, 960, 4095, 1095}},
    BoxesRow{1, "Checkhe", {{240, 240, 375, 375}, 360, 360, 10}},
    FrameRow{"Frame6", -1, {}, {120, 2760, 4095, 1095}},
    BoxesRow{2, "Check32", boxRow(360)},
    LabelRow{2, "Label19", "2路：258", {2640, 720, 855, 255}},
    LabelRow{2, "Label18", "1路：147", {1560, 720, 855, 255}},
    LabelRow{2, "Label17", "0路：0369", {360, 720, 855, 255}},
    FrameRow{"Frame1", -1, {}, {120, 3840, 4095, 975}},
    BoxesRow{3, "Check26", boxRow(360)},
    FrameRow{"Frame7", -1, {}, {120, 2040, 4095, 735}},
    BoxesRow{4, "Check18", boxRow(240)},
});

// Page 1, "特征条件": the three items of Frame8, whose captions are their own (items 0 and 2
// carry the same one, although item 2 holds the big/small patterns).
inline constexpr auto kPage1Layout = std::to_array<Row>({
    FrameRow{"Frame8", 0, "定、杀奇偶特征", {120, 240, 4095, 975}},
    FrameRow{"Frame8", 1, "定、杀奇偶大小形态", {120, 1320, 4095, 1335}},
    FrameRow{"Frame8", 2, "定、杀奇偶特征", {120, 2760, 4095, 1095}},
    BoxesRow{1, "Check28", kPatternRow},
    PairRow{1, "Option3", modePair(240, 480, 735)},
    PairRow{0, "Option1", modePair(240, 360, 735)},
    BoxesRow{0, "Check27", kPatternRow},
    BoxesRow{2, "Check29", kPatternRow},
    PairRow{2, "Option4", modePair(360, 360, 495)},
    LabelRow{2, "Label3", "小：0到4 大：5到9", {1320, 795, 1935, 255}},
});

// A condition page: the caption of its selector and the rows the window draws on it.
struct Page {
    std::string_view name;
    std::span<const Row> rows;
};

// The pages by index. "高级条件" and "其他条件" are empty in the window.
inline constexpr std::array<Page, 4> kConditionPages = {{
    {"基本条件", kPage0Layout},
    {"特征条件", kPage1Layout},
    {"高级条件", {}},
    {"其他条件", {}},
}};

// The frame row of a table that holds the named control; null when no row names it.
inline const FrameRow* frameHolding(std::span<const Row> table, std::string_view control)
{
    std::vector<const FrameRow*> frames;
    for (const Row& row : table) {
        if (const auto* frame = std::get_if<FrameRow>(&row)) {
            frames.push_back(frame);
            continue;
        }
        const auto [in, name] = std::visit(
            [](const auto& r) -> std::pair<int, std::string_view> {
                if constexpr (requires { r.frame; }) return {r.frame, r.name};
                return {-1, {}};
            },
            row);
        if (name == control) return frames.at(static_cast<std::size_t>(in));
    }
    return nullptr;
}

// A check-box array or a 定/杀 pair of a page.
struct PageStop {
    std::string_view name;
    bool isPair;
};

// The arrays, pairs and text boxes of a page in reading order, the order the keyboard visits them:
// frames from top to bottom, within a frame from left to right, then from top to bottom.
inline std::vector<PageStop> readingOrder(std::span<const Row> page)
{
    struct Placed {
        int frameTop; // its frame's top on the page
        int left;     // its first item's place in the frame
        int top;
        PageStop stop;
    };
    std::vector<int> frameTops;
    std::vector<Placed> placed;
    for (const Row& row : page) {
        if (const auto* frame = std::get_if<FrameRow>(&row)) {
            frameTops.push_back(frame->box.top);
        } else if (const auto* boxes = std::get_if<BoxesRow>(&row)) {
            placed.push_back({frameTops.at(static_cast<std::size_t>(boxes->frame)),
                              boxes->grid.first.left,
                              boxes->grid.first.top,
                              {boxes->name, false}});
        } else if (const auto* pair = std::get_if<PairRow>(&row)) {
            placed.push_back({frameTops.at(static_cast<std::size_t>(pair->frame)),
                              pair->grid.first.left,
                              pair->grid.first.top,
                              {pair->name, true}});
        } else if (const auto* text = std::get_if<TextRow>(&row)) {
            placed.push_back({frameTops.at(static_cast<std::size_t>(text->frame)),
                              text->box.left,
                              text->box.top,
                              {text->name, false}});
        }
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::tie(a.frameTop, a.left, a.top) < std::tie(b.frameTop, b.left, b.top);
    });
    std::vector<PageStop> stops;
    for (const Placed& p : placed) stops.push_back(p.stop);
    return stops;
}

} // namespace shrink2d::layout
