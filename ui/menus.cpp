#include "ui/menus.h"

#include "panels/insert_menu.h"

#include <QMenu>
#include <QMenuBar>

#include <array>
#include <string>
#include <string_view>

namespace zolvan {

namespace {

enum class Top { File, Edit, Insert, View, Help };

enum class Check { None, Unchecked, Checked };

struct MenuRow {
    Top menu;
    std::string_view name; // empty for a separator line
    std::string_view caption;
    std::string_view shortcut;
    MenuCommand command;
    Check check;
    QAction* MenuActions::*slot;
};

constexpr MenuRow separator(Top menu) {
    return {menu, {}, {}, {}, MenuCommand::NotYet, Check::None, nullptr};
}

constexpr MenuRow item(Top menu, std::string_view name, std::string_view caption,
                       std::string_view shortcut = {}, MenuCommand command = MenuCommand::NotYet,
                       Check check = Check::None, QAction* MenuActions::*slot = nullptr) {
    return {menu, name, caption, shortcut, command, check, slot};
}

using C = MenuCommand;

constexpr std::array kMenuRows{
    item(Top::File, "mnuNew", "&New", "Ctrl+N", C::New),
    item(Top::File, "mnuOpen", "&Open...", "Ctrl+O", C::Open),
    item(Top::File, "mnuSave", "&Save...", "Ctrl+S", C::Save),
    separator(Top::File),
    item(Top::File, "mnuPrint", "&Print...", "Ctrl+P", C::Print),
    separator(Top::File),
    item(Top::File, "mnuExit", "E&xit", "Ctrl+Q", C::Exit, Check::None, &MenuActions::mnuExit),

    item(Top::Edit, "mnuCut", "Cu&t", "Ctrl+X", C::Cut),
    item(Top::Edit, "mnuCopy", "&Copy", "Ctrl+C", C::Copy),
    item(Top::Edit, "mnuPaste", "&Paste", "Ctrl+V", C::Paste),
    item(Top::Edit, "mnuDelete", "&Delete", "Shift+Del", C::Delete),
    separator(Top::Edit),
    item(Top::Edit, "mnuSelect", "Select &All", "Ctrl+A", C::SelectAll),
    item(Top::Edit, "mnuClear", "Clear Displa&y", "Ctrl+Y", C::ClearDisplay),

    item(Top::View, "mnuExpand", "Expand Zolvan", "F9", C::Expand, Check::Unchecked,
         &MenuActions::mnuExpand),
    item(Top::View, "mnuShort", "Show Display only", "F12", C::DisplayOnly, Check::Unchecked,
         &MenuActions::mnuShort),
    separator(Top::View),
    item(Top::View, "mnuConstants_0", "Classic Calculator", {}, C::Model, Check::Unchecked),
    item(Top::View, "mnuConstants_1", "&SI Units", "Ctrl+U", C::Model, Check::Unchecked),
    item(Top::View, "mnuConstants_2", "&Physical Constants", "F11", C::Model, Check::Unchecked),
    item(Top::View, "mnuConstants_3", "&Custom Constant", {}, C::Model, Check::Unchecked),
    item(Top::View, "mnuConstants_4", "&New Custom Constant...", {}, C::Model, Check::Unchecked),
    item(Top::View, "mnuComposition", "C&omposition", "Ctrl+M", C::Model, Check::Unchecked),
    separator(Top::View),
    item(Top::View, "mnuNumber", "Number &Format...", "Ctrl+F", C::NumberFormat, Check::None,
         &MenuActions::mnuNumber),
    item(Top::View, "mnuSeparator", "Function Separator", {}, C::Model, Check::Checked,
         &MenuActions::mnuSeparator),
    separator(Top::View),
    item(Top::View, "mnuTop", "Always On &Top", "Ctrl+T", C::AlwaysOnTop, Check::Unchecked,
         &MenuActions::mnuTop),

    item(Top::Help, "mnuUsage", "Help &Topics", "F1", C::HelpTopics),
    item(Top::Help, "mnuExample", "&Example", {}, C::Example),
    separator(Top::Help),
    item(Top::Help, "mnuSplash", "&Splash Screen", {}, C::Splash),
    item(Top::Help, "mnuAbout", "&About Zolvan", {}, C::About),
};

QString text(std::string_view view) {
    return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
}

QMenu* topMenu(const TopMenus& menus, Top top) {
    switch (top) {
    case Top::File:
        return menus.mnuFile;
    case Top::Edit:
        return menus.mnuEdit;
    case Top::Insert:
        return menus.mnuInsert;
    case Top::View:
        return menus.mnuView;
    case Top::Help:
        break;
    }
    return menus.mnuHelp;
}

QMenu* addTopMenu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu& menu, const MenuRow& row) {
    QAction* action = menu.addAction(text(row.caption));
    action->setObjectName(text(row.name));
    if (!row.shortcut.empty()) {
        action->setShortcut(QKeySequence(text(row.shortcut)));
    }
    action->setCheckable(row.check != Check::None);
    action->setChecked(row.check == Check::Checked);
    action->setEnabled(row.command != MenuCommand::NotYet);
    return action;
}

} // namespace

TopMenus buildMenuBar(QMenuBar& bar, MenuActions& actions,
                      const std::function<void(MenuCommand, QAction*)>& run) {
    const TopMenus menus{addTopMenu(bar, "mnuFile", "&File"), addTopMenu(bar, "mnuEdit", "&Edit"),
                         addTopMenu(bar, "mnuInsert", "&Insert"),
                         addTopMenu(bar, "mnuView", "&View"), addTopMenu(bar, "mnuHelp", "&Help")};
    for (const MenuRow& row : kMenuRows) {
        QMenu& menu = *topMenu(menus, row.menu);
        if (row.name.empty()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = addItem(menu, row);
        if (row.slot != nullptr) {
            actions.*row.slot = action;
        }
        actions.commands.emplace_back(action, row.command);
        const MenuCommand command = row.command;
        QObject::connect(action, &QAction::triggered, &bar,
                         [run, command, action] { run(command, action); });
    }
    // The Insert menu comes from the model's table of ions and groups.
    for (std::size_t i = 0; i < kIonCaptions.size(); ++i) {
        if (kIonCaptions[i].empty()) {
            menus.mnuInsert->addSeparator();
            continue;
        }
        const std::string name = "mnuIoni_" + std::to_string(i);
        QAction* action = addItem(*menus.mnuInsert,
                                  item(Top::Insert, name, kIonCaptions[i], {}, MenuCommand::Model));
        actions.commands.emplace_back(action, MenuCommand::Model);
        QObject::connect(action, &QAction::triggered, &bar,
                         [run, action] { run(MenuCommand::Model, action); });
    }
    return menus;
}

} // namespace zolvan
