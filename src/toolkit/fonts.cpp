#include "toolkit/fonts.h"

#include "toolkit/classic_paint.h"
#include "toolkit/platform.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

namespace shrink2d::toolkit {

void installFontSubstitutions()
{
    for (const platform::FaceSubstitutes& face : platform::faceSubstitutes()) {
        QFont::insertSubstitutions(face.named, face.substitutes);
    }
}

QString installedFamily(const QString& named)
{
    for (const QString& substitute : QFont::substitutes(named)) {
        if (QFontDatabase::hasFamily(substitute)) return substitute;
    }
    return named;
}

QFont classicFont(const char* family, qreal points, bool bold)
{
    QFont font(installedFamily(QString::fromUtf8(family)));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Set on each font, not only the application's: not every font the window paints with is
    // resolved against the application font (left unset, one face went back to the autohinter).
    font.setHintingPreference(kCaptionHinting);
    return font;
}

QFont interfaceFont()
{
    QFont font = classicFont("MS Sans Serif", 9, false);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void prepareApplication(QApplication& app)
{
    // Fusion (with the classic focus mark) draws every control from the palette, so the colours
    // set on controls show as set whatever desktop theme is active.
    app.setStyle(createClassicStyle());
    // The toolkit's own texts (message box buttons, the text boxes' context menu) in Simplified
    // Chinese like the rest of the window, whatever the system locale; English when the
    // translations are not installed.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    installFontSubstitutions();
    // The captions are Chinese: an interface font without Simplified Chinese would leave every
    // caption to per-glyph fallback, with Latin and Chinese in unmatched faces and widths.
    QFont font = QApplication::font();
    if (!QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::SimplifiedChinese)) {
        font.setFamilies({installedFamily(QStringLiteral("MS Sans Serif"))});
    }
    font.setHintingPreference(kCaptionHinting);
    QApplication::setFont(font);
}

} // namespace shrink2d::toolkit
