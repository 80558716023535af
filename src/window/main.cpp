#include "filtering/version.h"
#include "toolkit/fonts.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shrink2d"));
    QApplication::setApplicationVersion(QStringLiteral(SHRINK2D_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("shrink2d"));
    shrink2d::toolkit::prepareApplication(app);
    shrink2d::Form1 form;
    form.show();
    return QApplication::exec();
}
