#pragma once

#include "filtering/controls.h"

class QWidget;

namespace shrink2d::toolkit {

// The platform's modal message box, owned by a window.
class MessageBox : public MessageBoxControl {
public:
    explicit MessageBox(QWidget* owner) : m_owner(owner) {}

    void ShowInformation(std::string_view prompt, std::string_view title) override;

private:
    QWidget* m_owner;
};

} // namespace shrink2d::toolkit
