#pragma once
// A Qt item model that shows a history ListBox of the model as it is, without copying it. The
// history grows only at the top or is emptied, so following it costs the number of new entries,
// not the length of the list: a batch of many lines stays linear.

#include <QAbstractListModel>

namespace zolvan {

struct ListBox;

class HistoryModel : public QAbstractListModel {
public:
    HistoryModel(const ListBox& list, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Announces the entries added at the top since the last call, or a reset when the list was
    // emptied or shrank.
    void follow();

private:
    const ListBox& m_list;
    int m_shown = 0;
    unsigned m_resets = 0;
};

} // namespace zolvan
