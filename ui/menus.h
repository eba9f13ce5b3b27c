#pragma once
// The menu bar of the main window, built from one table in menu order: captions with their access
// keys, shortcuts, check marks, and the command each item runs. Items whose commands are not part
// of the window yet stand in their place, disabled.

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace zolvan {

enum class MenuCommand {
    NotYet, // the item is shown but its command is not built: disabled
    New,
    Open,
    Save,
    Print,
    Exit,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    ClearDisplay,
    Expand,
    DisplayOnly,
    AlwaysOnTop,
    NumberFormat,
    Model, // runs the model's menu item of the same name
    HelpTopics,
    Example,
    Splash,
    About,
};

struct TopMenus {
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuInsert = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuHelp = nullptr;
};

// The items the window reads or changes after building.
struct MenuActions {
    QAction* mnuExit = nullptr;
    QAction* mnuExpand = nullptr;    // "Expand Zolvan"
    QAction* mnuShort = nullptr;     // "Show Display only"
    QAction* mnuTop = nullptr;       // "Always On &Top"
    QAction* mnuNumber = nullptr;    // "Number &Format..."
    QAction* mnuSeparator = nullptr; // "Function Separator"
    // Every command item with the command it runs, separators left out.
    std::vector<std::pair<QAction*, MenuCommand>> commands;
};

// Fills the bar; a triggered item calls `run` with its command and itself.
TopMenus buildMenuBar(QMenuBar& bar, MenuActions& actions,
                      const std::function<void(MenuCommand, QAction*)>& run);

} // namespace zolvan
