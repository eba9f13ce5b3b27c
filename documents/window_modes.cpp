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
    m_ws.mnuExpand.onClick = [this] { mnuExpand_Click(); };
    m_ws.mnuShort.onClick = [this] { mnuShort_Click(); };
    m_ws.mnuTop.onClick = [this] { mnuTop_Click(); };
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
    m_ws.focus = FocusTarget::txtUnosFormule;
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
    m_ws.mnuTop.checked = !m_ws.mnuTop.checked;
    m_ws.services().setTopmost(m_ws.mnuTop.checked);
}

} // namespace zolvan
