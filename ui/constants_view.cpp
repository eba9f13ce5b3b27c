#include "ui/constants_view.h"

#include "panels/constants_panel.h"
#include "ui/geometry.h"
#include "ui/view_sync.h"
#include "ui/window_zoom.h"
#include "workspace/key_codes.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace zolvan {

namespace {

constexpr int kTabHeight = 325;
constexpr std::array<int, 4> kTabLeft{0, 890, 1780, 2680};
constexpr std::array<int, 4> kTabWidth{900, 910, 925, 900};
// The lists start below the second row of tabs, where the Composition tab stands.
constexpr QRect kListRect{px(105), px(450 + kTabHeight), px(3375), px(4680 - kTabHeight)};

} // namespace

ConstantsView::ConstantsView(QWidget& side, QWidget& function, ConstantsPanel& panel,
                             RunHandler run)
    : QObject(&side), m_panel(panel), m_run(std::move(run)), m_picFunction(function) {
    QFont tabFont(QStringLiteral("DejaVu Sans"));
    tabFont.setPointSizeF(8.25);
    for (std::size_t i = 0; i < m_cmdConstant.size(); ++i) {
        auto* tab = new QPushButton(&side);
        tab->setObjectName(arrayName("cmdConstant", i));
        tab->setFont(tabFont);
        tab->setGeometry(twipRect(kTabLeft[i], 0, kTabWidth[i], kTabHeight));
        const int index = static_cast<int>(i);
        connect(tab, &QPushButton::clicked, this,
                [this, index] { m_run([&] { m_panel.cmdConstant_Click(index); }); });
        m_cmdConstant[i] = tab;
    }
    m_fraOptMaska = new QFrame(&side);
    m_fraOptMaska->setObjectName(QStringLiteral("fraOptMaska"));
    m_fraOptMaska->setAutoFillBackground(true);
    QPalette bar = m_fraOptMaska->palette();
    bar.setColor(QPalette::Window, QColor(0, 92, 64));
    m_fraOptMaska->setPalette(bar);
    const char* names[] = {"SI units", "Physical constants", "SI prefixes", "Custom constants"};
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        auto* list = new QListWidget(&side);
        list->setObjectName(arrayName("lstConstants", i));
        list->setAccessibleName(QString::fromLatin1(names[i]));
        list->setUniformItemSizes(true);
        list->setGeometry(kListRect);
        list->hide();
        list->installEventFilter(this);
        const int index = static_cast<int>(i);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, index] { m_run([&] { m_panel.lstConstants_DblClick(index); }); });
        m_lstConstants[i] = list;
        // The first sync copies every list, whatever its revision.
        m_shownRevision[i] = panel.lstConstants[i].revision() - 1;
    }
}

bool ConstantsView::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_lstConstants.begin(), m_lstConstants.end(), watched);
    if (found == m_lstConstants.end() || event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    const int index = static_cast<int>(found - m_lstConstants.begin());
    m_run([&] { m_panel.lstConstants_KeyPress(index, keys::Enter); });
    return true;
}

void ConstantsView::pull() {
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        m_panel.lstConstants[i].listIndex = m_lstConstants[i]->currentRow();
    }
}

void ConstantsView::syncList(std::size_t index) {
    QListWidget& widget = *m_lstConstants[index];
    const ListBox& model = m_panel.lstConstants[index];
    const QSignalBlocker blocker(widget);
    if (m_shownRevision[index] != model.revision()) {
        m_shownRevision[index] = model.revision();
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(model.size()));
        for (const std::string& line : model.items()) {
            lines.append(toQString(line));
        }
        widget.clear();
        widget.addItems(lines);
    }
    if (widget.currentRow() != model.listIndex) {
        widget.setCurrentRow(model.listIndex);
    }
    if (widget.isVisibleTo(widget.parentWidget()) != model.visible) {
        widget.setVisible(model.visible);
    }
}

void ConstantsView::sync() {
    if (m_picFunction.isVisibleTo(m_picFunction.parentWidget()) != m_panel.picFunction.visible) {
        m_picFunction.setVisible(m_panel.picFunction.visible);
    }
    for (std::size_t i = 0; i < m_cmdConstant.size(); ++i) {
        syncCaption(*m_cmdConstant[i], m_panel.cmdConstant[i].caption);
    }
    m_fraOptMaska->setGeometry(
        zoomed(*m_fraOptMaska, QRect(px(m_panel.fraOptMaska.left), px(kTabHeight),
                                     px(m_panel.fraOptMaska.width), 2)));
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        syncList(i);
    }
}

} // namespace zolvan
