#pragma once
// A Qt item model that shows the history ListBoxes of the model as they are, without copying
// them: each entry is an input line, with the result recorded beside it. The history grows only
// at the top or is emptied, so following it costs the number of new entries, not the length of
// the list: a batch of many lines stays linear.

#include <QAbstractListModel>
#include <QStyledItemDelegate>

namespace zolvan {

class ListBox;

class HistoryModel : public QAbstractListModel {
public:
    // The result recorded with an entry; the display text is the input line alone, which is what
    // choosing the entry inserts.
    static constexpr int ResultRole = Qt::UserRole + 1;

    // `inputs` and `results` are index-aligned, newest first.
    HistoryModel(const ListBox& inputs, const ListBox& results, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Announces the entries added at the top since the last call, or a reset when the list was
    // emptied or shrank.
    void follow();

private:
    const ListBox& m_inputs;
    const ListBox& m_results;
    int m_shown = 0;
    unsigned m_resets = 0;
};

// Draws an entry of the history list with its result at the right edge. When both do not fit,
// the input gives way first, elided in its middle; a result wider than half the row is elided too.
class HistoryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zolvan
