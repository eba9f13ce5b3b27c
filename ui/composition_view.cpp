#include "ui/composition_view.h"

#include "panels/composition_panel.h"
#include "ui/geometry.h"
#include "ui/view_sync.h"

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zolvan {

namespace {

constexpr int kTabTop = 325; // below the first row of tabs
constexpr int kTabHeight = 325;
constexpr int kTabWidth = 1300;
constexpr int kViewTop = kTabTop + kTabHeight + 50;
constexpr int kMargin = 6;
constexpr int kRow = 20;
// Pixel rows of the view, top down; the form ends where the keypad's last row does.
constexpr int kTableTop = 46;
constexpr int kMassesTop = 142;
constexpr int kFormTop = 236;

// Every column lines up in a fixed-pitch font; the view's header names are short enough for
// the panel's width.
const CompositionRow kViewHeader{"El.", "Atoms", "Weight", "Mass", "%"};

QFont smallFont(bool fixedPitch) {
    QFont font(fixedPitch ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    font.setPointSizeF(fixedPitch ? 7.5 : 8.25);
    return font;
}

QLineEdit* formField(QWidget& parent, const char* name, const char* spoken, QRect place) {
    auto* field = new QLineEdit(&parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromLatin1(spoken));
    field->setGeometry(place);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QLabel* label(QWidget& parent, const char* name, const QString& text, QRect place) {
    auto* widget = new QLabel(text, &parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

// Puts the texts into a list, each with its own accessible text, only when they changed.
void syncList(QListWidget& list, const std::vector<std::string>& shown,
              const std::vector<std::string>& spoken) {
    bool same = list.count() == static_cast<int>(shown.size());
    for (int i = 0; same && i < list.count(); ++i) {
        same = list.item(i)->text() == toQString(shown[static_cast<std::size_t>(i)]);
    }
    // An empty list is no stop on the keyboard walk.
    list.setFocusPolicy(shown.empty() ? Qt::NoFocus : Qt::StrongFocus);
    if (same) {
        return;
    }
    list.clear();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        auto* item = new QListWidgetItem(toQString(shown[i]), &list);
        item->setData(Qt::AccessibleTextRole, toQString(spoken[i]));
    }
}

void syncText(QLabel& widget, const std::string& text) {
    const QString wanted = toQString(text);
    if (widget.text() != wanted) {
        widget.setText(wanted);
    }
}

} // namespace

CompositionView::CompositionView(QWidget& side, CompositionPanel& model, RunHandler run)
    : QObject(&side), m_model(model), m_run(std::move(run)) {
    m_tab = new QPushButton(QStringLiteral("Composition"), &side);
    m_tab->setObjectName(QStringLiteral("cmdComposition"));
    m_tab->setFont(smallFont(false));
    m_tab->setGeometry(twipRect(0, kTabTop, kTabWidth, kTabHeight));
    connect(m_tab, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdComposition_Click(); }); });
    m_indicator = new QFrame(&side);
    m_indicator->setObjectName(QStringLiteral("fraCompositionMask"));
    m_indicator->setAutoFillBackground(true);
    QPalette bar = m_indicator->palette();
    bar.setColor(QPalette::Window, QColor(0, 92, 64));
    m_indicator->setPalette(bar);
    m_indicator->setGeometry(px(15), px(kTabTop + kTabHeight), px(kTabWidth - 15), 2);
    m_indicator->hide();

    m_view = new QWidget(&side);
    m_view->setObjectName(QStringLiteral("fraComposition"));
    m_view->setGeometry(0, px(kViewTop), side.width(), side.height() - px(kViewTop));
    m_view->hide();
    buildTable(*m_view);
    buildForm(*m_view);
}

void CompositionView::buildTable(QWidget& view) {
    const int width = view.width() - 2 * kMargin;
    m_copy = new QPushButton(QStringLiteral("Copy"), &view);
    m_copy->setObjectName(QStringLiteral("cmdCopyComposition"));
    m_copy->setToolTip(QStringLiteral(" Copy the table (Ctrl+C) "));
    m_copy->setAccessibleName(QStringLiteral("Copy the composition"));
    m_copy->setGeometry(view.width() - kMargin - 48, 0, 48, 22);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdCopy_Click(); }); });
    m_heading = label(view, "lblCompositionHeading", {}, QRect(kMargin, 0, width - 52, 30));
    m_heading->setWordWrap(true);
    m_heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QStringList header;
    for (const std::string& line : alignedRows({kViewHeader}, 1)) {
        header << toQString(line);
    }
    m_columns = label(view, "lblCompositionColumns", {}, QRect(kMargin + 3, 32, width, 14));
    m_columns->setFont(smallFont(true));
    m_table = new QListWidget(&view);
    m_table->setObjectName(QStringLiteral("lstComposition"));
    m_table->setAccessibleName(QStringLiteral("Composition"));
    m_table->setFont(smallFont(true));
    m_table->setGeometry(kMargin, kTableTop, width, kMassesTop - 4 - kTableTop);
    m_table->installEventFilter(this);
    m_masses = new QListWidget(&view);
    m_masses->setObjectName(QStringLiteral("lstExactMass"));
    m_masses->setAccessibleName(QStringLiteral("Exact masses"));
    m_masses->setFont(smallFont(false));
    m_masses->installEventFilter(this);
}

void CompositionView::buildForm(QWidget& view) {
    const int formTop = kFormTop;
    m_masses->setGeometry(kMargin, kMassesTop, view.width() - 2 * kMargin,
                          formTop - 4 - kMassesTop);
    m_molarMass = label(view, "lblMolarMass", {}, QRect(kMargin, formTop, view.width(), kRow));
    m_molarMass->setAccessibleDescription(QStringLiteral("Molar mass for the solution"));
    const int fieldTop = formTop + kRow;
    m_concentration =
        formField(view, "txtConcentration", "Concentration", QRect(kMargin, fieldTop, 62, kRow));
    m_volume = formField(view, "txtVolume", "Volume", QRect(kMargin + 66, fieldTop, 62, kRow));
    m_purity =
        formField(view, "txtPurity", "Purity in percent", QRect(kMargin + 132, fieldTop, 40, kRow));
    label(view, "lblPurityUnit", QStringLiteral("% purity"),
          QRect(kMargin + 175, fieldTop, view.width() - kMargin - 175, kRow));
    m_mass = label(view, "lblWeigh", {}, QRect(kMargin, fieldTop + kRow, view.width(), kRow));
    m_mass->setAccessibleDescription(QStringLiteral("Mass to weigh"));
    QFont bold = smallFont(false);
    bold.setBold(true);
    m_mass->setFont(bold);
    // The fields reach the model when the window pulls them; the mass follows at once.
    for (QLineEdit* field : {m_concentration, m_volume, m_purity}) {
        connect(field, &QLineEdit::textEdited, this, [this] { m_run([] {}); });
    }
}

bool CompositionView::eventFilter(QObject* watched, QEvent* event) {
    const bool list = watched == m_table || watched == m_masses;
    const bool copy =
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (!list || !copy) {
        return false;
    }
    // The list takes the key before the Edit menu's Copy, which copies the display's result.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        m_run([this] { m_model.cmdCopy_Click(); });
    }
    return true;
}

void CompositionView::pull() {
    pullTextBox(*m_concentration, m_model.txtConcentration);
    pullTextBox(*m_volume, m_model.txtVolume);
    pullTextBox(*m_purity, m_model.txtPurity);
}

void CompositionView::sync() {
    const CompositionPanel& model = m_model;
    m_tab->setToolTip(toQString(model.cmdComposition.toolTip));
    m_indicator->setVisible(model.fraComposition.visible);
    m_view->setVisible(model.fraComposition.visible);
    // The fields always hold the model's texts: handle() pulls them back before every handler.
    pushTextBox(*m_concentration, model.txtConcentration);
    pushTextBox(*m_volume, model.txtVolume);
    pushTextBox(*m_purity, model.txtPurity);
    if (!model.fraComposition.visible) {
        return;
    }
    syncText(*m_heading, model.heading());
    std::vector<CompositionRow> rows = model.rows();
    const bool any = !rows.empty();
    m_copy->setEnabled(any);
    m_columns->setVisible(any);
    if (any) {
        rows.front() = kViewHeader;
        std::vector<std::string> lines = alignedRows(rows, 1);
        syncText(*m_columns, lines.front());
        lines.erase(lines.begin());
        syncList(*m_table, lines, model.spokenRows());
    } else {
        syncList(*m_table, {}, {});
    }
    const std::vector<std::string> masses = model.massLines();
    syncList(*m_masses, masses, masses);
    syncText(*m_molarMass, model.molarMassText());
    syncText(*m_mass, model.weighAnswer());
}

} // namespace zolvan
