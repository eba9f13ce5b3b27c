#include "ui/wrapped_tooltips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QStringList>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace zolvan {

namespace {

// Room the tooltip's frame and margins take on each side.
constexpr int kFrameRoom = 8;

void wrapParagraph(const QString& paragraph, const QFont& font, int width, int maxLines,
                   QStringList& lines) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid() && lines.size() <= maxLines;
         line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
}

} // namespace

QString wrapToWidth(const QString& text, const QFont& font, int width, int maxLines) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
        } else {
            wrapParagraph(paragraph, font, width, maxLines, lines);
        }
        if (lines.size() > maxLines) {
            break;
        }
    }
    if (lines.size() > maxLines) {
        lines = lines.mid(0, std::max(maxLines, 1));
        const QFontMetrics metrics(font);
        QString& last = lines.last();
        while (!last.isEmpty() && metrics.horizontalAdvance(last + QChar(0x2026)) > width) {
            last.chop(1);
        }
        last += QChar(0x2026);
    }
    return lines.join(QLatin1Char('\n'));
}

WrappedToolTips::WrappedToolTips(QWidget& window) : QObject(&window), m_window(window) {
    qApp->installEventFilter(this);
}

WrappedToolTips::~WrappedToolTips() {
    qApp->removeEventFilter(this);
}

// A tooltip that fits is left to Qt; a longer one is shown wrapped in its place.
bool WrappedToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_window || widget->toolTip().isEmpty() ||
        widget->screen() == nullptr) {
        return false;
    }
    const QRect screen = widget->screen()->availableGeometry();
    const QFont font = QToolTip::font();
    const int lineHeight = std::max(QFontMetrics(font).lineSpacing(), 1);
    const QString text = widget->toolTip();
    const QString wrapped = wrapToWidth(text, font, screen.width() - 2 * kFrameRoom,
                                        (screen.height() - 2 * kFrameRoom) / lineHeight);
    if (wrapped == text) {
        return false;
    }
    // A tooltip that reads as rich text would run its line feeds together.
    const QString shown =
        Qt::mightBeRichText(wrapped)
            ? QStringLiteral("<p style='white-space:pre'>%1</p>")
                  .arg(wrapped.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")))
            : wrapped;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, widget, QRect(),
                       widget->toolTipDuration());
    return true;
}

} // namespace zolvan
