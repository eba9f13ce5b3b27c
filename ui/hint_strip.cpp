#include "ui/hint_strip.h"

#include "ui/view_sync.h"

#include <QFontMetrics>

namespace zolvan {

namespace {

constexpr double kPoints = 7.5;
constexpr double kSmallPoints = 6.5;

QFont stripFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

HintStrip::HintStrip(QWidget* parent) : ClickableLabel(parent) {
    setObjectName(QStringLiteral("hintStrip"));
    setAccessibleDescription(QStringLiteral("Hint"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(1);
    // The desktop's tooltip colours: a note beside the paper, readable in every theme.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFont(stripFont(kPoints));
    hide();
}

void HintStrip::showHints(const std::vector<std::string>& hints) {
    QStringList lines;
    for (const std::string& hint : hints) {
        lines << toQString(hint);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != this->text()) {
        const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QRect needed =
            QFontMetrics(stripFont(kPoints)).boundingRect(room, Qt::TextWordWrap, text);
        setFont(stripFont(needed.height() > room.height() ? kSmallPoints : kPoints));
        setText(text);
        setToolTip(text);
    }
    setVisible(!text.isEmpty());
}

} // namespace zolvan
