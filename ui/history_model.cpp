#include "ui/history_model.h"

#include "ui/view_sync.h"
#include "workspace/controls.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace zolvan {

HistoryModel::HistoryModel(const ListBox& inputs, const ListBox& results, QObject* parent)
    : QAbstractListModel(parent), m_inputs(inputs), m_results(results), m_resets(inputs.resets()) {
    m_shown = static_cast<int>(inputs.items().size());
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown;
}

// Only the text a role asks for is converted: the drop-down measures every input when it opens.
QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto result = [&] {
        return row < m_results.items().size() ? toQString(m_results.items()[row]) : QString();
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQString(m_inputs.items()[row]);
    case ResultRole:
        return result();
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: { // a screen reader says the pair, as the list shows it
        const QString value = result();
        const QString input = toQString(m_inputs.items()[row]);
        return value.isEmpty() ? input : input + QStringLiteral(" = ") + value;
    }
    default:
        return {};
    }
}

void HistoryModel::follow() {
    const int count = static_cast<int>(m_inputs.items().size());
    if (m_inputs.resets() != m_resets || count < m_shown) {
        beginResetModel();
        m_resets = m_inputs.resets();
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

namespace {

int gapWidth(const QFontMetrics& metrics) {
    return 2 * metrics.horizontalAdvance(QLatin1Char('M'));
}

// A text as it fits into `width` pixels: whole, or elided in its middle.
QString fitted(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.horizontalAdvance(text) <= width
               ? text
               : metrics.elidedText(text, Qt::ElideMiddle, std::max(width, 0));
}

} // namespace

void HistoryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString result = index.data(HistoryModel::ResultRole).toString();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const QFontMetrics metrics(item.font);
    const int resultWidth = std::min(metrics.horizontalAdvance(result), text.width() / 2);
    const int inputWidth = text.width() - (result.isEmpty() ? 0 : resultWidth + gapWidth(metrics));
    item.text = fitted(metrics, item.text, inputWidth);
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
    if (result.isEmpty()) {
        return;
    }
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled : QPalette::Normal;
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                      fitted(metrics, result, resultWidth));
    painter->restore();
}

QSize HistoryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString result = index.data(HistoryModel::ResultRole).toString();
    if (!result.isEmpty()) {
        const QFontMetrics metrics(option.font);
        size.rwidth() += gapWidth(metrics) + metrics.horizontalAdvance(result);
    }
    return size;
}

} // namespace zolvan
