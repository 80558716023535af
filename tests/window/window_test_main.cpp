#include "toolkit/fonts.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A modal dialog that no test waits for would block its test for ever: the test fails instead,
// naming what the dialog said, and the dialog is closed so that the run goes on.
void failOnUnexpectedDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || shrink2d::testing::MessageBoxWatcher::alive > 0) return;
    QString said = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) said += QStringLiteral(": ") + box->text();
    ADD_FAILURE() << "a modal dialog opened that the test does not expect: " << said.toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shrink2d::toolkit::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    QTimer dialogGuard;
    QObject::connect(&dialogGuard, &QTimer::timeout, failOnUnexpectedDialog);
    dialogGuard.start(20);
    return RUN_ALL_TESTS();
}
