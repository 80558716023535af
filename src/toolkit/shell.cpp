#include "toolkit/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace shrink2d::toolkit {

bool DesktopShell::Execute(WId /*owner*/, std::string_view verb, std::string_view file,
                           std::string_view /*parameters*/, std::string_view /*directory*/,
                           int /*showCommand*/)
{
    // The desktop's handler decides the browser and its window; the owner and show command
    // have no counterpart there.
    if (verb != "open") return false;
    const QUrl url(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())),
                   QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    return QDesktopServices::openUrl(url);
}

} // namespace shrink2d::toolkit
