#include "toolkit/message_box.h"

#include <QMessageBox>

namespace shrink2d::toolkit {

void MessageBox::ShowInformation(std::string_view prompt, std::string_view title)
{
    QMessageBox box(QMessageBox::Information,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                    QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText); // typed text shown in the box is never markup
    box.exec();
}

} // namespace shrink2d::toolkit
