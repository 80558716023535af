#pragma once

#include "toolkit/colour.h"

#include <QWidget>

namespace shrink2d::toolkit {

// A frame: an etched border with its caption set into the top edge, over an opaque face. The
// pages of the window are frames without caption.
class Frame : public QWidget {
public:
    Frame(const QString& caption, QWidget* parent);

    QString Caption() const { return m_caption; }
    Colour ForeColor() const { return m_foreColor; }
    Colour BackColor() const { return m_backColor; }
    void SetForeColor(Colour colour);
    void SetBackColor(Colour colour);
    // The caption's font; the controls inside keep the window's font.
    void SetCaptionFont(const QFont& font);
    const QFont& CaptionFont() const { return m_captionFont; }

    // Brings the frame to the front of its siblings; a page in a stack becomes the page shown.
    void ZOrder();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QFont m_captionFont;
    Colour m_foreColor = kWindowText;
    Colour m_backColor = kLightGrey;
};

} // namespace shrink2d::toolkit
