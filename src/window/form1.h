#pragma once

#include "filtering/controls.h"
#include "toolkit/colour.h"
#include "toolkit/command_button.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/message_box.h"
#include "toolkit/option_button.h"
#include "toolkit/shell.h"
#include "toolkit/text_box.h"
#include "toolkit/toggle_check_box.h"

#include <QWidget>

#include <memory>
#include <string_view>

class QStackedWidget;

namespace shrink2d {

using CheckBoxArray = ControlArray<toolkit::ToggleCheckBox>;
using OptionArray = ControlArray<toolkit::OptionButton>;

// The main window. Controls keep the names users of the design know; arrays are indexed from 0.
// The click handlers read controls, call the core and write the two texts; the rest of the
// behaviour lives in the core.
class Form1 : public QWidget {
public:
    // shell: where "主页" sends the home page; the desktop's own when null.
    explicit Form1(toolkit::Shell* shell = nullptr);
    ~Form1() override;

    // What generation and filtering read and write.
    FormControls& controls() { return m_controls; }

    // The arrays and frames by the names the layout tables and the condition catalogue give them;
    // item is the frame's index in its array, -1 for a single frame. The name must be one of them.
    CheckBoxArray& boxesNamed(std::string_view name);
    OptionArray& pairNamed(std::string_view name);
    toolkit::Frame& frameNamed(std::string_view name, int item);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option2_Click(int index);
    void chk100_Click(int index);
    void chk10_Click(int index);
    void Check18_Click(int index);
    void Check19_Click(int index);
    void Checkhe_Click(int index);
    void Check32_Click(int index);
    void Check26_Click(int index);
    void Check27_Click(int index);
    void Check28_Click(int index);
    void Check29_Click(int index);

    ControlArray<toolkit::ToggleOptionButton> Option2; // page selectors
    toolkit::Frame* Frame5 = nullptr;                  // "组号"
    CheckBoxArray chk10;                               // second-position digits
    CheckBoxArray chk100;                              // first-position digits
    toolkit::CommandButton* Command1 = nullptr;        // "1、组号"
    toolkit::Label* Label2 = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::Frame* Frame4 = nullptr;            // "结果"
    toolkit::CommandButton* Command3 = nullptr;  // "2、过滤"
    toolkit::CommandButton* Command2 = nullptr;  // "主页"
    toolkit::SingleLineTextBox* Text1 = nullptr; // count line
    toolkit::MultiLineTextBox* Text3 = nullptr;  // the candidate list
    ControlArray<toolkit::Frame> Frame9;         // the four pages
    toolkit::Frame* Frame2 = nullptr;
    CheckBoxArray Check19; // spans
    toolkit::Frame* Frame3 = nullptr;
    CheckBoxArray Checkhe; // sums
    toolkit::Frame* Frame6 = nullptr;
    CheckBoxArray Check32; // 012 roads
    toolkit::Label* Label19 = nullptr;
    toolkit::Label* Label18 = nullptr;
    toolkit::Label* Label17 = nullptr;
    toolkit::Frame* Frame1 = nullptr;
    CheckBoxArray Check26; // banker digits
    toolkit::Frame* Frame7 = nullptr;
    CheckBoxArray Check18;               // sum tails
    ControlArray<toolkit::Frame> Frame8; // the three fix/kill frames
    CheckBoxArray Check28;               // parity-size and size-parity patterns
    OptionArray Option3;
    OptionArray Option1;
    CheckBoxArray Check27; // parity patterns
    CheckBoxArray Check29; // size patterns
    OptionArray Option4;
    toolkit::Label* Label3 = nullptr;

private:
    void buildControls();
    void connectHandlers();
    void centreOnScreen();

    QStackedWidget* m_pages = nullptr;
    std::unique_ptr<toolkit::Shell> m_ownShell;
    toolkit::Shell* m_shell = nullptr;
    std::unique_ptr<toolkit::MessageBox> m_messageBox;
    FormControls m_controls;
};

} // namespace shrink2d
