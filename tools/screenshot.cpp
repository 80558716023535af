// Renders the window in a few states to PNG files:
//   shrink2d-screenshot [--scale FACTOR] [--controls] [DIRECTORY]
// (default: scale 1, build/screenshots). The scale is the desktop's (1.25, 1.5, 2, ...); the
// pictures then have that many device pixels to a pixel of the layout. --controls writes beside
// each picture a text file with a line for each control: its name, where it stands in the
// window, its caption and how many of the caption's characters its font cannot draw, so that two
// builds can be compared control by control. Runs offscreen unless a platform is chosen.

#include "toolkit/fonts.h"
#include "window/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QTimer>

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>

namespace {

bool writeControls = false;

struct ShownText {
    QString text;
    QFont font;
};

// The text a control shows, in the font it draws it with.
ShownText shownText(const QWidget& widget)
{
    if (const auto* frame = dynamic_cast<const shrink2d::toolkit::Frame*>(&widget)) {
        return {frame->Caption(), frame->CaptionFont()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return {button->text(), widget.font()};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return {label->text(), widget.font()};
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return {box->toPlainText(), widget.font()};
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) {
        return {line->text(), widget.font()};
    }
    return {};
}

// One line for each named or captioned control, in the order the window holds them.
bool saveControls(const shrink2d::Form1& form, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&file);
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const ShownText shown = shownText(*widget);
        if (!widget->isVisibleTo(&form) ||
            (widget->accessibleName().isEmpty() && shown.text.isEmpty())) {
            continue;
        }
        const QRect at(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        const QFontMetrics metrics(shown.font);
        int missing = 0;
        for (const QChar c : shown.text) {
            if (!c.isSpace() && !metrics.inFontUcs4(c.unicode())) ++missing;
        }
        QString text = shown.text;
        text.replace(QStringLiteral("\r"), QStringLiteral("\\r"))
            .replace(QStringLiteral("\n"), QStringLiteral("\\n"));
        out << widget->accessibleName() << '\t' << at.x() << ',' << at.y() << ' ' << at.width()
            << 'x' << at.height() << '\t' << text << "\tmissing glyphs: " << missing << '\n';
    }
    return out.status() == QTextStream::Ok && file.flush();
}

bool save(shrink2d::Form1& form, const QDir& dir, const char* name)
{
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromUtf8(name));
    if (!form.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    const QString controls = path.chopped(4) + QStringLiteral(".controls.txt");
    if (writeControls && !saveControls(form, controls)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(controls));
        return false;
    }
    return true;
}

// Presses button, saves the message box it opens, then closes the box.
bool saveMessage(QAbstractButton& button, const QDir& dir, const char* name)
{
    bool saved = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        const QString path = dir.filePath(QString::fromUtf8(name));
        saved = box->grab().save(path);
        if (saved) std::printf("%s\n", qPrintable(path));
        box->accept();
    });
    button.click();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    CLI::App cli{"Renders the window in a few states to PNG files."};
    double scale = 1;
    std::string directory = "build/screenshots";
    const CLI::Option* scaleOption =
        cli.add_option("--scale", scale, "the desktop's scale, e.g. 1.5 or 2")
            ->check(CLI::Range(0.5, 8.0));
    cli.add_flag("--controls", writeControls,
                 "beside each picture, a line for each control: name, place, caption, glyphs "
                 "its font lacks");
    cli.add_option("directory", directory, "where the PNG files go");
    CLI11_PARSE(cli, argc, argv);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt scales every window by this factor, as a desktop set to that scale does.
    if (scaleOption->count() > 0) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    shrink2d::toolkit::prepareApplication(app);
    const QDir dir(QString::fromStdString(directory));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return EXIT_FAILURE;
    }

    shrink2d::Form1 form;
    form.show();
    bool ok = save(form, dir, "page0-start.png");
    for (int page = 1; page < 4; ++page) {
        form.Option2(page).click();
        ok = ok && save(form, dir, qPrintable(QStringLiteral("page%1-start.png").arg(page)));
    }
    form.Option2(0).click();
    form.Command1->click();
    ok = ok && save(form, dir, "page0-after-generate.png");

    // Some boxes ticked, a few digits unticked, kill mode in one pair.
    form.chk100(3).click();
    form.chk10(2).click();
    form.chk10(7).click();
    form.Checkhe(10).click();
    form.Check19(0).click();
    form.Check32(1).click();
    form.Check26(6).click();
    ok = ok && save(form, dir, "page0-ticked.png");
    form.Option2(1).click();
    form.Check27(0).click();
    form.Check28(0).click();
    form.Check28(4).click();
    form.Option4(1).click();
    form.Check29(2).click();
    ok = ok && save(form, dir, "page1-ticked.png");
    form.Option2(2).click();
    form.Command3->click();
    ok = ok && save(form, dir, "page2-after-filter.png");

    form.Text3->SetText("");
    ok = ok && saveMessage(*form.Command3, dir, "message-empty-list.png");
    form.Check26(6).click(); // no banker digit, so the typed element reaches the conditions
    form.Text3->SetText("12 ab\r\n34 56 ");
    ok = ok && saveMessage(*form.Command3, dir, "message-unreadable.png");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
