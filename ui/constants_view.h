#pragma once
// The side panel's tabs cmdConstant with the bar fraOptMaska under the active one, the constants
// lists lstConstants and the Classic view picFunction, as the constants panel shows them. A tab,
// a double-click on an entry and Enter in a list run the panel's handlers; the selected entries go
// to the panel before each. A list's entries are copied again only when its revision has moved.

#include "ui/unit_view.h"

#include <QObject>

#include <array>
#include <vector>

class QFrame;
class QListWidget;
class QPushButton;
class QWidget;

namespace zolvan {

class ConstantsPanel;

class ConstantsView : public QObject, public UnitView {
public:
    // `side` holds the tabs and lists; `function` is the Classic view.
    ConstantsView(QWidget& side, QWidget& function, ConstantsPanel& panel, RunHandler run);

    void pull() override;
    void sync() override;
    std::vector<QWidget*> tabs() const { return {m_cmdConstant.begin(), m_cmdConstant.end()}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void syncList(std::size_t index);

    ConstantsPanel& m_panel;
    RunHandler m_run;
    QWidget& m_picFunction;
    std::array<QPushButton*, 4> m_cmdConstant{};
    QFrame* m_fraOptMaska = nullptr;
    std::array<QListWidget*, 4> m_lstConstants{};
    std::array<unsigned, 4> m_shownRevision{}; // of each list's entries in its widget
};

} // namespace zolvan
