#include "window_test_support.h"

#include <QLabel>
#include <QMenu>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>

#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace shrink2d::testing {
namespace {

using namespace toolkit;

// A dark desktop with a large interface font, while it lives.
class DarkDesktop {
public:
    DarkDesktop() : m_palette(QApplication::palette()), m_font(QApplication::font())
    {
        QApplication::setPalette(QPalette(QColor(0x42, 0x42, 0x45), QColor(0x24, 0x24, 0x24)));
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    }
    ~DarkDesktop()
    {
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    QPalette m_palette;
    QFont m_font;
};

// Page 0 after a generation, then page 1.
std::vector<QImage> picturesOfTheWindow()
{
    Form1 form;
    form.show();
    form.Command1->click();
    std::vector<QImage> pictures{form.grab().toImage()};
    form.Option2(1).click();
    pictures.push_back(form.grab().toImage());
    return pictures;
}

TEST(Look, SamePictureOnADarkDesktopWithALargeInterfaceFont)
{
    const std::vector<QImage> light = picturesOfTheWindow();
    const DarkDesktop desktop;
    const std::vector<QImage> dark = picturesOfTheWindow();
    ASSERT_EQ(light.size(), dark.size());
    for (std::size_t k = 0; k < light.size(); ++k) EXPECT_TRUE(light[k] == dark[k]) << "page " << k;
}

TEST(Look, DefaultColoursAreTheClassicSchemesOnADarkDesktop)
{
    const DarkDesktop desktop;
    Form1 form;
    form.show();
    form.Option2(1).click();
    const QImage picture = form.grab().toImage();
    const auto at = [&](const QWidget& control, int x, int y) {
        return QColor(picture.pixel(control.mapTo(&form, QPoint(x, y)))).name().toStdString();
    };
    EXPECT_EQ(at(*form.Command2, 5, 5), "#f0f0f0"); // button face
    EXPECT_EQ(at(*form.Text3, form.Text3->width() - 8, form.Text3->height() - 8), "#ffffff");
    // The fix/kill pairs sit on their frame's grey, with no box of another grey around them.
    EXPECT_EQ(at(form.Option1(1), form.Option1(1).width() - 2, 2), "#e0e0e0");
}

// Where the glyphs of every text painted on it land.
class InkEngine : public QPaintEngine {
public:
    InkEngine() : QPaintEngine(AllFeatures) {}

    QRectF ink;

    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override
    {
        if (changed.state() & DirtyTransform) m_transform = changed.transform();
    }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override
    {
        QPainterPath glyphs;
        glyphs.addText(origin, item.font(), item.text());
        ink |= m_transform.map(glyphs).boundingRect();
    }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawPath(const QPainterPath& /*path*/) override {}
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}
    Type type() const override { return User; }

private:
    QTransform m_transform;
};

class InkRecorder : public QPaintDevice {
public:
    QRectF ink() const { return m_engine.ink; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        default:
            return 1000; // width and height, in pixels and millimetres
        }
    }

private:
    mutable InkEngine m_engine;
};

QString captionOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* frame = dynamic_cast<const Frame*>(&control)) return frame->Caption();
    return {};
}

TEST(Look, EveryCaptionLiesInsideItsControlWhateverTheInterfaceFont)
{
    const DarkDesktop desktop;
    Form1 form;
    form.show();
    int captions = 0;
    for (QWidget* control : form.findChildren<QWidget*>()) {
        const QString caption = captionOf(*control);
        if (caption.isEmpty()) continue;
        ++captions;
        InkRecorder recorder;
        control->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        SCOPED_TRACE(caption.toStdString());
        EXPECT_FALSE(recorder.ink().isEmpty());
        EXPECT_TRUE(QRectF(control->rect()).contains(recorder.ink()))
            << "ink " << recorder.ink().x() << "," << recorder.ink().y() << " "
            << recorder.ink().width() << "x" << recorder.ink().height() << " in "
            << control->width() << "x" << control->height();
    }
    EXPECT_EQ(captions, 123);
}

// The colours met walking count pixels from start by step, as (colour, length) runs.
std::vector<std::pair<QRgb, int>> runsFrom(const QImage& picture, QPoint start, QPoint step,
                                           int count)
{
    std::vector<std::pair<QRgb, int>> runs;
    for (QPoint p = start; count-- > 0; p += step) {
        const QRgb colour = picture.pixel(p);
        if (!runs.empty() && runs.back().first == colour) {
            ++runs.back().second;
        } else {
            runs.emplace_back(colour, 1);
        }
    }
    return runs;
}

class BevelTest : public WindowTest, public ::testing::WithParamInterface<double> {};

TEST_P(BevelTest, EdgesAreWholeDevicePixelsWithNoFaceOutside)
{
    const double ratio = GetParam();
    QImage picture(form->size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    form->render(&picture);
    const int line = static_cast<int>(ratio);
    constexpr QRgb kWhite = 0xFFFFFFFF, kLight = 0xFFE3E3E3, kShadow = 0xFFA0A0A0,
                   kDark = 0xFF696969, kBackground = 0xFFE0E0E0;
    struct Edges {
        QWidget* control;
        QRgb topLeftOuter, topLeftInner, bottomRightOuter, bottomRightInner;
        bool rightIsCovered = false;
    };
    // Only edges no neighbour covers: the layout lays condition toggles, page selectors, the
    // two buttons under the result and the frame beside the pages a pixel over each other.
    std::vector<Edges> controls = {{form->Command1, kWhite, kLight, kDark, kShadow},
                                   {form->Frame5, kShadow, kWhite, kWhite, kShadow, true}};
    for (int k = 0; k < 10; ++k) { // ticked, so pressed in
        controls.push_back({&form->chk100(k), kDark, kShadow, kWhite, kLight});
        controls.push_back({&form->chk10(k), kDark, kShadow, kWhite, kLight});
    }
    for (const Edges& e : controls) {
        const QRectF exact(QRectF(e.control->mapTo(form.get(), QPoint()), e.control->size()));
        const QRectF device(exact.topLeft() * ratio, exact.size() * ratio);
        const int midX = static_cast<int>(device.center().x());
        const int midY = static_cast<int>(device.center().y());
        const int left = static_cast<int>(std::floor(device.left())) - 2;
        const int top = static_cast<int>(std::floor(device.top())) - 2;
        const int right = static_cast<int>(std::ceil(device.right())) + 1;
        const int bottom = static_cast<int>(std::ceil(device.bottom())) + 1;
        const int depth = 12 * line + 10; // past a frame's caption line to its border
        const std::vector<std::pair<QRgb, int>> topLeft = {
            {kBackground, 0}, {e.topLeftOuter, line}, {e.topLeftInner, line}};
        const std::vector<std::pair<QRgb, int>> bottomRight = {
            {kBackground, 0}, {e.bottomRightOuter, line}, {e.bottomRightInner, line}};
        struct Side {
            const char* name;
            QPoint start;
            QPoint step;
            const std::vector<std::pair<QRgb, int>>& expected;
        };
        for (const Side& side : {Side{"left", {left, midY}, {1, 0}, topLeft},
                                 Side{"top", {midX, top}, {0, 1}, topLeft},
                                 Side{"right", {right, midY}, {-1, 0}, bottomRight},
                                 Side{"bottom", {midX, bottom}, {0, -1}, bottomRight}}) {
            if (e.rightIsCovered && side.step.x() < 0) continue;
            SCOPED_TRACE(captionOf(*e.control).toStdString() + " " + side.name);
            std::vector<std::pair<QRgb, int>> runs =
                runsFrom(picture, side.start, side.step, depth);
            ASSERT_GE(runs.size(), 4U);
            runs.resize(3);
            runs[0].second = 0; // whatever stretch of background comes first
            EXPECT_EQ(runs, side.expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, BevelTest, ::testing::Values(1.0, 1.5, 2.0),
                         [](const ::testing::TestParamInfo<double>& ratio) {
                             return "ratio" + std::to_string(static_cast<int>(ratio.param * 10));
                         });

TEST_F(WindowTest, FocusMarkStandsOutOnEveryFaceColour)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const auto expectStrongMark = [](QWidget& control) {
        SCOPED_TRACE(captionOf(control).toStdString());
        control.clearFocus(); // the first digit box starts with the focus
        const QImage without = control.grab().toImage();
        control.setFocus();
        ASSERT_TRUE(control.hasFocus());
        const QImage with = control.grab().toImage();
        int marked = 0;
        int faint = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                const QColor a = without.pixelColor(x, y);
                const QColor b = with.pixelColor(x, y);
                if (a == b) continue;
                ++marked;
                const int distance = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                     std::abs(a.blue() - b.blue());
                if (distance < 300) ++faint;
            }
        }
        EXPECT_GE(marked, 20);
        EXPECT_EQ(faint, 0);
    };
    expectStrongMark(form->chk100(0));  // yellow
    expectStrongMark(*form->Command1);  // red
    expectStrongMark(*form->Command3);  // green
    expectStrongMark(form->Check19(0)); // grey
    expectStrongMark(*form->Command2);
    form->Option2(1).click();
    expectStrongMark(form->Option1(0));
}

bool holdsChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4E00; });
}

TEST_F(WindowTest, ToolkitTextsAreSimplifiedChinese)
{
    QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().toStdString(), "确定");
    const std::unique_ptr<QMenu> menus[] = {
        std::unique_ptr<QMenu>(form->Text3->createStandardContextMenu()),
        std::unique_ptr<QMenu>(form->Text1->createStandardContextMenu())};
    for (const std::unique_ptr<QMenu>& menu : menus) {
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            EXPECT_TRUE(holdsChinese(action->text())) << action->text().toStdString();
        }
    }
}

} // namespace
} // namespace shrink2d::testing
