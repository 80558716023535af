#pragma once

#include <string_view>

class QWidget;

namespace shrink2d::toolkit {

// The platform's modal message box, owned by a window: a prompt, a title, the information icon
// and one OK button; returns when the user has closed it.
class MessageBox {
public:
    explicit MessageBox(QWidget* owner) : m_owner(owner) {}

    void ShowInformation(std::string_view prompt, std::string_view title);

private:
    QWidget* m_owner;
};

} // namespace shrink2d::toolkit
