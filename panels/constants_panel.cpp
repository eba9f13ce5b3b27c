#include "panels/constants_panel.h"

#include "panels/constants_lists.h"
#include "workspace/key_codes.h"
#include "workspace/text_lines.h"
#include "workspace/workspace.h"

namespace zolvan {

namespace {

constexpr int kCustomView = 3;
constexpr int kLoader = 4;
constexpr int kPreselectedConstants = 3;
constexpr std::string_view kLoaderTitle = "Custom Constants";

} // namespace

ConstantsPanel::ConstantsPanel(Workspace& workspace) : m_ws(workspace) {
    const std::string_view tabs[] = {"Classic", "SI Units", "Constants", "Prefix"};
    for (std::size_t i = 0; i < cmdConstant.size(); ++i) {
        cmdConstant[i].caption = tabs[i];
    }
    const std::string_view items[] = {"Classic Calculator", "&SI Units", "&Physical Constants",
                                      "&Custom Constant", "&New Custom Constant..."};
    const std::string_view shortcuts[] = {{}, "Ctrl+U", "F11", {}, {}};
    for (std::size_t i = 0; i < mnuConstants.size(); ++i) {
        mnuConstants[i].caption = items[i];
        mnuConstants[i].shortcut = shortcuts[i];
        mnuConstants[i].checkable = true;
        mnuConstants[i].onClick = [this, i] { mnuConstants_Click(static_cast<int>(i)); };
    }
    lstConstants[0].assign(siUnitsList());
    lstConstants[1].assign(physicalConstantsList());
    lstConstants[2].assign(siPrefixesList());
    for (ListBox& list : lstConstants) {
        list.visible = false;
    }
}

void ConstantsPanel::showList(std::size_t list, TabIndicator indicator) {
    fraOptMaska = indicator;
    picFunction.visible = false;
    lstConstants[list].visible = true;
}

void ConstantsPanel::mnuConstants_Click(int index) {
    if (index < 0 || index > kLoader) {
        return;
    }
    if (viewChosen) {
        viewChosen();
    }
    for (int i = 0; i <= kCustomView; ++i) {
        mnuConstants[static_cast<std::size_t>(i)].checked = i == index;
        lstConstants[static_cast<std::size_t>(i)].visible = false;
    }
    if (index == kLoader) {
        mnuConstants[kLoader].checked = true;
    }
    if (mnuConstants[1].checked) {
        showList(0, {890, 910});
    } else if (mnuConstants[2].checked) {
        showList(1, {1790, 910});
    } else if (mnuConstants[kCustomView].checked) {
        showList(2 + static_cast<std::size_t>(customListLoaded != 0), {2690, 890});
    } else if (mnuConstants[kLoader].checked) {
        loadConstantsFile();
        return;
    } else {
        picFunction.visible = true;
        fraOptMaska = {15, 890};
        mnuConstants[0].checked = true;
        mnuConstants[1].checked = false;
        mnuConstants[2].checked = false;
    }
    m_ws.showSidePanels();
}

// Every failure (a cancelled dialog, a file that cannot be read, a name without ".") ends the
// loader with the third list view. A file that cannot be read is reported and leaves the list
// and the tab caption as they were.
void ConstantsPanel::loadConstantsFile() {
    mnuConstants[kLoader].checked = false;
    const std::optional<std::string> path =
        m_ws.services().showOpenDialog(kConstantsFilter, kPreselectedConstants);
    if (path) {
        if (std::optional<std::vector<std::string>> lines = readConstantsFile(*path)) {
            customListLoaded = 1;
            lstConstants[3].assign(std::move(*lines));
            if (std::optional<std::string> name = constantsBaseName(*path)) {
                cmdConstant[3].caption = std::move(*name);
            }
        }
    }
    mnuConstants_Click(kCustomView);
}

// At most kMaxConstantsLines lines of at most kMaxConstantsLineBytes bytes: the rest of a huge
// file is left unread.
std::optional<std::vector<std::string>> ConstantsPanel::readConstantsFile(const std::string& path) {
    WindowServices& services = m_ws.services();
    const OpenedFile opened = services.openFile(path);
    if (!opened.file) {
        services.reportFileError(kLoaderTitle, "open", path, opened.reason);
        return std::nullopt;
    }
    TextFileLines reader(*opened.file, kMaxConstantsLineBytes);
    std::vector<std::string> lines;
    while (lines.size() < kMaxConstantsLines) {
        std::optional<std::string> line = reader.next();
        if (!line) {
            break;
        }
        lines.push_back(std::move(*line));
    }
    if (!reader.failure().empty()) {
        services.reportFileError(kLoaderTitle, "read", path, reader.failure());
        return std::nullopt;
    }
    return lines;
}

void ConstantsPanel::stepAside() {
    picFunction.visible = false;
    for (std::size_t i = 0; i <= kCustomView; ++i) {
        mnuConstants[i].checked = false;
        lstConstants[i].visible = false;
    }
    fraOptMaska.width = 0;
}

void ConstantsPanel::lstConstants_DblClick(int index) {
    if (index < 0 || index >= static_cast<int>(lstConstants.size())) {
        return;
    }
    ListBox& list = lstConstants[static_cast<std::size_t>(index)];
    const int size = static_cast<int>(list.size());
    if (!mnuConstants[kCustomView].checked && list.listIndex >= 0) {
        // A name line stands for the value line after it.
        const int value = 2 * (list.listIndex / 2) + 1;
        list.listIndex = value < size ? value : list.listIndex;
    }
    if (list.listIndex >= 0 && list.listIndex < size) {
        const std::string& text = list.items()[static_cast<std::size_t>(list.listIndex)];
        if (!text.empty()) {
            m_ws.txtUnosFormule.insertAtCaret(text);
        }
    }
    m_ws.focusInput();
}

void ConstantsPanel::lstConstants_KeyPress(int index, int keyAscii) {
    if (keyAscii == keys::Enter) {
        lstConstants_DblClick(index);
    }
}

} // namespace zolvan
