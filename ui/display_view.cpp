#include "ui/display_view.h"

#include "ui/click_widgets.h"
#include "ui/geometry.h"
#include "ui/view_sync.h"
#include "workspace/workspace.h"

namespace zolvan {

namespace {

// Positions in twips inside the display.
constexpr int kMargin = 45;
constexpr int kDisplayWidth = 3450;
constexpr int kIndicatorTop = 0;
constexpr int kIndicatorHeight = 180;
constexpr int kIndicatorWidth = 480;
constexpr int kDesignationWidth = 750;
constexpr int kRowHeight = 240;
constexpr int kValueRowHeight = 255;

struct RowPlace {
    int top;
    int height;
};

// Rows 1 to 4 of the tape; the value rows are a little taller for their bold font.
constexpr std::array<RowPlace, 4> kRows{{{195, kRowHeight},
                                         {435 - 15, kValueRowHeight},
                                         {660, kRowHeight},
                                         {900 - 15, kValueRowHeight}}};
constexpr std::array<int, 2> kEchoRow{2, 0};      // lblUnosFormule(0) row 3, (1) row 1
constexpr std::array<int, 3> kResultRow{3, 1, 2}; // lblRezultat(0) row 4, (1) row 2, (2) row 3

constexpr std::array<const char*, 7> kIndicatorDescriptions{"Automatic display mode",
                                                            "Scientific display mode",
                                                            "Fixed display mode",
                                                            "Memory",
                                                            "Radians",
                                                            "Degrees",
                                                            "Grads"};
constexpr std::array<const char*, 3> kResultDescriptions{"Current result", "Previous result",
                                                         "Third value of a table"};
constexpr std::array<const char*, 2> kEchoDescriptions{"Current input line", "Previous input line"};

QFont displayFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

ClickableLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font,
                          const QString& description) {
    auto* label = new ClickableLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAccessibleDescription(description);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString arrayName(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QRect rowRect(int row) {
    const RowPlace place = kRows[static_cast<std::size_t>(row)];
    return twipRect(kMargin, place.top + kMargin, kDisplayWidth - 2 * kMargin, place.height);
}

} // namespace

DisplayView::DisplayView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("picRezultat"));
    setAccessibleName(QStringLiteral("Result display"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
    setFixedSize(px(kDisplayWidth), px(kRows.back().top + kRows.back().height + 2 * kMargin));
    buildIndicators();
    buildRows();
}

void DisplayView::buildIndicators() {
    const QFont font = displayFont(6.0, false);
    for (std::size_t i = 0; i < m_lblInfo.size(); ++i) {
        ClickableLabel* label = makeLabel(this, arrayName("lblInfo", i), font,
                                          QLatin1String(kIndicatorDescriptions[i]));
        label->setGeometry(twipRect(kMargin + static_cast<int>(i) * kIndicatorWidth,
                                    kIndicatorTop + kMargin, kIndicatorWidth, kIndicatorHeight));
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { emit indicatorClicked(static_cast<int>(i)); });
        m_lblInfo[i] = label;
    }
}

void DisplayView::buildRows() {
    const QFont small = displayFont(7.5, false);
    const QFont value = displayFont(9.75, true);
    for (std::size_t i = 0; i < m_lblOznaka.size(); ++i) {
        ClickableLabel* label =
            makeLabel(this, arrayName("lblOznaka", i), small, QStringLiteral("Row designation"));
        QRect place = rowRect(static_cast<int>(i));
        place.setWidth(px(kDesignationWidth));
        label->setGeometry(place);
        m_lblOznaka[i] = label;
    }
    // Values stand at the right, clear of the designations at the left.
    for (std::size_t i = 0; i < m_lblRezultat.size(); ++i) {
        ClickableLabel* label = makeLabel(this, arrayName("lblRezultat", i), value,
                                          QLatin1String(kResultDescriptions[i]));
        label->setGeometry(rowRect(kResultRow[i]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { emit resultClicked(static_cast<int>(i)); });
        m_lblRezultat[i] = label;
    }
    // The echo labels lie on top: row 3 is shared with lblRezultat(2), and a click there belongs
    // to the echo label, which adds the third value itself while a statistics table is shown.
    for (std::size_t i = 0; i < m_lblUnosFormule.size(); ++i) {
        ClickableLabel* label = makeLabel(this, arrayName("lblUnosFormule", i), small,
                                          QLatin1String(kEchoDescriptions[i]));
        label->setGeometry(rowRect(kEchoRow[i]));
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { emit echoClicked(static_cast<int>(i)); });
        m_lblUnosFormule[i] = label;
    }
}

void DisplayView::sync(const Workspace& model) {
    for (std::size_t i = 0; i < m_lblInfo.size(); ++i) {
        syncLabel(*m_lblInfo[i], model.lblInfo[i]);
    }
    for (std::size_t i = 0; i < m_lblOznaka.size(); ++i) {
        syncLabel(*m_lblOznaka[i], model.lblOznaka[i]);
    }
    for (std::size_t i = 0; i < m_lblUnosFormule.size(); ++i) {
        syncLabel(*m_lblUnosFormule[i], model.lblUnosFormule[i]);
    }
    for (std::size_t i = 0; i < m_lblRezultat.size(); ++i) {
        syncLabel(*m_lblRezultat[i], model.lblRezultat[i]);
    }
}

} // namespace zolvan
