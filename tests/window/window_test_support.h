#pragma once

#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace shrink2d::testing {

// What a message box showed before the watcher closed it.
struct ShownMessage {
    bool shown = false;
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasSingleOkButton = false;
};

// Closes the next modal message box by pressing its OK button, after noting what it showed.
// Keep the watcher alive across the click that opens the box. A box that opens while no watcher
// is alive fails the test running (see window_test_main.cpp).
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        ++alive;
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeIfOpen(); });
        m_timer.start();
    }
    ~MessageBoxWatcher() { --alive; }
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    static inline int alive = 0;

    const ShownMessage& message() const { return m_message; }

private:
    void closeIfOpen()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        m_message.shown = true;
        m_message.title = box->windowTitle().toStdString();
        m_message.text = box->text().toStdString();
        m_message.icon = box->icon();
        m_message.hasSingleOkButton =
            box->buttons().size() == 1 && box->button(QMessageBox::Ok) != nullptr;
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_timer;
    ShownMessage m_message;
};

// A fresh window for every test, shown offscreen.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<Form1>();
        form->show();
    }

    // A real mouse click in the middle of the control, as the user makes it.
    static void click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

    std::string text3() const { return form->Text3->Text(); }
    std::string text1() const { return form->Text1->Text(); }

    // Generates the list from the digit rows as they stand.
    void generate() { click(*form->Command1); }

    std::unique_ptr<Form1> form;
};

} // namespace shrink2d::testing
