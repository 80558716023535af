#include "toolkit/fonts.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shrink2d::toolkit::prepareApplication(app);
    shrink2d::Form1 form;
    form.show();
    return QApplication::exec();
}
