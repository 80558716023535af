#pragma once

class QApplication;

namespace shrink2d::toolkit {

// Maps the faces the window names ("隶书", "宋体", "MS Sans Serif"), which Linux lacks, to
// installed faces of the same kind that show Simplified Chinese.
void installFontSubstitutions();

// Everything the window needs from the application before it is built: the style its
// colours are drawn with and the font substitutions.
void prepareApplication(QApplication& app);

} // namespace shrink2d::toolkit
