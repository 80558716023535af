#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

// What the window does differently on each operating system, one file for each side
// (platform_posix.cpp, platform_windows.cpp); the rest of the window is the same everywhere.
namespace shrink2d::toolkit::platform {

// A face the window names and the faces that may stand in for it, closest first. Each list ends
// in broad faces that show Simplified Chinese, so that no caption renders as boxes.
struct FaceSubstitutes {
    QString named;
    QStringList substitutes;
};

// One entry for each face the window names: "隶书", "宋体" and "MS Sans Serif".
std::vector<FaceSubstitutes> faceSubstitutes();

// Asks the system to open a web address (absolute, http or https) in the default browser, on
// behalf of the owner window, shown as showCommand asks where the system has such a choice.
// True when the system took the request; nothing else is read back.
bool openAddress(WId owner, const QString& address, const QString& parameters,
                 const QString& directory, int showCommand);

} // namespace shrink2d::toolkit::platform
