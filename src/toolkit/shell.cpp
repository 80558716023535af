#include "toolkit/shell.h"

#include "toolkit/platform.h"

#include <QUrl>

namespace shrink2d::toolkit {
namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool DesktopShell::Execute(WId owner, std::string_view verb, std::string_view file,
                           std::string_view parameters, std::string_view directory, int showCommand)
{
    // Only web addresses: a shell given a file name or a file: address would start a program.
    if (verb != "open") return false;
    const QUrl url(qs(file), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
        return false;
    }
    return platform::openAddress(owner, url.toString(QUrl::FullyEncoded), qs(parameters),
                                 qs(directory), showCommand);
}

} // namespace shrink2d::toolkit
