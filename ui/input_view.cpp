#include "ui/input_view.h"

#include "ui/click_widgets.h"
#include "ui/history_model.h"
#include "ui/view_sync.h"
#include "workspace/key_codes.h"
#include "workspace/workspace.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace zolvan {

namespace {

constexpr int kRowHeight = 23;
constexpr int kArrowWidth = 20;
constexpr int kBorder = 2;
// The history list opens wide enough to read earlier lines, not only as wide as its arrow.
constexpr int kListWidth = 230;
constexpr int kListRows = 12;

// The history drops down below its arrow as a list of a dozen rows. A style that opens a combo
// box's list as a pop-up over the box measures the text of every entry first to size it, which
// for a long history costs more than everything else together.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// The arrow sits at the right end of the input line; its list, wider than the arrow, opens under
// the line with its right edge at the arrow's, inside the window rather than beside it.
class HistoryDropDown : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        const int right = mapToGlobal(QPoint(width(), 0)).x();
        int left = right - popup->width();
        if (const QScreen* shown = screen()) {
            left = std::max(left, shown->availableGeometry().left());
        }
        popup->move(left, popup->y());
    }
};

} // namespace

InputView::InputView(QWidget* parent, int width, Workspace& model, RunHandler run)
    : QWidget(parent), m_model(model), m_run(std::move(run)) {
    setFixedSize(width, kRowHeight);
    const int lineWidth = width - kArrowWidth - 1;

    m_txtBlank = new ClickableFrame(this);
    m_txtBlank->setObjectName(QStringLiteral("txtBlank"));
    m_txtBlank->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_txtBlank->setAutoFillBackground(true);
    m_txtBlank->setBackgroundRole(QPalette::Base);
    m_txtBlank->setGeometry(0, 0, lineWidth, kRowHeight);

    m_txtUnosFormule = new QLineEdit(this);
    m_txtUnosFormule->setObjectName(QStringLiteral("txtUnosFormule"));
    m_txtUnosFormule->setAccessibleName(QStringLiteral("Formula input"));
    m_txtUnosFormule->setFrame(false);
    m_txtUnosFormule->setMaxLength(32767);
    m_txtUnosFormule->setGeometry(kBorder + 1, kBorder, lineWidth - 2 * kBorder - 1,
                                  kRowHeight - 2 * kBorder);
    m_txtUnosFormule->setMouseTracking(true);
    m_txtUnosFormule->installEventFilter(this);

    m_cmbLista = new HistoryDropDown(this);
    m_cmbLista->setObjectName(QStringLiteral("cmbLista"));
    m_cmbLista->setAccessibleName(QStringLiteral("Input history"));
    m_cmbLista->setToolTip(QStringLiteral(" History "));
    m_cmbLista->setFocusPolicy(Qt::NoFocus);
    m_cmbLista->setGeometry(width - kArrowWidth, 0, kArrowWidth, kRowHeight);
    auto* style = new DropDownStyle;
    style->setParent(m_cmbLista);
    m_cmbLista->setStyle(style);
    m_cmbLista->setMaxVisibleItems(kListRows);
    m_cmbLista->view()->setMinimumWidth(kListWidth);
    m_history = new HistoryModel(model.cmbLista, model.lstRezultat, m_cmbLista);
    m_cmbLista->setModel(m_history);
    // Results are shown in the list only; the entries keep one height, so that opening a long
    // list measures one row and not every row.
    m_cmbLista->setItemDelegate(new HistoryDelegate(m_cmbLista));
    if (auto* list = qobject_cast<QListView*>(m_cmbLista->view())) {
        list->setUniformItemSizes(true);
    }
    m_cmbLista->setCurrentIndex(-1);

    connect(m_txtBlank, &ClickableFrame::clicked, this,
            [this] { m_run([this] { m_model.txtBlank_Click(); }); });
    connect(m_txtUnosFormule, &QLineEdit::returnPressed, this,
            [this] { m_run([this] { m_model.txtUnosFormule_KeyPress(keys::Enter); }); });
    m_cmbLista->installEventFilter(this);
    connect(m_cmbLista, &QComboBox::activated, this, [this](int index) {
        if (m_selectionStart >= 0) {
            m_txtUnosFormule->setSelection(m_selectionStart, m_selectionLength);
        }
        m_run([&] { m_model.cmbLista_Click(index); });
    });
}

bool InputView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtUnosFormule && event->type() == QEvent::MouseMove) {
        m_run([this] { m_model.txtUnosFormule_MouseMove(); });
    }
    if (watched == m_txtUnosFormule && event->type() == QEvent::KeyPress) {
        return historyKey(*static_cast<QKeyEvent*>(event));
    }
    if (watched == m_cmbLista && event->type() == QEvent::MouseButtonPress) {
        rememberSelection();
    }
    return false;
}

bool InputView::historyKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Down && modifiers == Qt::AltModifier) {
        rememberSelection();
        m_cmbLista->showPopup();
        return true;
    }
    if ((key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        const auto step =
            key.key() == Qt::Key_Up ? HistoryBrowser::Step::Older : HistoryBrowser::Step::Newer;
        m_run([&] { m_model.browseHistory(step); });
        return true;
    }
    return false;
}

void InputView::rememberSelection() {
    m_selectionStart = m_txtUnosFormule->hasSelectedText() ? m_txtUnosFormule->selectionStart()
                                                           : m_txtUnosFormule->cursorPosition();
    m_selectionLength = static_cast<int>(m_txtUnosFormule->selectedText().size());
}

void InputView::pull() {
    pullTextBox(*m_txtUnosFormule, m_model.txtUnosFormule);
}

void InputView::sync() {
    pushTextBox(*m_txtUnosFormule, m_model.txtUnosFormule);
    const QSignalBlocker blocker(m_cmbLista);
    m_history->follow();
    if (m_cmbLista->currentIndex() != -1) {
        m_cmbLista->setCurrentIndex(-1);
    }
}

} // namespace zolvan
