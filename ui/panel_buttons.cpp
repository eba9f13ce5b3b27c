#include "ui/panel_buttons.h"

#include "ui/view_sync.h"

#include <QIcon>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

namespace zolvan {

namespace {

QColor buttonColour(ButtonColour colour) {
    switch (colour) {
    case ButtonColour::LightGrey:
        return {224, 224, 224};
    case ButtonColour::ToolTip:
        return QToolTip::palette().color(QPalette::ToolTipBase);
    case ButtonColour::Grey:
        return {192, 192, 192};
    case ButtonColour::LightRed:
        return {255, 192, 192};
    case ButtonColour::LightGreen:
        return {192, 255, 192};
    case ButtonColour::Default:
        break;
    }
    return {};
}

} // namespace

PanelButton::PanelButton(QWidget* parent) : QPushButton(parent) {
    setMouseTracking(true);
}

void PanelButton::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    QPushButton::mouseMoveEvent(event);
    event->accept();
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightReleased();
    }
    QPushButton::mouseReleaseEvent(event);
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        QStylePainter painter(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

QFont buttonFont(ButtonFont kind) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(kind == ButtonFont::Large || kind == ButtonFont::LargeBold ? 12.0 : 9.0);
    font.setBold(kind == ButtonFont::LargeBold);
    return font;
}

void dressButton(QPushButton& button, std::string_view caption, std::string_view toolTip,
                 const ButtonLook& look) {
    button.setToolTip(toQString(toolTip));
    button.setAccessibleName(toQString(spokenName(caption, toolTip)));
    button.setFont(buttonFont(look.font));
    if (look.picture.empty()) {
        button.setText(toQString(caption));
    } else {
        button.setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(toQString(look.picture))));
        button.setIconSize(QSize(36, 22));
    }
    const QColor colour = buttonColour(look.colour);
    if (colour.isValid()) {
        QPalette palette = button.palette();
        palette.setColor(QPalette::Button, colour);
        // The face keeps its light design colour in a dark theme too: its text stays dark.
        palette.setColor(QPalette::ButtonText, Qt::black);
        button.setPalette(palette);
    }
}

} // namespace zolvan
