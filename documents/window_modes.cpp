#include "documents/window_modes.h"

#include "workspace/window_sizes.h"
#include "workspace/workspace.h"

namespace zolvan {

namespace {

constexpr int kExpandButton = 9;
constexpr std::string_view kCompactCaption = "Korvid.Zolvan (F12 = Normal)";
constexpr std::string_view kNormalCaption = "Korvid.- Zolvan";

} // namespace

WindowModes::WindowModes(Workspace& workspace) : m_ws(workspace) {
    mnuTop = menuItem("Always On &Top", "Ctrl+T", true);
    // Ctrl+= is Ctrl++ on keyboards whose plus needs Shift; the keypad has keys of its own.
    mnuZoomIn = menuItem("Zoom &In", "Ctrl++; Ctrl+=; Ctrl+Num++");
    mnuZoomOut = menuItem("Zoom &Out", "Ctrl+-; Ctrl+Num+-");
    mnuActualSize = menuItem("&Actual Size", "Ctrl+0; Ctrl+Num+0");
    m_ws.mnuExpand.onClick = [this] { mnuExpand_Click(); };
    m_ws.mnuShort.onClick = [this] { mnuShort_Click(); };
    mnuTop.onClick = [this] { mnuTop_Click(); };
}

void WindowModes::mnuExpand_Click() {
    ImageButton& button = m_ws.imgMenu[kExpandButton];
    if (m_ws.isExpanded) {
        button = {"imgMenuExpand", " Expand Zolvan "};
        m_ws.windowWidth = window_size::NormalWidth;
        m_ws.mnuExpand.checked = false;
        m_ws.isExpanded = false;
    } else {
        button = {"imgMenuCompres", " Shrink Zolvan "};
        m_ws.windowWidth = window_size::ExpandedWidth;
        m_ws.mnuExpand.checked = true;
        m_ws.isExpanded = true;
    }
    m_ws.focusInput();
}

// Entering keeps isExpanded and the check of mnuExpand, so leaving can widen the window again.
void WindowModes::toggleDisplayOnly() {
    m_ws.windowWidth = window_size::NormalWidth;
    const bool entering = m_ws.mnuView.visible;
    for (MenuItem* topLevel :
         {&m_ws.mnuFile, &m_ws.mnuEdit, &m_ws.mnuInsert, &m_ws.mnuView, &m_ws.mnuHelp}) {
        topLevel->visible = !entering;
    }
    m_ws.caption = entering ? kCompactCaption : kNormalCaption;
    m_ws.windowHeight = entering ? window_size::CompactHeight : window_size::NormalHeight;
    m_ws.mnuShort.checked = entering;
    m_ws.services().setTopmost(entering);
    if (!entering && m_ws.mnuExpand.checked) {
        m_ws.isExpanded = false;
        mnuExpand_Click();
    }
}

void WindowModes::mnuTop_Click() {
    mnuTop.checked = !mnuTop.checked;
    m_ws.services().setTopmost(mnuTop.checked);
}

} // namespace zolvan
