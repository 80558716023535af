#include "window/tab_order.h"

#include "window/form1.h"
#include "window/layout.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

namespace shrink2d {
namespace {

template <typename Array> void append(std::vector<QWidget*>& order, const Array& array)
{
    for (int k = 0; k < array.Count(); ++k) order.push_back(&array(k));
}

// A check-box array or a 定/杀 pair of a page, and where it stands.
struct PageStop {
    int frameTop; // its frame's top on the page
    int left;     // its first item's place in the frame
    int top;
    bool isPair;
    std::string_view name;
};

// The arrays and pairs of a page in reading order: frames from top to bottom, within a frame from
// left to right, then from top to bottom.
std::vector<PageStop> stopsOf(std::span<const layout::Row> page)
{
    std::vector<int> frameTops;
    std::vector<PageStop> stops;
    for (const layout::Row& row : page) {
        if (const auto* frame = std::get_if<layout::FrameRow>(&row)) {
            frameTops.push_back(frame->box.top);
        } else if (const auto* boxes = std::get_if<layout::BoxesRow>(&row)) {
            stops.push_back({frameTops.at(static_cast<std::size_t>(boxes->frame)),
                             boxes->grid.first.left, boxes->grid.first.top, false, boxes->name});
        } else if (const auto* pair = std::get_if<layout::PairRow>(&row)) {
            stops.push_back({frameTops.at(static_cast<std::size_t>(pair->frame)),
                             pair->grid.first.left, pair->grid.first.top, true, pair->name});
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](const PageStop& a, const PageStop& b) {
        return std::tie(a.frameTop, a.left, a.top) < std::tie(b.frameTop, b.left, b.top);
    });
    return stops;
}

} // namespace

void orderTabStops(Form1& form)
{
    std::vector<QWidget*> order;
    append(order, form.chk100);
    append(order, form.chk10);
    order.push_back(form.Command1);
    append(order, form.Option2);
    for (const std::span<const layout::Row> page : layout::kPageLayouts) {
        for (const PageStop& stop : stopsOf(page)) {
            if (stop.isPair) {
                append(order, form.pairNamed(stop.name));
            } else {
                append(order, form.boxesNamed(stop.name));
            }
        }
    }
    order.insert(order.end(), {form.Text3, form.Text1, form.Command3, form.Command2});
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

} // namespace shrink2d
