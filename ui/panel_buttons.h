#pragma once
// The buttons of the keypad, the function panel and the image menu bar, dressed as the panel
// tables describe them (caption or picture, colour, font, the words a screen reader says).

#include "panels/button_design.h"

#include <QPushButton>

#include <string_view>

namespace zolvan {

// A push button that reports the pointer moving over it and the release of the right button, as
// the keypad and the function panel need. It takes the move itself: the frame under it does not
// see the same move again.
class PanelButton : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(QWidget* parent);

signals:
    void pointerMoved();
    void rightReleased();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A flat picture button of the image bar. Flat buttons draw no focus mark of their own, so it
// draws one while it has the keyboard focus.
class PictureButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

QFont buttonFont(ButtonFont kind);

// Caption or picture, colour, font and the words a screen reader says.
void dressButton(QPushButton& button, std::string_view caption, std::string_view toolTip,
                 const ButtonLook& look);

} // namespace zolvan
