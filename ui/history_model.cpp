#include "ui/history_model.h"

#include "ui/view_sync.h"
#include "workspace/controls.h"

namespace zolvan {

HistoryModel::HistoryModel(const ListBox& list, QObject* parent)
    : QAbstractListModel(parent), m_list(list), m_resets(list.resets) {
    m_shown = static_cast<int>(list.items.size());
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown ||
        (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)) {
        return {};
    }
    return toQString(m_list.items[static_cast<std::size_t>(index.row())]);
}

void HistoryModel::follow() {
    const int count = static_cast<int>(m_list.items.size());
    if (m_list.resets != m_resets || count < m_shown) {
        beginResetModel();
        m_resets = m_list.resets;
        m_shown = count;
        endResetModel();
        return;
    }
    if (count > m_shown) {
        beginInsertRows({}, 0, count - m_shown - 1);
        m_shown = count;
        endInsertRows();
    }
}

} // namespace zolvan
