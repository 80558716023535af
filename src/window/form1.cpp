#include "window/form1.h"

#include "filtering/candidate_list.h"
#include "filtering/catalogue.h"
#include "filtering/dingdan.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/messages.h"
#include "form/groups.h"
#include "form/home_page.h"
#include "form/layout.h"
#include "form/notice.h"
#include "form/title.h"
#include "toolkit/fonts.h"
#include "window/accessible_names.h"
#include "window/tab_order.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStackedWidget>

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string>
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

// Twips to pixels at 96 dpi; Qt scales pixels with the screen.
QRect twips(const layout::Box& box)
{
    return {qRound(box.left / 15.0), qRound(box.top / 15.0), qRound(box.width / 15.0),
            qRound(box.height / 15.0)};
}

// The form's members by the names the layout tables use, with the handler of each array and
// button. These are the window's own names; what each condition array shows comes from the
// catalogue.
struct FrameMember {
    std::string_view name;
    Frame* Form1::*frame; // null: the frame array below
    ControlArray<Frame> Form1::*array;
};
constexpr auto kFrameMembers = std::to_array<FrameMember>({
    {"Frame5", &Form1::Frame5, nullptr},
    {"Frame4", &Form1::Frame4, nullptr},
    {"Frame2", &Form1::Frame2, nullptr},
    {"Frame3", &Form1::Frame3, nullptr},
    {"Frame6", &Form1::Frame6, nullptr},
    {"Frame1", &Form1::Frame1, nullptr},
    {"Frame7", &Form1::Frame7, nullptr},
    {"Frame8", nullptr, &Form1::Frame8},
});

struct BoxesMember {
    std::string_view name;
    CheckBoxArray Form1::*array;
    void (Form1::*handler)(int);
};
constexpr auto kBoxesMembers = std::to_array<BoxesMember>({
    {"chk100", &Form1::chk100, &Form1::chk100_Click},
    {"chk10", &Form1::chk10, &Form1::chk10_Click},
    {"Check18", &Form1::Check18, &Form1::Check18_Click},
    {"Check19", &Form1::Check19, &Form1::Check19_Click},
    {"Checkhe", &Form1::Checkhe, &Form1::Checkhe_Click},
    {"Check32", &Form1::Check32, &Form1::Check32_Click},
    {"Check26", &Form1::Check26, &Form1::Check26_Click},
    {"Check27", &Form1::Check27, &Form1::Check27_Click},
    {"Check28", &Form1::Check28, &Form1::Check28_Click},
    {"Check29", &Form1::Check29, &Form1::Check29_Click},
});

// A member of the form with nothing more to it than its name.
template <typename Control> struct NamedMember {
    std::string_view name;
    Control Form1::*member;
};
constexpr auto kPairMembers = std::to_array<NamedMember<OptionArray>>({
    {"Option1", &Form1::Option1},
    {"Option3", &Form1::Option3},
    {"Option4", &Form1::Option4},
});
constexpr auto kLabelMembers = std::to_array<NamedMember<Label*>>({
    {"Label1", &Form1::Label1},
    {"Label2", &Form1::Label2},
    {"Label17", &Form1::Label17},
    {"Label18", &Form1::Label18},
    {"Label19", &Form1::Label19},
    {"Label3", &Form1::Label3},
});

struct CommandMember {
    std::string_view name;
    CommandButton* Form1::*button;
    void (Form1::*handler)();
};
constexpr auto kCommandMembers = std::to_array<CommandMember>({
    {"Command1", &Form1::Command1, &Form1::Command1_Click},
    {"Command3", &Form1::Command3, &Form1::Command3_Click},
    {"Command2", &Form1::Command2, &Form1::Command2_Click},
});

template <typename Member, std::size_t N>
const Member& memberNamed(const std::array<Member, N>& members, std::string_view name)
{
    const auto found = std::find_if(members.begin(), members.end(),
                                    [name](const Member& member) { return member.name == name; });
    if (found == members.end()) throw std::out_of_range("no control named " + std::string(name));
    return *found;
}

// The captions of an array: a condition array's from the catalogue's groups that it shows, in
// item order; a digit row's are its digits.
std::vector<std::string_view> captionsOf(std::string_view array)
{
    std::vector<std::string_view> captions;
    for (const layout::GroupControls& row : layout::kFormGroups) {
        if (row.control == array) {
            const ConditionEntry& entry = entryOf(row.group);
            captions.insert(captions.end(), entry.boxCaptions.begin(), entry.boxCaptions.end());
        }
    }
    if (captions.empty()) captions.assign(kNumberCaptions.begin(), kNumberCaptions.begin() + 10);
    return captions;
}

// The caption of a frame on page 0: the row it holds.
std::string_view conditionCaptionOf(std::string_view frame)
{
    for (const layout::GroupControls& row : layout::kFormGroups) {
        if (row.frame == frame) return entryOf(row.group).caption;
    }
    return {};
}

// One toggle box per caption. Digit boxes (on the window) and condition boxes (on the pages)
// differ in face and colours only.
CheckBoxArray makeCheckBoxes(QWidget* parent, std::span<const std::string_view> captions,
                             const layout::Grid& grid, const QFont& font, bool onPage)
{
    CheckBoxArray array;
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        auto* box = new ToggleCheckBox(qs(captions[static_cast<std::size_t>(k)]), parent);
        box->setGeometry(twips(grid.place(k)));
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
OptionArray makeModePair(QWidget* parent, const layout::Grid& grid)
{
    OptionArray pair;
    const std::array<Colour, 2> colours = {kBlue, kRed};
    for (int k = 0; k < 2; ++k) {
        auto* button = new OptionButton(qs(kModeCaptions[static_cast<std::size_t>(k)]), parent);
        button->setGeometry(twips(grid.place(k)));
        button->SetForeColor(colours[static_cast<std::size_t>(k)]);
        button->SetBackColor(kLightGrey);
        pair.append(button);
    }
    groupButtons(pair, parent);
    pair(0).setChecked(true);
    return pair;
}

Frame* makeFrame(QWidget* parent, std::string_view caption, const QRect& geometry,
                 bool conditionFrame)
{
    auto* frame = new Frame(qs(caption), parent);
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

    void build(std::span<const layout::Row> rows)
    {
        for (const layout::Row& row : rows) std::visit(*this, row);
    }

    void operator()(const layout::FrameRow& row)
    {
        const std::string_view caption =
            row.caption.empty() ? conditionCaptionOf(row.name) : row.caption;
        Frame* const frame = makeFrame(m_surface, caption, twips(row.box), m_onPage);
        const FrameMember& member = memberNamed(kFrameMembers, row.name);
        if (member.frame != nullptr) {
            m_form.*member.frame = frame;
        } else {
            (m_form.*member.array).append(frame);
        }
        m_frames.push_back(frame);
    }
    void operator()(const layout::BoxesRow& row)
    {
        m_form.boxesNamed(row.name) =
            makeCheckBoxes(frame(row.frame), captionsOf(row.name), row.grid, m_boxFont, m_onPage);
    }
    void operator()(const layout::PairRow& row)
    {
        m_form.pairNamed(row.name) = makeModePair(frame(row.frame), row.grid);
    }
    void operator()(const layout::LabelRow& row)
    {
        auto* label = new Label(qs(row.caption), frame(row.frame));
        label->setGeometry(twips(row.box));
        label->SetForeColor(m_onPage ? kGrey : kWindowText);
        label->SetBackColor(kLightGrey);
        m_form.*memberNamed(kLabelMembers, row.name).member = label;
    }
    void operator()(const layout::CommandRow& row)
    {
        auto* button = new CommandButton(qs(row.caption), frame(row.frame));
        button->setGeometry(twips(row.box));
        m_form.*memberNamed(kCommandMembers, row.name).button = button;
    }
    // The count line (one line, light blue) and the result box with the notice.
    void operator()(const layout::TextRow& row)
    {
        if (row.multiLine) {
            m_form.Text3 = new MultiLineTextBox(frame(row.frame));
            m_form.Text3->setGeometry(twips(row.box));
            m_form.Text3->setFont(classicFont("宋体", 10.5, false));
            m_form.Text3->SetText(kNotice);
            m_form.Text3->setPasteFilter(pastedList);
        } else {
            m_form.Text1 = new SingleLineTextBox(frame(row.frame));
            m_form.Text1->setGeometry(twips(row.box));
            m_form.Text1->SetBackColor(kLightBlue);
        }
    }

private:
    Frame* frame(int index) const { return m_frames.at(static_cast<std::size_t>(index)); }

    Form1& m_form;
    QWidget* m_surface;
    bool m_onPage;
    QFont m_boxFont; // made once: every font costs a look-up of its face
    std::vector<Frame*> m_frames;
};

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

    setWindowTitle(qs(formTitle()));
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
    for (int k = 0; k < static_cast<int>(layout::kConditionPages.size()); ++k) {
        auto* selector = new ToggleOptionButton(
            qs(layout::kConditionPages[static_cast<std::size_t>(k)].name), this);
        selector->setGeometry(twips(layout::kPageSelectors.place(k)));
        selector->setFont(captionFont());
        selector->SetForeColor(k == 0 ? kRed : kWindowText);
        selector->SetBackColor(kLightGrey);
        Option2.append(selector);
    }
    groupButtons(Option2, this);
    Option2(0).setChecked(true);

    LayoutBuilder(*this, this, false).build(layout::kWindowLayout);
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

    // The pages share one place; the stack shows only the one in front, so nothing behind it
    // shows through.
    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(twips(layout::kPages));
    for (std::size_t k = 0; k < layout::kConditionPages.size(); ++k) {
        auto* page = makeFrame(nullptr, "", QRect(), false);
        m_pages->addWidget(page);
        page->setGeometry(m_pages->rect()); // the stack sizes only the page in front
        Frame9.append(page);
    }
    m_pages->setCurrentIndex(0);
    for (std::size_t k = 0; k < layout::kConditionPages.size(); ++k) {
        LayoutBuilder(*this, &Frame9(static_cast<int>(k)), true)
            .build(layout::kConditionPages[k].rows);
    }

    // What the core reads: the digit rows, and the array and pair of each group the window shows.
    m_controls.Text3 = Text3;
    m_controls.chk100 = ControlArray<CheckBoxControl>(chk100);
    m_controls.chk10 = ControlArray<CheckBoxControl>(chk10);
    for (const layout::GroupControls& row : layout::kFormGroups) {
        const ConditionEntry& entry = entryOf(row.group);
        m_controls.groups[entry.index()] = ControlArray<CheckBoxControl>(
            boxesNamed(row.control), row.firstItem, static_cast<int>(entry.boxCount()));
        if (!row.pair.empty()) {
            m_controls.pairs[indexOf(*entry.mode)] =
                ControlArray<OptionButtonControl>(pairNamed(row.pair));
        }
    }
}

CheckBoxArray& Form1::boxesNamed(std::string_view name)
{
    return this->*memberNamed(kBoxesMembers, name).array;
}

OptionArray& Form1::pairNamed(std::string_view name)
{
    return this->*memberNamed(kPairMembers, name).member;
}

toolkit::Frame& Form1::frameNamed(std::string_view name, int item)
{
    const FrameMember& member = memberNamed(kFrameMembers, name);
    return member.frame != nullptr ? *(this->*member.frame) : (this->*member.array)(item);
}

void Form1::connectHandlers()
{
    connectArray(this, Option2, &Form1::Option2_Click);
    for (const BoxesMember& member : kBoxesMembers) {
        connectArray(this, this->*member.array, member.handler);
    }
    for (const CommandMember& member : kCommandMembers) {
        connect(this->*member.button, &QAbstractButton::clicked, this,
                [this, handler = member.handler] { (this->*handler)(); });
    }
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
