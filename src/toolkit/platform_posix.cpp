#include "toolkit/platform.h"

#include <QDesktopServices>
#include <QUrl>

namespace shrink2d::toolkit::platform {

std::vector<FaceSubstitutes> faceSubstitutes()
{
    // The closest of Debian's free faces first: Kai for the clerical 隶书, Ming for 宋体.
    return {
        {QStringLiteral("隶书"),
         {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        {QStringLiteral("宋体"),
         {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("WenQuanYi Micro Hei")}},
    };
}

bool openAddress(WId /*owner*/, const QString& address, const QString& /*parameters*/,
                 const QString& /*directory*/, int /*showCommand*/)
{
    // The desktop's URL handler decides the browser and its window; the owner, the parameters
    // and the show command have no counterpart there.
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace shrink2d::toolkit::platform
