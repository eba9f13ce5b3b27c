#pragma once
// The whole main window as plain C++: the workspace and every unit that owns a panel or a set of
// commands, each bound to the workspace when it is built. Only the Qt window holds one (and the
// model's tests); the command-line tool needs the workspace alone. It adds no behaviour of its
// own and includes no Qt.

#include "documents/edit_commands.h"
#include "documents/printing.h"
#include "documents/splash_about_help.h"
#include "documents/task_lists.h"
#include "documents/window_modes.h"
#include "panels/composition_panel.h"
#include "panels/constants_panel.h"
#include "panels/function_panel.h"
#include "panels/insert_menu.h"
#include "panels/keypad.h"
#include "panels/square_equation_panel.h"
#include "workspace/workspace.h"

namespace zolvan {

struct WindowModel {
    explicit WindowModel(WindowServices& services)
        : workspace(services), windowModes(workspace), keypad(workspace),
          functionPanel(workspace, workspace.numberSettings.txtPower), constantsPanel(workspace),
          compositionPanel(workspace, constantsPanel), insertMenu(workspace),
          squareEquationPanel(workspace), taskLists(workspace), printing(workspace),
          editCommands(workspace, taskLists), splashAboutHelp(workspace) {}
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    Workspace workspace;
    WindowModes windowModes;
    Keypad keypad;
    FunctionPanel functionPanel;
    ConstantsPanel constantsPanel;
    CompositionPanel compositionPanel;
    InsertMenu insertMenu;
    SquareEquationPanel squareEquationPanel;
    TaskLists taskLists;
    Printing printing;
    EditCommands editCommands;
    SplashAboutHelp splashAboutHelp;
};

} // namespace zolvan
