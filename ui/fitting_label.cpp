#include "ui/fitting_label.h"

#include "ui/window_zoom.h"

#include <QFontMetrics>
#include <QPainter>

namespace zolvan {

namespace {

constexpr double kPointStep = 0.25;

int widthOf(const QString& text, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

FittedText fitText(const QString& text, const QFont& font, int width, double minimumPoints) {
    FittedText fit{font, text};
    if (widthOf(text, font) <= width) {
        return fit;
    }
    fit.shrunk = true;
    double points = font.pointSizeF();
    while (points - kPointStep >= minimumPoints && widthOf(text, fit.font) > width) {
        points -= kPointStep;
        fit.font.setPointSizeF(points);
    }
    if (widthOf(text, fit.font) > width) {
        fit.elided = true;
        fit.shown = QFontMetrics(fit.font).elidedText(text, Qt::ElideMiddle, width);
    }
    return fit;
}

FittingLabel::FittingLabel(QWidget* parent, double minimumPoints)
    : ClickableLabel(parent), m_minimumPoints(minimumPoints) {}

FittedText FittingLabel::fitted() const {
    return fitText(text(), font(), contentsRect().width(),
                   m_minimumPoints * WindowZoom::factorOf(*this));
}

// The full text first, then what the model's own tooltip adds (an echoed line's expanded form).
void FittingLabel::updateToolTip(const QString& modelToolTip) {
    QString wanted = modelToolTip;
    if (fitted().shrunk) {
        const QString added = modelToolTip.trimmed();
        wanted = added.isEmpty() || added == text() ? text() : text() + QLatin1Char('\n') + added;
    }
    if (toolTip() != wanted) {
        setToolTip(wanted);
    }
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const FittedText fit = fitted();
    if (!fit.shrunk) {
        ClickableLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fit.font);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), fit.shown);
}

} // namespace zolvan
