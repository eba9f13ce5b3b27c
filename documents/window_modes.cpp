// Three independent ways to present the window: expanded width with the right-hand panels,
// compact display-only mode, and always on top. Only the model changes here; the window binds to
// it, and the topmost state goes through the window services.

#include "workspace/window_sizes.h"
#include "workspace/workspace.h"

namespace zolvan {

namespace {

constexpr int kExpandButton = 9;
constexpr std::string_view kCompactCaption = "Korvid.Zolvan (F12 = Normal)";
constexpr std::string_view kNormalCaption = "Korvid.- Zolvan";

} // namespace

void Workspace::mnuExpand_Click() {
    ImageButton& button = imgMenu[kExpandButton];
    if (isExpanded) {
        button = {"imgMenuExpand", " Expand Zolvan "};
        windowWidth = window_size::NormalWidth;
        mnuExpand.checked = false;
        isExpanded = false;
    } else {
        button = {"imgMenuCompres", " Shrink Zolvan "};
        windowWidth = window_size::ExpandedWidth;
        mnuExpand.checked = true;
        isExpanded = true;
    }
    focus = FocusTarget::txtUnosFormule;
}

// Entering keeps isExpanded and the check of mnuExpand, so leaving can widen the window again.
void Workspace::toggleDisplayOnly() {
    windowWidth = window_size::NormalWidth;
    const bool entering = mnuView.visible;
    for (MenuItem* topLevel : {&mnuFile, &mnuEdit, &mnuInsert, &mnuView, &mnuHelp}) {
        topLevel->visible = !entering;
    }
    caption = entering ? kCompactCaption : kNormalCaption;
    windowHeight = entering ? window_size::CompactHeight : window_size::NormalHeight;
    mnuShort.checked = entering;
    m_services.setTopmost(entering);
    if (!entering && mnuExpand.checked) {
        isExpanded = false;
        mnuExpand_Click();
    }
}

void Workspace::mnuTop_Click() {
    mnuTop.checked = !mnuTop.checked;
    m_services.setTopmost(mnuTop.checked);
}

} // namespace zolvan
