#include "toolkit/text_box.h"

#include <QMimeData>

namespace shrink2d::toolkit {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control; the list is separated by blanks and has no use for tabs.
    setTabChangesFocus(true);
}

std::string MultiLineTextBox::Text() const
{
    // The document keeps paragraphs, not line-break characters; every paragraph break reads
    // back as CR LF.
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toStdString();
}

void MultiLineTextBox::SetText(std::string_view text) { setPlainText(fromUtf8(text)); }

void MultiLineTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!m_pasteFilter || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // One edit, undone by one Ctrl+Z.
    insertPlainText(QString::fromStdString(m_pasteFilter(source->text().toStdString())));
}

void MultiLineTextBox::SetBackColor(Colour colour)
{
    setRoleColour(*this, {QPalette::Base}, colour);
}

SingleLineTextBox::SingleLineTextBox(QWidget* parent) : QLineEdit(parent) {}

void SingleLineTextBox::SetText(std::string_view text) { setText(fromUtf8(text)); }

void SingleLineTextBox::SetBackColor(Colour colour)
{
    setRoleColour(*this, {QPalette::Base}, colour);
}

} // namespace shrink2d::toolkit
