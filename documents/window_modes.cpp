// Three independent ways to present the window: expanded width with the right-hand panels,
// compact display-only mode, and always on top. Only the model changes here; the window binds to
// it, and the topmost state goes through the window services.

#include "workspace/workspace.h"

namespace zolvan {

namespace {

constexpr int kNormalWidth = 3690;
constexpr int kExpandedWidth = 7440;
constexpr int kNormalHeight = 5950;
constexpr int kCompactHeight = 2080;
constexpr int kExpandButton = 9;
constexpr std::string_view kCompactCaption = "Korvid.Zolvan (F12 = Normal)";
constexpr std::string_view kNormalCaption = "Korvid.- Zolvan";

} // namespace

void Workspace::mnuExpand_Click() {
    ImageButton& button = imgMenu[kExpandButton];
    if (isExpanded) {
        button = {"imgMenuExpand", " Expand Zolvan "};
        windowWidth = kNormalWidth;
        mnuExpand.checked = false;
        isExpanded = false;
    } else {
        button = {"imgMenuCompres", " Shrink Zolvan "};
        windowWidth = kExpandedWidth;
        mnuExpand.checked = true;
        isExpanded = true;
    }
    focus = FocusTarget::txtUnosFormule;
}

// Entering keeps isExpanded and the check of mnuExpand, so leaving can widen the window again.
void Workspace::toggleDisplayOnly() {
    windowWidth = kNormalWidth;
    const bool entering = mnuView.visible;
    for (MenuItem* topLevel : {&mnuFile, &mnuEdit, &mnuInsert, &mnuView, &mnuHelp}) {
        topLevel->visible = !entering;
    }
    caption = entering ? kCompactCaption : kNormalCaption;
    windowHeight = entering ? kCompactHeight : kNormalHeight;
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
