#include "ui/menus.h"

#include "ui/view_sync.h"
#include "ui/window_model.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include <array>
#include <span>
#include <string>

namespace zolvan {

namespace {

enum class Top { File, Edit, Insert, View, Help };

struct MenuRow {
    Top menu;
    std::string name;         // the action's object name
    MenuItem* item = nullptr; // nothing: a separator line
    bool anyMode = false;     // its keys work while the menus are hidden
};

MenuRow separator(Top menu) {
    return {menu, {}, nullptr};
}

// An array of items, named "<name>_<index>"; an item without a caption is a separator line.
void appendArray(std::vector<MenuRow>& rows, Top menu, const char* name,
                 std::span<MenuItem> items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        rows.push_back(items[i].caption.empty()
                           ? separator(menu)
                           : MenuRow{menu, std::string(name) + "_" + std::to_string(i), &items[i]});
    }
}

// The whole menu bar in menu order.
std::vector<MenuRow> menuRows(WindowModel& m) {
    Workspace& w = m.workspace;
    std::vector<MenuRow> rows{
        {Top::File, "mnuNew", &w.mnuNew},
        {Top::File, "mnuOpen", &w.mnuOpen},
        {Top::File, "mnuSave", &w.mnuSave},
        separator(Top::File),
        {Top::File, "mnuPrint", &w.mnuPrint},
        separator(Top::File),
        {Top::File, "mnuExit", &m.splashAboutHelp.mnuExit},

        {Top::Edit, "mnuCut", &w.mnuCut},
        {Top::Edit, "mnuCopy", &w.mnuCopy},
        {Top::Edit, "mnuPaste", &w.mnuPaste},
        {Top::Edit, "mnuDelete", &w.mnuDelete},
        separator(Top::Edit),
        {Top::Edit, "mnuSelect", &m.editCommands.mnuSelect},
        {Top::Edit, "mnuClear", &m.editCommands.mnuClear},
    };
    appendArray(rows, Top::Insert, "mnuIoni", m.insertMenu.mnuIoni);
    rows.insert(rows.end(), {
                                {Top::View, "mnuExpand", &w.mnuExpand},
                                {Top::View, "mnuShort", &w.mnuShort},
                                separator(Top::View),
                            });
    appendArray(rows, Top::View, "mnuConstants", m.constantsPanel.mnuConstants);
    rows.insert(rows.end(), {
                                {Top::View, "mnuComposition", &m.compositionPanel.mnuComposition},
                                separator(Top::View),
                                {Top::View, "mnuNumber", &w.numberSettings.mnuNumber},
                                {Top::View, "mnuSeparator", &m.insertMenu.mnuSeparator},
                                separator(Top::View),
                                {Top::View, "mnuTop", &m.windowModes.mnuTop},
                                separator(Top::View),
                                {Top::View, "zoomIn", &m.windowModes.mnuZoomIn, true},
                                {Top::View, "zoomOut", &m.windowModes.mnuZoomOut, true},
                                {Top::View, "actualSize", &m.windowModes.mnuActualSize, true},

                                {Top::Help, "mnuUsage", &m.splashAboutHelp.mnuUsage},
                                {Top::Help, "mnuExample", &m.taskLists.mnuExample},
                                separator(Top::Help),
                                {Top::Help, "mnuSplash", &m.splashAboutHelp.mnuSplash},
                                {Top::Help, "mnuAbout", &m.splashAboutHelp.mnuAbout},
                            });
    return rows;
}

QMenu* addTopMenu(QMenuBar& bar, const char* name, const MenuItem& item) {
    QMenu* menu = bar.addMenu(toQString(item.caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addAction(QMenu& menu, const MenuRow& row) {
    const MenuItem& item = *row.item;
    QAction* action = menu.addAction(toQString(item.caption));
    action->setObjectName(QString::fromStdString(row.name));
    if (!item.shortcut.empty()) {
        action->setShortcuts(QKeySequence::listFromString(toQString(item.shortcut)));
    }
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    return action;
}

} // namespace

MenuBar::MenuBar(QMainWindow& window, WindowModel& model, RunHandler run) : m_window(window) {
    Workspace& w = model.workspace;
    QMenuBar& bar = *window.menuBar();
    m_tops = {{addTopMenu(bar, "mnuFile", w.mnuFile), &w.mnuFile},
              {addTopMenu(bar, "mnuEdit", w.mnuEdit), &w.mnuEdit},
              {addTopMenu(bar, "mnuInsert", w.mnuInsert), &w.mnuInsert},
              {addTopMenu(bar, "mnuView", w.mnuView), &w.mnuView},
              {addTopMenu(bar, "mnuHelp", w.mnuHelp), &w.mnuHelp}};
    for (const MenuRow& row : menuRows(model)) {
        QMenu& menu = *m_tops[static_cast<std::size_t>(row.menu)].menu;
        if (row.item == nullptr) {
            menu.addSeparator();
            continue;
        }
        QAction* action = addAction(menu, row);
        if (row.anyMode) {
            window.addAction(action); // its keys work while the menu bar is hidden
        }
        MenuItem* item = row.item;
        QObject::connect(action, &QAction::triggered, &bar,
                         [run, item] { run([item] { item->click(); }); });
        m_bindings.push_back({action, item, &menu, row.anyMode});
    }
}

void MenuBar::sync() {
    bool anyMenu = false;
    for (const TopMenu& top : m_tops) {
        top.menu->menuAction()->setVisible(top.item->visible);
        anyMenu = anyMenu || top.item->visible;
    }
    m_window.menuBar()->setVisible(anyMenu);
    // Items of a hidden menu must not run by their shortcuts, so that their keys reach the key
    // preview. Qt checks only that the menu bar is visible, not each top-level menu: disabling
    // the items makes it hold for any menu hidden.
    for (const Binding& binding : m_bindings) {
        const MenuItem& item = *binding.item;
        QAction& action = *binding.action;
        const QSignalBlocker blocker(action);
        const bool reachable = binding.anyMode || binding.menu->menuAction()->isVisible();
        action.setEnabled(item.enabled && reachable);
        action.setVisible(item.visible);
        if (action.isChecked() != item.checked) {
            action.setChecked(item.checked);
        }
    }
}

bool MenuBar::claims(const QKeySequence& keys) const {
    for (const Binding& binding : m_bindings) {
        if (binding.action->isEnabled() && binding.action->shortcuts().contains(keys)) {
            return true;
        }
    }
    return false;
}

} // namespace zolvan
