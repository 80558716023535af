#pragma once

#include "filtering/controls.h"
#include "toolkit/colour.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace shrink2d::toolkit {

// The several-line text box. Its Text holds line breaks as CR LF, whatever the user typed or
// pasted, the way a multi-line box of the platform keeps them.
class MultiLineTextBox : public QPlainTextEdit, public TextBoxControl {
public:
    explicit MultiLineTextBox(QWidget* parent);

    std::string Text() const override;
    void SetText(std::string_view text) override;
    void SetBackColor(Colour colour);
};

// The one-line text box.
class SingleLineTextBox : public QLineEdit, public TextBoxControl {
public:
    explicit SingleLineTextBox(QWidget* parent);

    std::string Text() const override { return text().toStdString(); }
    void SetText(std::string_view text) override;
    void SetBackColor(Colour colour);
};

} // namespace shrink2d::toolkit
