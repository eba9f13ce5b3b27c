#pragma once
// The menu bar of the main window, built from one table in menu order that binds each Qt action,
// by its object name, to the model's menu item. The item holds the caption with its access key,
// the shortcut, the check mark and whether it is shown and enabled; the unit that owns the
// command gives it its onClick. A command is declared once, in the model; an action only runs
// its item's command through the window and shows the item.

#include "ui/unit_view.h"

#include <QKeySequence>

#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace zolvan {

struct MenuItem;
struct WindowModel;

class MenuBar : public UnitView {
public:
    MenuBar(QMainWindow& window, WindowModel& model, RunHandler run);

    void sync() override;
    // Whether an enabled action has `keys` for a shortcut: the input line lets such a key through.
    bool claims(const QKeySequence& keys) const;

private:
    struct Binding {
        QAction* action;
        const MenuItem* item;
        QMenu* menu;  // the top-level menu it stands in
        bool anyMode; // its keys work while the menus are hidden
    };
    struct TopMenu {
        QMenu* menu;
        const MenuItem* item;
    };

    QMainWindow& m_window;
    std::vector<TopMenu> m_tops;
    std::vector<Binding> m_bindings;
};

} // namespace zolvan
