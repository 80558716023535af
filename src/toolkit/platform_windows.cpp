#include "toolkit/platform.h"

#include <windows.h>

#include <shellapi.h>

namespace shrink2d::toolkit::platform {

std::vector<FaceSubstitutes> faceSubstitutes()
{
    // The faces Windows ships under their Chinese and English names (Qt knows a face by either),
    // then Debian's free faces, which a player may have installed (and the tests under Wine
    // have), then the broad faces of every Windows 10 and later.
    return {
        {QStringLiteral("隶书"),
         {QStringLiteral("隶书"), QStringLiteral("LiSu"), QStringLiteral("楷体"),
          QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"),
          QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei")}},
        {QStringLiteral("宋体"),
         {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
          QStringLiteral("AR PL UMing TW"), QStringLiteral("Microsoft YaHei"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        // "MS Sans Serif" itself is a bitmap face without Chinese: a Chinese Windows drew these
        // captions from 宋体 at the same size.
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Microsoft YaHei"),
          QStringLiteral("WenQuanYi Micro Hei")}},
    };
}

bool openAddress(WId owner, const QString& address, const QString& parameters,
                 const QString& directory, int showCommand)
{
    // The wide call: the address reaches the shell whole, whatever the ANSI code page. The shell
    // asks for a COM apartment, which Qt's windows platform has made of the window's thread.
    // Above 32 means the shell took the request.
    const HINSTANCE result = ::ShellExecuteW(
        reinterpret_cast<HWND>(owner), L"open", reinterpret_cast<LPCWSTR>(address.utf16()),
        reinterpret_cast<LPCWSTR>(parameters.utf16()), reinterpret_cast<LPCWSTR>(directory.utf16()),
        showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace shrink2d::toolkit::platform
