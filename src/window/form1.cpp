#include "window/form1.h"

#include "filtering/candidate_list.h"
#include "filtering/dingdan.h"
#include "filtering/filter_pass.h"
#include "filtering/filter_settings.h"
#include "filtering/generation.h"
#include "filtering/messages.h"
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

// The icon lives in this static library's resources, which a static library registers only when
// asked to; the macro cannot stand inside a namespace.
static void registerWindowResources() { Q_INIT_RESOURCE(resources); }

namespace shrink2d {
namespace {

using namespace toolkit;

// Positions and sizes come in twips, 15 to a pixel at 96 dpi; Qt scales pixels with the screen.
QRect twips(int left, int top, int width, int height)
{
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont makeFont(const char* family, qreal points, bool bold)
{
    QFont font(installedFamily(QString::fromUtf8(family)));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Set here too: not every font the window paints with is resolved against the application
    // font (left unset, one face went back to the autohinter at start-up).
    font.setHintingPreference(kCaptionHinting);
    return font;
}

// Fixed captions only: their faces hold every glyph they need (a test checks), so these fonts
// skip the per-glyph fallback list, which costs a font-configuration search each at start-up.
QFont captionOnly(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont digitFont() { return captionOnly(makeFont("隶书", 12, true)); }
QFont conditionFont() { return captionOnly(makeFont("宋体", 12, true)); }
QFont captionFont() { return captionOnly(makeFont("MS Sans Serif", 8.25, true)); }

QStringList numberCaptions(int count)
{
    QStringList captions;
    for (int k = 0; k < count; ++k) captions << QString::number(k);
    return captions;
}

template <std::size_t N> QStringList captionsOf(const std::array<std::string_view, N>& texts)
{
    QStringList captions;
    for (const std::string_view text : texts) captions << qs(text);
    return captions;
}

// One toggle box per caption, item k placed by place(k) in twips.
template <typename Place>
CheckBoxArray makeCheckBoxes(QWidget* parent, const QStringList& captions, Place place,
                             const QFont& font, Colour fore, Colour back)
{
    CheckBoxArray array;
    for (int k = 0; k < captions.size(); ++k) {
        auto* box = new ToggleCheckBox(captions[k], parent);
        box->setGeometry(place(k));
        box->setFont(font);
        box->SetForeColor(fore);
        box->SetBackColor(back);
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
template <typename Place> OptionArray makeModePair(QWidget* parent, Place place)
{
    OptionArray pair;
    const std::array<Colour, 2> colours = {kBlue, kRed};
    for (int k = 0; k < 2; ++k) {
        auto* button = new OptionButton(qs(kModeCaptions[static_cast<std::size_t>(k)]), parent);
        button->setGeometry(place(k));
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

Label* makeLabel(QWidget* parent, const char* caption, const QRect& geometry, Colour fore)
{
    auto* label = new Label(QString::fromUtf8(caption), parent);
    label->setGeometry(geometry);
    label->SetForeColor(fore);
    label->SetBackColor(kLightGrey);
    return label;
}

CommandButton* makeCommand(QWidget* parent, const char* caption, const QRect& geometry)
{
    auto* button = new CommandButton(QString::fromUtf8(caption), parent);
    button->setGeometry(geometry);
    return button;
}

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

    setWindowTitle(QString::fromUtf8("澄数2D缩水软件V1.1（本软件由澄数提供）") +
                   qs(kHomePage).toUpper());
    registerWindowResources();
    // Naming the format decodes with the built-in PNG reader; left open, Qt would load every
    // image-format plugin to sniff the file.
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/shrink2d/icon.png"), "png")));
    setFixedSize(548, 372); // 8220 × 5580 twips of client area
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(kLightGrey));
    setPalette(p);
    setAutoFillBackground(true);

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
        static constexpr std::array<const char*, 4> pageNames = {"基本条件", "特征条件", "高级条件",
                                                                 "其他条件"};
        auto* selector =
            new ToggleOptionButton(QString::fromUtf8(pageNames[static_cast<std::size_t>(k)]), this);
        selector->setGeometry(twips(1320 + 1080 * k, 240, 1095, 375));
        selector->setFont(captionFont());
        selector->SetForeColor(k == 0 ? kRed : kWindowText);
        selector->SetBackColor(kLightGrey);
        Option2.append(selector);
    }
    groupButtons(Option2, this);
    Option2(0).setChecked(true);

    Frame5 = makeFrame(this, "组号", twips(120, 120, 1215, 5415), false);
    const QStringList digits = numberCaptions(10);
    chk10 = makeCheckBoxes(
        Frame5, digits, [](int k) { return twips(720, 840 + 360 * k, 300, 300); }, digitFont(),
        kRed, kYellow);
    chk100 = makeCheckBoxes(
        Frame5, digits, [](int k) { return twips(240, 840 + 360 * k, 300, 300); }, digitFont(),
        kRed, kYellow);
    for (int k = 0; k < 10; ++k) {
        chk10(k).setChecked(true);
        chk100(k).setChecked(true);
    }
    chk10(2).SetBackColor(kPaleYellow); // until the first repaint of its row
    Command1 = makeCommand(Frame5, "1、组号", twips(120, 4680, 975, 495));
    Command1->SetBackColor(kRed);
    Label2 = makeLabel(Frame5, "二位", twips(720, 360, 255, 375), kWindowText);
    Label1 = makeLabel(Frame5, "一位", twips(240, 360, 255, 375), kWindowText);
    // One character wide and two lines high: each caption reads from top to bottom.
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);

    Frame4 = makeFrame(this, "结果", twips(5640, 120, 2535, 5415), false);
    Command3 = makeCommand(Frame4, "2、过滤", twips(120, 4800, 1095, 495));
    Command3->SetBackColor(kGreen);
    Command2 = makeCommand(Frame4, "主页", twips(1200, 4800, 1215, 495));
    Text1 = new SingleLineTextBox(Frame4);
    Text1->setGeometry(twips(120, 4440, 2295, 270));
    Text1->SetBackColor(kLightBlue);
    Text3 = new MultiLineTextBox(Frame4);
    Text3->setGeometry(twips(120, 240, 2295, 4215));
    Text3->setFont(makeFont("宋体", 10.5, false));
    Text3->SetText(kNotice);

    // The pages share one place; the stack shows only the one in front, so nothing behind it
    // shows through.
    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(twips(1320, 600, 4335, 4935));
    for (int k = 0; k < 4; ++k) {
        auto* page = makeFrame(nullptr, "", QRect(), false);
        m_pages->addWidget(page);
        page->setGeometry(m_pages->rect()); // the stack sizes only the page in front
        Frame9.append(page);
    }
    m_pages->setCurrentIndex(0);
    QWidget* const page0 = &Frame9(0);
    QWidget* const page1 = &Frame9(1);

    const QFont font = conditionFont();
    const auto row = [](int top) {
        return [top](int k) { return twips(240 + 360 * k, top, 375, 375); };
    };
    Frame2 = makeFrame(page0, "杀跨度", twips(120, 120, 4095, 855), true);
    Check19 = makeCheckBoxes(Frame2, digits, row(360), font, kSilver, kLightGrey);
    Frame3 = makeFrame(page0, "杀和值", twips(120, 960, 4095, 1095), true);
    Checkhe = makeCheckBoxes(
        Frame3, numberCaptions(19),
        [](int k) {
            return k <= 9 ? twips(240 + 360 * k, 240, 375, 375)
                          : twips(240 + 360 * (k - 10), 600, 375, 375);
        },
        font, kSilver, kLightGrey);
    Frame6 = makeFrame(page0, "杀012路", twips(120, 2760, 4095, 1095), true);
    Check32 =
        makeCheckBoxes(Frame6, captionsOf(kRoadCaptions), row(360), font, kSilver, kLightGrey);
    Label19 = makeLabel(Frame6, "2路：258", twips(2640, 720, 855, 255), kGrey);
    Label18 = makeLabel(Frame6, "1路：147", twips(1560, 720, 855, 255), kGrey);
    Label17 = makeLabel(Frame6, "0路：0369", twips(360, 720, 855, 255), kGrey);
    Frame1 = makeFrame(page0, "定胆", twips(120, 3840, 4095, 975), true);
    Check26 = makeCheckBoxes(Frame1, digits, row(360), font, kSilver, kLightGrey);
    Frame7 = makeFrame(page0, "杀合值", twips(120, 2040, 4095, 735), true);
    Check18 = makeCheckBoxes(Frame7, digits, row(240), font, kSilver, kLightGrey);

    Frame8.append(makeFrame(page1, "定、杀奇偶特征", twips(120, 240, 4095, 975), true));
    Frame8.append(makeFrame(page1, "定、杀奇偶大小形态", twips(120, 1320, 4095, 1335), true));
    Frame8.append(makeFrame(page1, "定、杀奇偶特征", twips(120, 2760, 4095, 1095), true));
    const auto patternPlace = [](int top) {
        return [top](int k) { return twips(960 + 720 * k, top, 735, 375); };
    };
    Check28 = makeCheckBoxes(
        &Frame8(1), captionsOf(kParitySizeCaptions),
        [](int k) {
            return k <= 3 ? twips(960 + 720 * k, 360, 735, 375)
                          : twips(960 + 720 * (k - 4), 720, 735, 375);
        },
        font, kSilver, kLightGrey);
    Option3 = makeModePair(&Frame8(1), [](int k) { return twips(240, 480 + 240 * k, 735, 255); });
    Option1 = makeModePair(&Frame8(0), [](int k) { return twips(240, 360 + 240 * k, 735, 255); });
    Check27 = makeCheckBoxes(&Frame8(0), captionsOf(kParityCaptions), patternPlace(360), font,
                             kSilver, kLightGrey);
    Check29 = makeCheckBoxes(&Frame8(2), captionsOf(kSizeCaptions), patternPlace(360), font,
                             kSilver, kLightGrey);
    Option4 = makeModePair(&Frame8(2), [](int k) { return twips(360, 360 + 240 * k, 495, 255); });
    Label3 = makeLabel(&Frame8(2), "小：0到4 大：5到9", twips(1320, 795, 1935, 255), kGrey);

    m_controls.Text3 = Text3;
    m_controls.Text1 = Text1;
    m_controls.chk100 = ControlArray<CheckBoxControl>(chk100);
    m_controls.chk10 = ControlArray<CheckBoxControl>(chk10);
    m_controls.Checkhe = ControlArray<CheckBoxControl>(Checkhe);
    m_controls.Check18 = ControlArray<CheckBoxControl>(Check18);
    m_controls.Check19 = ControlArray<CheckBoxControl>(Check19);
    m_controls.Check32 = ControlArray<CheckBoxControl>(Check32);
    m_controls.Check26 = ControlArray<CheckBoxControl>(Check26);
    m_controls.Check27 = ControlArray<CheckBoxControl>(Check27);
    m_controls.Check28 = ControlArray<CheckBoxControl>(Check28);
    m_controls.Check29 = ControlArray<CheckBoxControl>(Check29);
    m_controls.Option1 = ControlArray<OptionButtonControl>(Option1);
    m_controls.Option3 = ControlArray<OptionButtonControl>(Option3);
    m_controls.Option4 = ControlArray<OptionButtonControl>(Option4);
    m_controls.messageBox = m_messageBox.get();
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
    if (list.view().empty()) m_messageBox->ShowInformation(kEmptyListPrompt, kMessageTitle);
    FormControls pass = m_controls;
    pass.Text3 = &list;
    dingdan::ApplyBankerFilter(pass);
    const ConditionResult result = applyConditions(list.view(), readFilterSettings(m_controls));
    if (result.unreadable) {
        // The list stays as the banker filter left it, so nothing the user typed is lost.
        list.commit();
        m_messageBox->ShowInformation(unreadableMessage(*result.unreadable), kMessageTitle);
        return;
    }
    Text3->SetText(result.listText);
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
