#include "window/tab_order.h"

#include "form/layout.h"
#include "window/form1.h"

#include <span>
#include <vector>

namespace shrink2d {
namespace {

template <typename Array> void append(std::vector<QWidget*>& order, const Array& array)
{
    for (int k = 0; k < array.Count(); ++k) order.push_back(&array(k));
}

} // namespace

void orderTabStops(Form1& form)
{
    std::vector<QWidget*> order;
    append(order, form.chk100);
    append(order, form.chk10);
    order.push_back(form.Command1);
    append(order, form.Option2);
    for (const layout::Page& page : layout::kConditionPages) {
        for (const layout::PageStop& stop : layout::readingOrder(page.rows)) {
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
