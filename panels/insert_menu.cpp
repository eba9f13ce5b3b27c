#include "panels/insert_menu.h"

#include "workspace/workspace.h"

namespace zolvan {

namespace {

struct ImageMenuButton {
    std::string_view picture;
    std::string_view toolTip;
    const MenuItem& (*item)(const Workspace&);
};

// Button 9 changes its picture and tooltip with the window width; the window modes set them.
constexpr std::array<ImageMenuButton, kImageMenuButtons> kImageMenu{{
    {"imgMenuNew", " New List ", [](const Workspace& w) -> const MenuItem& { return w.mnuNew; }},
    {"imgMenuOpen", " Open Task ", [](const Workspace& w) -> const MenuItem& { return w.mnuOpen; }},
    {"imgMenuSave", " Save List ", [](const Workspace& w) -> const MenuItem& { return w.mnuSave; }},
    {"imgMenuPrint", " Print List ",
     [](const Workspace& w) -> const MenuItem& { return w.mnuPrint; }},
    {"imgMenuCut", " Cut ", [](const Workspace& w) -> const MenuItem& { return w.mnuCut; }},
    {"imgMenuCopy", " Copy ", [](const Workspace& w) -> const MenuItem& { return w.mnuCopy; }},
    {"imgMenuPaste", " Paste ", [](const Workspace& w) -> const MenuItem& { return w.mnuPaste; }},
    {"imgMenuDelete", " Delete ",
     [](const Workspace& w) -> const MenuItem& { return w.mnuDelete; }},
    {"imgMenuNumber", " Number Format ",
     [](const Workspace& w) -> const MenuItem& { return w.numberSettings.mnuNumber; }},
    {{}, {}, [](const Workspace& w) -> const MenuItem& { return w.mnuExpand; }},
}};

} // namespace

InsertMenu::InsertMenu(Workspace& workspace) : m_ws(workspace) {
    for (std::size_t i = 0; i < mnuIoni.size(); ++i) {
        mnuIoni[i].caption = kIonCaptions[i];
        if (!kIonCaptions[i].empty()) {
            mnuIoni[i].onClick = [this, i] { mnuIoni_Click(static_cast<int>(i)); };
        }
    }
    mnuSeparator.caption = "Function Separator";
    mnuSeparator.checkable = true;
    mnuSeparator.checked = true;
    mnuSeparator.onClick = [this] { mnuSeparator_Click(); };
    for (std::size_t i = 0; i + 1 < kImageMenu.size(); ++i) {
        m_ws.imgMenu[i] = {std::string(kImageMenu[i].picture), std::string(kImageMenu[i].toolTip)};
    }
}

void InsertMenu::mnuIoni_Click(int index) {
    if (index < 0 || index >= kIons || kIonCaptions[static_cast<std::size_t>(index)].empty()) {
        return;
    }
    m_ws.txtUnosFormule.insertAtCaret("(" + mnuIoni[static_cast<std::size_t>(index)].caption + ")");
    m_ws.focusInput();
}

void InsertMenu::mnuSeparator_Click() {
    mnuSeparator.checked = !mnuSeparator.checked;
    m_ws.showFunctionSeparators(mnuSeparator.checked);
}

const MenuItem& InsertMenu::imageMenuItem(int index) const {
    const std::size_t i = index >= 0 && index < kImageMenuButtons ? static_cast<std::size_t>(index)
                                                                  : kImageMenu.size() - 1;
    return kImageMenu[i].item(m_ws);
}

// Runs what the menu item runs, and nothing while that item is disabled.
void InsertMenu::imgMenu_Click(int index) {
    if (index < 0 || index >= kImageMenuButtons) {
        return;
    }
    const MenuItem& item = imageMenuItem(index);
    if (item.enabled) {
        item.click();
    }
}

void InsertMenu::imgMenu_MouseDown(int /*index*/) {
    imgButonMask = "imgButonDn";
}

void InsertMenu::imgMenu_MouseMove(int index) {
    m_ws.showHoverMask(index, index * kImageButtonPitch);
}

void InsertMenu::imgMenu_MouseUp(int /*index*/) {
    imgButonMask = "imgButonUp";
}

} // namespace zolvan
