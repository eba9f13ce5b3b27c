#include "ui/hint_strip.h"

#include "ui/view_sync.h"
#include "ui/window_zoom.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace zolvan {

namespace {

// The display's own size first, then smaller steps that stay readable.
constexpr std::array<double, 4> kPoints{7.5, 7.0, 6.5, 6.0};
constexpr int kPadding = 2; // frame and margin, each side

QFont stripFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

int wrappedHeight(const QString& text, double points, int width) {
    return QFontMetrics(stripFont(points))
        .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text)
        .height();
}

} // namespace

HintStrip::HintStrip(QWidget* parent, QRect place, int roomAbove)
    : ClickableLabel(parent), m_place(place), m_roomAbove(roomAbove) {
    setObjectName(QStringLiteral("hintStrip"));
    setAccessibleDescription(QStringLiteral("Hint"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(kPadding - 1);
    // The desktop's tooltip colours: a note laid on the paper, readable in every theme.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setGeometry(m_place);
    hide();
}

void HintStrip::showHints(const std::vector<std::string>& hints) {
    QStringList lines;
    for (const std::string& hint : hints) {
        lines << toQString(hint);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != this->text() || WindowZoom::factorOf(*this) != m_fittedZoom) {
        fit(text);
        setText(text);
        setToolTip(text);
    }
    setVisible(!text.isEmpty());
}

// The largest font whose wrapped text fits the strip; at the smallest, the strip grows upwards.
void HintStrip::fit(const QString& text) {
    m_fittedZoom = WindowZoom::factorOf(*this);
    const QRect place = zoomed(*this, m_place);
    const int padding = static_cast<int>(kPadding * m_fittedZoom);
    const int width = place.width() - 2 * padding;
    const int room = place.height() - 2 * padding;
    double points = kPoints.back() * m_fittedZoom;
    for (const double candidate : kPoints) {
        if (wrappedHeight(text, candidate * m_fittedZoom, width) <= room) {
            points = candidate * m_fittedZoom;
            break;
        }
    }
    setFont(stripFont(points));
    const int needed = wrappedHeight(text, points, width) + 2 * padding;
    const int roomAbove = static_cast<int>(m_roomAbove * m_fittedZoom);
    const int above = std::clamp(needed - place.height(), 0, roomAbove);
    setGeometry(place.adjusted(0, -above, 0, 0));
}

} // namespace zolvan
