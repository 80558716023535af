#pragma once

#include "filtering/controls.h"
#include "toolkit/colour.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <string>

namespace shrink2d::toolkit {

// The several-line text box. Its Text holds line breaks as CR LF, whatever the user typed or
// pasted, the way a multi-line box of the platform keeps them.
class MultiLineTextBox : public QPlainTextEdit, public TextBoxControl {
public:
    explicit MultiLineTextBox(QWidget* parent);

    std::string Text() const override;
    void SetText(std::string_view text) override;
    void SetBackColor(Colour colour);

    // What a paste or a drop inserts: the filter's rewriting of the text; without one, the text.
    using PasteFilter = std::function<std::string(std::string)>;
    void setPasteFilter(PasteFilter filter) { m_pasteFilter = std::move(filter); }

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    PasteFilter m_pasteFilter;
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
