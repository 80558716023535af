#include "window/form1.h"

#include "filtering/candidate_list.h"
#include "filtering/dingdan.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/messages.h"
#include "filtering/version.h"
#include "toolkit/fonts.h"
#include "window/accessible_names.h"
#include "window/home_page.h"
#include "window/notice.h"
#include "window/tab_order.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStackedWidget>

#include <array>
#include <span>
#include <variant>
#include <vector>

// The icon lives in this static library's resources, which a static library registers only when
// asked to; the macro cannot stand inside a namespace.
static void registerWindowResources() { Q_INIT_RESOURCE(resources); }

namespace shrink2d {
namespace {

using namespace toolkit;

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fixed captions only: their faces hold every glyph they need (a test checks), so these fonts
// skip the per-glyph fallback list, which costs a font-configuration search each at start-up.
QFont captionOnly(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont digitFont() { return captionOnly(classicFont("隶书", 12, true)); }
QFont conditionFont() { return captionOnly(classicFont("宋体", 12, true)); }
QFont captionFont() { return captionOnly(classicFont("MS Sans Serif", 8.25, true)); }

// Positions and sizes in twips, 15 to a pixel at 96 dpi, as the layout tables give them; Qt
// scales pixels with the screen.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

QRect twips(const Box& box)
{
    return {qRound(box.left / 15.0), qRound(box.top / 15.0), qRound(box.width / 15.0),
            qRound(box.height / 15.0)};
}

// Where item k of an array goes: item 0's box, moved `across` for each item along a row of
// perRow items and `down` for each row.
struct Grid {
    Box first;
    int across = 0;
    int down = 0;
    int perRow = 1;

    QRect place(int k) const
    {
        return twips({first.left + across * (k % perRow), first.top + down * (k / perRow),
                      first.width, first.height});
    }
};

// A row of boxes 360 twips apart, at that top within its frame.
constexpr Grid boxRow(int top) { return {{240, top, 375, 375}, 360, 0, 10}; }
// Four pattern boxes in a row (a second row 360 twips lower for items 4 to 7).
constexpr Grid kPatternRow{{960, 360, 735, 375}, 720, 360, 4};
// A fix/kill pair, one above the other.
constexpr Grid modePair(int left, int top, int width) { return {{left, top, width, 255}, 0, 240}; }

constexpr std::span<const std::string_view> kDigitCaptions(kNumberCaptions.data(), 10);

// The rows of a layout table. A table is built on one surface, the window or a page, in the
// order of its rows, which is the form's member order: later controls lie above earlier ones
// where they touch. Controls inside a frame name it by its place among the table's frames.
struct FrameRow {
    Frame* Form1::*frame; // null: the next item of the array
    ControlArray<Frame> Form1::*array;
    const char* caption;
    Box box;
};
struct BoxesRow {
    int frame;
    CheckBoxArray Form1::*array;
    std::span<const std::string_view> captions;
    Grid grid;
};
struct PairRow {
    int frame;
    OptionArray Form1::*pair;
    Grid grid;
};
struct LabelRow {
    int frame;
    Label* Form1::*label;
    const char* caption;
    Box box;
};
struct CommandRow {
    int frame;
    CommandButton* Form1::*button;
    const char* caption;
    Box box;
};
using LayoutRow = std::variant<FrameRow, BoxesRow, PairRow, LabelRow, CommandRow>;

// The two fixed regions of the window; the text boxes of "结果" follow them.
constexpr auto kWindowLayout = std::to_array<LayoutRow>({
    FrameRow{&Form1::Frame5, nullptr, "组号", {120, 120, 1215, 5415}},
    BoxesRow{0, &Form1::chk10, kDigitCaptions, {{720, 840, 300, 300}, 0, 360}},
    BoxesRow{0, &Form1::chk100, kDigitCaptions, {{240, 840, 300, 300}, 0, 360}},
    CommandRow{0, &Form1::Command1, "1、组号", {120, 4680, 975, 495}},
    LabelRow{0, &Form1::Label2, "二位", {720, 360, 255, 375}},
    LabelRow{0, &Form1::Label1, "一位", {240, 360, 255, 375}},
    FrameRow{&Form1::Frame4, nullptr, "结果", {5640, 120, 2535, 5415}},
    CommandRow{1, &Form1::Command3, "2、过滤", {120, 4800, 1095, 495}},
    CommandRow{1, &Form1::Command2, "主页", {1200, 4800, 1215, 495}},
});

// Page 0, "基本条件".
constexpr auto kPage0Layout = std::to_array<LayoutRow>({
    FrameRow{&Form1::Frame2, nullptr, "杀跨度", {120, 120, 4095, 855}},
    BoxesRow{0, &Form1::Check19, kDigitCaptions, boxRow(360)},
    FrameRow{&Form1::Frame3, nullptr, "杀和值", {120, 960, 4095, 1095}},
    BoxesRow{1, &Form1::Checkhe, kNumberCaptions, {{240, 240, 375, 375}, 360, 360, 10}},
    FrameRow{&Form1::Frame6, nullptr, "杀012路", {120, 2760, 4095, 1095}},
    BoxesRow{2, &Form1::Check32, kRoadCaptions, boxRow(360)},
    LabelRow{2, &Form1::Label19, "2路：258", {2640, 720, 855, 255}},
    LabelRow{2, &Form1::Label18, "1路：147", {1560, 720, 855, 255}},
    LabelRow{2, &Form1::Label17, "0路：0369", {360, 720, 855, 255}},
    FrameRow{&Form1::Frame1, nullptr, "定胆", {120, 3840, 4095, 975}},
    BoxesRow{3, &Form1::Check26, kDigitCaptions, boxRow(360)},
    FrameRow{&Form1::Frame7, nullptr, "杀合值", {120, 2040, 4095, 735}},
    BoxesRow{4, &Form1::Check18, kDigitCaptions, boxRow(240)},
});

// Page 1, "特征条件": the three items of Frame8.
constexpr auto kPage1Layout = std::to_array<LayoutRow>({
    FrameRow{nullptr, &Form1::Frame8, "定、杀奇偶特征", {120, 240, 4095, 975}},
    FrameRow{nullptr, &Form1::Frame8, "定、杀奇偶大小形态", {120, 1320, 4095, 1335}},
    FrameRow{nullptr, &Form1::Frame8, "定、杀奇偶特征", {120, 2760, 4095, 1095}},
    BoxesRow{1, &Form1::Check28, kParitySizeCaptions, kPatternRow},
    PairRow{1, &Form1::Option3, modePair(240, 480, 735)},
    PairRow{0, &Form1::Option1, modePair(240, 360, 735)},
    BoxesRow{0, &Form1::Check27, kParityCaptions, kPatternRow},
    BoxesRow{2, &Form1::Check29, kSizeCaptions, kPatternRow},
    PairRow{2, &Form1::Option4, modePair(360, 360, 495)},
    LabelRow{2, &Form1::Label3, "小：0到4 大：5到9", {1320, 795, 1935, 255}},
});

constexpr std::array<const char*, 4> kPageNames = {"基本条件", "特征条件", "高级条件", "其他条件"};
constexpr Grid kPageSelectors{{1320, 240, 1095, 375}, 1080, 0, 4};
constexpr Box kPages{1320, 600, 4335, 4935};

// One toggle box per caption. Digit boxes (on the window) and condition boxes (on the pages)
// differ in face and colours only.
CheckBoxArray makeCheckBoxes(QWidget* parent, std::span<const std::string_view> captions,
                             const Grid& grid, const QFont& font, bool onPage)
{
    CheckBoxArray array;
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        auto* box = new ToggleCheckBox(qs(captions[static_cast<std::size_t>(k)]), parent);
        box->setGeometry(grid.place(k));
        box->setFont(font);
        box->SetForeColor(onPage ? kSilver : kRed);
        box->SetBackColor(onPage ? kLightGrey : kYellow);
        array.append(box);
    }
    return array;
}

// Each option array is one group of its own: exactly one selected, and a click on the selected
// button keeps it selected.
template <typename Array> void groupButtons(const Array& array, QWidget* owner)
{
    auto* group = new QButtonGroup(owner);
    group->setExclusive(true);
    for (int k = 0; k < array.Count(); ++k) group->addButton(&array(k), k);
}

// A 定/杀 pair: "定" selected and blue, "杀" red; these colours never change.
OptionArray makeModePair(QWidget* parent, const Grid& grid)
{
    OptionArray pair;
    const std::array<Colour, 2> colours = {kBlue, kRed};
    for (int k = 0; k < 2; ++k) {
        auto* button = new OptionButton(qs(kModeCaptions[static_cast<std::size_t>(k)]), parent);
        button->setGeometry(grid.place(k));
        button->SetForeColor(colours[static_cast<std::size_t>(k)]);
        button->SetBackColor(kLightGrey);
        pair.append(button);
    }
    groupButtons(pair, parent);
    pair(0).setChecked(true);
    return pair;
}

Frame* makeFrame(QWidget* parent, const char* caption, const QRect& geometry, bool conditionFrame)
{
    auto* frame = new Frame(QString::fromUtf8(caption), parent);
    frame->setGeometry(geometry);
    frame->SetBackColor(kLightGrey);
    if (conditionFrame) {
        frame->SetCaptionFont(captionFont());
        frame->SetForeColor(kBlue);
    }
    return frame;
}

// Builds the rows of a layout table on a surface, into the form's members. On a page, frames
// are condition frames and labels grey.
class LayoutBuilder {
public:
    LayoutBuilder(Form1& form, QWidget* surface, bool onPage)
        : m_form(form), m_surface(surface), m_onPage(onPage),
          m_boxFont(onPage ? conditionFont() : digitFont())
    {
    }

    void build(std::span<const LayoutRow> rows)
    {
        for (const LayoutRow& row : rows) std::visit(*this, row);
    }

    void operator()(const FrameRow& row)
    {
        Frame* const frame = makeFrame(m_surface, row.caption, twips(row.box), m_onPage);
        if (row.frame != nullptr) {
            m_form.*row.frame = frame;
        } else {
            (m_form.*row.array).append(frame);
        }
        m_frames.push_back(frame);
    }
    void operator()(const BoxesRow& row)
    {
        m_form.*row.array =
            makeCheckBoxes(frame(row.frame), row.captions, row.grid, m_boxFont, m_onPage);
    }
    void operator()(const PairRow& row)
    {
        m_form.*row.pair = makeModePair(frame(row.frame), row.grid);
    }
    void operator()(const LabelRow& row)
    {
        auto* label = new Label(QString::fromUtf8(row.caption), frame(row.frame));
        label->setGeometry(twips(row.box));
        label->SetForeColor(m_onPage ? kGrey : kWindowText);
        label->SetBackColor(kLightGrey);
        m_form.*row.label = label;
    }
    void operator()(const CommandRow& row)
    {
        auto* button = new CommandButton(QString::fromUtf8(row.caption), frame(row.frame));
        button->setGeometry(twips(row.box));
        m_form.*row.button = button;
    }

private:
    Frame* frame(int index) const { return m_frames.at(static_cast<std::size_t>(index)); }

    Form1& m_form;
    QWidget* m_surface;
    bool m_onPage;
    QFont m_boxFont; // made once: every font costs a look-up of its face
    std::vector<Frame*> m_frames;
};

// The condition arrays as the core reads them.
struct BoundArray {
    ControlArray<CheckBoxControl> FormControls::*controls;
    CheckBoxArray Form1::*array;
};
constexpr std::array<BoundArray, 10> kBoundArrays = {{
    {&FormControls::chk100, &Form1::chk100},
    {&FormControls::chk10, &Form1::chk10},
    {&FormControls::Checkhe, &Form1::Checkhe},
    {&FormControls::Check18, &Form1::Check18},
    {&FormControls::Check19, &Form1::Check19},
    {&FormControls::Check32, &Form1::Check32},
    {&FormControls::Check26, &Form1::Check26},
    {&FormControls::Check27, &Form1::Check27},
    {&FormControls::Check28, &Form1::Check28},
    {&FormControls::Check29, &Form1::Check29},
}};

struct ColourPair {
    Colour ticked;
    Colour unticked;
};

constexpr ColourPair kDigitFore{kRed, kSilver};
constexpr ColourPair kDigitBack{kYellow, kLightGrey};
constexpr ColourPair kConditionFore{kBlue, kSilver};

// Repaints every item of an array from its current value; the clicked item plays no part, so a
// repaint depends on the values alone. The foreground is set before the background.
void repaintArray(const CheckBoxArray& array, ColourPair fore, const ColourPair* back)
{
    for (int k = 0; k < array.Count(); ++k) {
        const bool ticked = array(k).Value() == 1;
        array(k).SetForeColor(ticked ? fore.ticked : fore.unticked);
        if (back != nullptr) array(k).SetBackColor(ticked ? back->ticked : back->unticked);
    }
}

template <typename Array, typename Handler>
void connectArray(Form1* form, const Array& array, Handler handler)
{
    for (int k = 0; k < array.Count(); ++k) {
        QObject::connect(&array(k), &QAbstractButton::clicked, form,
                         [form, handler, k] { (form->*handler)(k); });
    }
}

} // namespace

Form1::Form1(toolkit::Shell* shell) : m_shell(shell)
{
    if (m_shell == nullptr) {
        m_ownShell = std::make_unique<DesktopShell>();
        m_shell = m_ownShell.get();
    }
    m_messageBox = std::make_unique<toolkit::MessageBox>(this);

    setWindowTitle(QString::fromUtf8("澄数2D缩水软件") + qs(kTitleVersion) +
                   QString::fromUtf8("（本软件由澄数提供）") + qs(kHomePage).toUpper());
    registerWindowResources();
    // Naming the format decodes with the built-in PNG reader; left open, Qt would load every
    // image-format plugin to sniff the file.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/shrink2d/icon.png"), "png")));
    setFixedSize(548, 372); // 8220 × 5580 twips of client area
    // Its own palette and font, set before any control exists: every control inherits them, so
    // the desktop's theme and interface font change nothing in the window.
    QPalette p = classicPalette();
    p.setColor(QPalette::Window, toQColor(kLightGrey));
    setPalette(p);
    setAutoFillBackground(true);
    setFont(interfaceFont());

    buildControls();
    connectHandlers();
    orderTabStops(*this);
    nameControls(*this);
    centreOnScreen();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    for (int k = 0; k < 4; ++k) {
        auto* selector = new ToggleOptionButton(
            QString::fromUtf8(kPageNames[static_cast<std::size_t>(k)]), this);
        selector->setGeometry(kPageSelectors.place(k));
        selector->setFont(captionFont());
        selector->SetForeColor(k == 0 ? kRed : kWindowText);
        selector->SetBackColor(kLightGrey);
        Option2.append(selector);
    }
    groupButtons(Option2, this);
    Option2(0).setChecked(true);

    LayoutBuilder(*this, this, false).build(kWindowLayout);
    for (int k = 0; k < 10; ++k) {
        chk10(k).setChecked(true);
        chk100(k).setChecked(true);
    }
    chk10(2).SetBackColor(kPaleYellow); // until the first repaint of its row
    Command1->SetBackColor(kRed);
    // One character wide and two lines high: each caption reads from top to bottom.
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    Command3->SetBackColor(kGreen);
    Text1 = new SingleLineTextBox(Frame4);
    Text1->setGeometry(twips({120, 4440, 2295, 270}));
    Text1->SetBackColor(kLightBlue);
    Text3 = new MultiLineTextBox(Frame4);
    Text3->setGeometry(twips({120, 240, 2295, 4215}));
    Text3->setFont(classicFont("宋体", 10.5, false));
    Text3->SetText(kNotice);

    // The pages share one place; the stack shows only the one in front, so nothing behind it
    // shows through.
    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(twips(kPages));
    for (int k = 0; k < 4; ++k) {
        auto* page = makeFrame(nullptr, "", QRect(), false);
        m_pages->addWidget(page);
        page->setGeometry(m_pages->rect()); // the stack sizes only the page in front
        Frame9.append(page);
    }
    m_pages->setCurrentIndex(0);
    LayoutBuilder(*this, &Frame9(0), true).build(kPage0Layout);
    LayoutBuilder(*this, &Frame9(1), true).build(kPage1Layout);

    m_controls.Text3 = Text3;
    for (const BoundArray& bound : kBoundArrays) {
        m_controls.*bound.controls = ControlArray<CheckBoxControl>(this->*bound.array);
    }
    m_controls.Option1 = ControlArray<OptionButtonControl>(Option1);
    m_controls.Option3 = ControlArray<OptionButtonControl>(Option3);
    m_controls.Option4 = ControlArray<OptionButtonControl>(Option4);
}

void Form1::connectHandlers()
{
    connectArray(this, Option2, &Form1::Option2_Click);
    connectArray(this, chk100, &Form1::chk100_Click);
    connectArray(this, chk10, &Form1::chk10_Click);
    connectArray(this, Check18, &Form1::Check18_Click);
    connectArray(this, Check19, &Form1::Check19_Click);
    connectArray(this, Checkhe, &Form1::Checkhe_Click);
    connectArray(this, Check32, &Form1::Check32_Click);
    connectArray(this, Check26, &Form1::Check26_Click);
    connectArray(this, Check27, &Form1::Check27_Click);
    connectArray(this, Check28, &Form1::Check28_Click);
    connectArray(this, Check29, &Form1::Check29_Click);
    connect(Command1, &QAbstractButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QAbstractButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QAbstractButton::clicked, this, [this] { Command3_Click(); });
}

void Form1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = rect();
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

void Form1::Command1_Click()
{
    Text3->SetText(
        generateCandidates(tickedDigits(m_controls.chk100), tickedDigits(m_controls.chk10)));
    Text1->SetText(countLine(countCandidates(Text3->Text())));
}

void Form1::Command2_Click()
{
    // Nothing is read back: when the address cannot be opened the window stays as it was.
    m_shell->Execute(winId(), "open", kHomePage, "", "", kShowNormal);
}

void Form1::Command3_Click()
{
    // The pass works on a copy of the list and writes the box once at the end: every write lays
    // the whole text out again.
    TextBuffer list(*Text3);
    FormControls pass = m_controls;
    pass.Text3 = &list;
    const PassOutcome outcome = runFilterPass(list.view(), readFilterSettings(m_controls), [&] {
        dingdan::ApplyBankerFilter(pass);
        return list.view();
    });
    if (outcome.listWasEmpty) m_messageBox->ShowInformation(kEmptyListPrompt, kMessageTitle);
    if (outcome.unreadable) {
        list.commit();
        m_messageBox->ShowInformation(unreadableMessage(*outcome.unreadable), kMessageTitle);
        return;
    }
    Text3->SetText(outcome.listText);
    // Counted as the box reads back, as after generation: the box turns a no-break space typed
    // inside an element into a blank.
    Text1->SetText(countLine(countCandidates(Text3->Text())));
}

void Form1::Option2_Click(int /*index*/)
{
    for (int k = 0; k < Option2.Count(); ++k) {
        if (Option2(k).Value()) {
            Option2(k).SetForeColor(kRed);
            Frame9(k).ZOrder();
        } else {
            Option2(k).SetForeColor(kWindowText);
        }
    }
}

void Form1::chk100_Click(int /*index*/) { repaintArray(chk100, kDigitFore, &kDigitBack); }
void Form1::chk10_Click(int /*index*/) { repaintArray(chk10, kDigitFore, &kDigitBack); }
void Form1::Check18_Click(int /*index*/) { repaintArray(Check18, kConditionFore, nullptr); }
void Form1::Check19_Click(int /*index*/) { repaintArray(Check19, kConditionFore, nullptr); }
void Form1::Checkhe_Click(int /*index*/) { repaintArray(Checkhe, kConditionFore, nullptr); }
void Form1::Check32_Click(int /*index*/) { repaintArray(Check32, kConditionFore, nullptr); }
void Form1::Check26_Click(int /*index*/) { repaintArray(Check26, kConditionFore, nullptr); }
void Form1::Check27_Click(int /*index*/) { repaintArray(Check27, kConditionFore, nullptr); }
void Form1::Check28_Click(int /*index*/) { repaintArray(Check28, kConditionFore, nullptr); }
void Form1::Check29_Click(int /*index*/) { repaintArray(Check29, kConditionFore, nullptr); }

} // namespace shrink2d
