#pragma once

namespace shrink2d {

class Form1;

// Sets the order Tab walks through the window, column by column as the work goes: the digit rows
// and "1、组号", the page selectors, the conditions of the page in front from top to bottom as its
// layout table places them, then the result box, the count line, "2、过滤" and "主页". Controls
// of the pages behind are skipped, being hidden; of each option group only the selected button
// is a stop.
void orderTabStops(Form1& form);

} // namespace shrink2d
