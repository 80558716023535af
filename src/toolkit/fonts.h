#pragma once

#include <QFont>
#include <QString>

class QApplication;

namespace shrink2d::toolkit {

// Maps the faces the window names ("隶书", "宋体", "MS Sans Serif") to the faces of the same
// kind that this system ships or may have installed, and that show Simplified Chinese.
void installFontSubstitutions();

// The first installed face among the substitutes of `named`, or `named` itself when none is
// installed (fontconfig then picks the nearest face). A font built on this one family asks
// fontconfig for per-glyph fallbacks only when a glyph is missing; a font naming the whole list
// would take the later entries as fallbacks and have fontconfig sort every face for them at once.
QString installedFamily(const QString& named);

// Hinting for every face the window draws with. Fontconfig's default "slight" hinting makes
// FreeType's autohinter analyse each face's whole character map and sample glyphs first, which
// for the large CJK faces cost about a third of the window's start-up, for strokes that hinting
// at these sizes barely moves.
inline constexpr QFont::HintingPreference kCaptionHinting = QFont::PreferNoHinting;

// A font on the installed substitute of a named face, at that size and weight, drawn with
// kCaptionHinting.
QFont classicFont(const char* family, qreal points, bool bold);

// The window's default font, standing in for the classic 8-point interface font: the face that
// replaces "MS Sans Serif", at 9 points, where its Chinese glyphs take the classic 12 pixels.
// Every property is set, so nothing of the desktop's interface font comes through.
QFont interfaceFont();

// Everything the window needs from the application before it is built: the style its
// colours are drawn with, the toolkit's texts in Chinese, the font substitutions and the
// interface font that message boxes and menus use.
void prepareApplication(QApplication& app);

} // namespace shrink2d::toolkit
