#include "ui/display_view.h"

#include "ui/click_widgets.h"
#include "ui/fitting_label.h"
#include "ui/geometry.h"
#include "ui/hint_strip.h"
#include "ui/view_sync.h"
#include "workspace/workspace.h"

#include <QStringList>

#include <algorithm>

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
// The smallest fonts a value and an echoed line shrink to before they are elided in their middle.
constexpr double kMinimumValuePoints = 7.0;
constexpr double kMinimumEchoPoints = 6.5;

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

// What each indicator stands for; a screen reader hears it with the indicator's word and
// whether it is on, which the window otherwise shows only by colour.
constexpr std::array<const char*, 7> kIndicatorMeanings{"Automatic display mode",
                                                        "Scientific display mode",
                                                        "Fixed display mode",
                                                        "Memory",
                                                        "Radians",
                                                        "Degrees",
                                                        "Grads"};
constexpr std::size_t kMemoryIndicator = 3;

// What the rows mean, by the kind of result shown: an ordinary line, a statistics table or a
// square equation. An empty text: the row shows nothing in that kind.
struct RowMeanings {
    std::array<const char*, 3> result; // lblRezultat 0..2
    std::array<const char*, 2> echo;   // lblUnosFormule 0..1
    std::array<const char*, 4> designation;
};
constexpr RowMeanings kLineMeanings{{"Current result", "Previous result", ""},
                                    {"Current input line", "Previous input line"},
                                    {"", "", "", ""}};
constexpr RowMeanings kStatisticsMeanings{
    {"Mean of the data", "Sum of the data", "Standard deviation s of the data"},
    {"", "Statistics input line"},
    {"", "Number of data values n", "", ""}};
constexpr RowMeanings kSquareMeanings{
    {"Second root x2", "First root x1", ""}, {"", "Square equation input line"}, {"", "", "", ""}};

const RowMeanings& rowMeanings(std::int16_t calcKind) {
    switch (calcKind < 0 ? -calcKind : calcKind) {
    case 1:
        return kStatisticsMeanings;
    case 2:
        return kSquareMeanings;
    default:
        return kLineMeanings;
    }
}

void syncDescription(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

QFont displayFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void describe(QLabel& label, const QString& name, const QFont& font, const QString& description) {
    label.setObjectName(name);
    label.setFont(font);
    label.setAccessibleDescription(description);
    label.setTextFormat(Qt::PlainText);
}

ClickableLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font,
                          const QString& description) {
    auto* label = new ClickableLabel(parent);
    describe(*label, name, font, description);
    return label;
}

QRect rowRect(int row) {
    const RowPlace place = kRows[static_cast<std::size_t>(row)];
    return twipRect(kMargin, place.top + kMargin, kDisplayWidth - 2 * kMargin, place.height);
}

} // namespace

DisplayView::DisplayView(QWidget* parent, Workspace& model, RunHandler run)
    : QFrame(parent), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("picRezultat"));
    setAccessibleName(QStringLiteral("Result display"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    // The sunken border's lower and right edges are drawn in the light colour, which would vanish
    // into the white paper.
    paper.setColor(QPalette::Light, QColor(160, 160, 160)); // paper in every desktop theme
    setPalette(paper);
    setFixedSize(px(kDisplayWidth), px(kRows.back().top + kRows.back().height + 2 * kMargin));
    buildIndicators();
    buildRows();
}

void DisplayView::buildIndicators() {
    const QFont font = displayFont(6.0, false);
    for (std::size_t i = 0; i < m_lblInfo.size(); ++i) {
        ClickableLabel* label =
            makeLabel(this, arrayName("lblInfo", i), font, QLatin1String(kIndicatorMeanings[i]));
        label->setGeometry(twipRect(kMargin + static_cast<int>(i) * kIndicatorWidth,
                                    kIndicatorTop + kMargin, kIndicatorWidth, kIndicatorHeight));
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { m_run([&] { m_model.lblInfo_Click(static_cast<int>(i)); }); });
        m_lblInfo[i] = label;
    }
}

// The rows are made top to bottom and, in a row, left to right, so that a screen reader walks
// the display in the order it is read. lblRezultat(2) shares row 3 with the current line's
// echo and lies above it; clicks pass through it to the echo label, which adds the third value
// itself while a statistics table is shown.
void DisplayView::buildRows() {
    const QFont small = displayFont(7.5, false);
    const QFont value = displayFont(9.75, true);
    const auto designation = [&](std::size_t i) {
        ClickableLabel* label = makeLabel(this, arrayName("lblOznaka", i), small, QString());
        QRect place = rowRect(static_cast<int>(i));
        place.setWidth(px(kDesignationWidth));
        label->setGeometry(place);
        m_lblOznaka[i] = label;
    };
    // Values stand at the right, clear of the designations at the left.
    const auto result = [&](std::size_t i) {
        auto* label = new FittingLabel(this, kMinimumValuePoints);
        describe(*label, arrayName("lblRezultat", i), value, QString());
        label->setGeometry(rowRect(kResultRow[i]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { m_run([&] { m_model.lblRezultat_Click(static_cast<int>(i)); }); });
        m_lblRezultat[i] = label;
    };
    const auto echo = [&](std::size_t i) {
        auto* label = new FittingLabel(this, kMinimumEchoPoints);
        describe(*label, arrayName("lblUnosFormule", i), small, QString());
        label->setGeometry(rowRect(kEchoRow[i]));
        connect(label, &ClickableLabel::clicked, this,
                [this, i] { m_run([&] { m_model.lblUnosFormule_Click(static_cast<int>(i)); }); });
        m_lblUnosFormule[i] = label;
    };
    designation(0);
    echo(1);
    designation(1);
    result(1);
    designation(2);
    echo(0);
    result(2);
    m_lblRezultat[2]->setAttribute(Qt::WA_TransparentForMouseEvents);
    designation(3);
    result(0);
    // The hint covers the previous line and its result, which the history keeps, and leaves the
    // current line and result in sight.
    const QRect place(rowRect(0).topLeft(), QPoint(rowRect(0).right(), rowRect(2).top() - 1));
    m_hint = new HintStrip(this, place, place.top() - px(kMargin));
    connect(m_hint, &ClickableLabel::clicked, this,
            [this] { m_run([this] { m_model.dismissHints(); }); });
}

void DisplayView::sync() {
    const Workspace& model = m_model;
    for (std::size_t i = 0; i < m_lblInfo.size(); ++i) {
        syncLabel(*m_lblInfo[i], model.lblInfo[i]);
        syncDescription(*m_lblInfo[i], indicatorDescription(model, i));
    }
    const RowMeanings& meanings = rowMeanings(model.engine.CalcKind);
    for (std::size_t i = 0; i < m_lblOznaka.size(); ++i) {
        syncLabel(*m_lblOznaka[i], model.lblOznaka[i]);
        syncDescription(*m_lblOznaka[i], QLatin1String(meanings.designation[i]));
    }
    for (std::size_t i = 0; i < m_lblUnosFormule.size(); ++i) {
        syncLabel(*m_lblUnosFormule[i], model.lblUnosFormule[i]);
        m_lblUnosFormule[i]->updateToolTip(toQString(model.lblUnosFormule[i].toolTip));
        syncDescription(*m_lblUnosFormule[i], QLatin1String(meanings.echo[i]));
    }
    for (std::size_t i = 0; i < m_lblRezultat.size(); ++i) {
        syncLabel(*m_lblRezultat[i], model.lblRezultat[i]);
        m_lblRezultat[i]->updateToolTip(toQString(model.lblRezultat[i].toolTip));
        syncDescription(*m_lblRezultat[i], QLatin1String(meanings.result[i]));
    }
    m_hint->showHints(model.hints);
}

QString DisplayView::spokenResult(const Workspace& model) {
    const RowMeanings& meanings = rowMeanings(model.engine.CalcKind);
    if (&meanings == &kLineMeanings) {
        return toQString(model.lblRezultat[0].caption).trimmed();
    }
    QStringList said;
    for (int row = 0; row < static_cast<int>(kRows.size()); ++row) {
        const auto found = std::find(kResultRow.begin(), kResultRow.end(), row);
        if (found == kResultRow.end()) {
            continue;
        }
        const auto index = static_cast<std::size_t>(found - kResultRow.begin());
        const QString value = toQString(model.lblRezultat[index].caption).trimmed();
        if (value.isEmpty()) {
            continue;
        }
        // "x1 =" and "Mean =" name the value; "n = 8" is a value of its own beside it.
        const QString designation =
            toQString(model.lblOznaka[static_cast<std::size_t>(row)].caption).trimmed();
        if (designation.endsWith(QLatin1Char('='))) {
            said << designation + QLatin1Char(' ') + value;
        } else {
            const QString meaning = QLatin1String(meanings.result[index]);
            const QString named = meaning.isEmpty() ? value : meaning + QLatin1Char(' ') + value;
            said << (designation.isEmpty() ? named : designation + QStringLiteral(", ") + named);
        }
    }
    return said.join(QStringLiteral(", "));
}

// An indicator is on while it is painted in any colour but the grey of a setting not in force,
// so the words say what the colour shows. The memory tells its value as well.
QString DisplayView::indicatorDescription(const Workspace& model, std::size_t index) {
    const bool on = !(model.lblInfo[index].foreColour == kGreyColour);
    const QString meaning = QLatin1String(kIndicatorMeanings[index]);
    if (index == kMemoryIndicator) {
        return on ? QStringLiteral("%1 holds %2")
                        .arg(meaning, toQString(model.userNumberText(model.engine.MemoryValue)))
                  : QStringLiteral("%1 empty").arg(meaning);
    }
    return QStringLiteral("%1 %2").arg(meaning, on ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace zolvan
