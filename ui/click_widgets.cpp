#include "ui/click_widgets.h"

#include <QMouseEvent>

namespace zolvan {

namespace {

// A click is a press and a release of the left button over the same widget.
bool releasedInside(const QWidget& widget, const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

} // namespace

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && releasedInside(*this, *event);
    m_pressed = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void ClickableFrame::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && releasedInside(*this, *event);
    m_pressed = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace zolvan
