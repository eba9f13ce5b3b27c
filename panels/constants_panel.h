#pragma once
// The four views of the right-hand side panel, chosen by the tab buttons cmdConstant or the View
// menu's constants items: Classic (the function panel), SI units, physical constants, and the
// third list (SI prefixes, or a loaded constants file). A double-click or Enter on a list entry
// inserts a value line at the caret. The lists are fixed data, except the custom list, which is
// read from a file the user picks; no file is ever written here. A file that cannot be read is
// reported to the user and leaves the custom list as it was.

#include "workspace/controls.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <functional>
#include <string_view>
#include <vector>

namespace zolvan {

class Workspace;

// Where the tab indicator stands, in twips.
struct TabIndicator {
    int left = 0;
    int width = 0;
    friend bool operator==(TabIndicator, TabIndicator) = default;
};

inline constexpr std::string_view kConstantsFilter =
    "All Files (*.*)|*.*|Text Files(*.txt)|*.txt|Constants (*.con)|*.con";

class ConstantsPanel {
public:
    explicit ConstantsPanel(Workspace& workspace);
    ConstantsPanel(const ConstantsPanel&) = delete;
    ConstantsPanel& operator=(const ConstantsPanel&) = delete;

    std::array<CommandButton, 4> cmdConstant; // tab buttons: Classic, SI Units, Constants, Prefix
    TabIndicator fraOptMaska{10, 890};        // bar under the active tab
    // 0 SI units, 1 physical constants, 2 SI prefixes, 3 custom constants; one shown at most.
    std::array<ListBox, 4> lstConstants;
    std::array<MenuItem, 5> mnuConstants; // the View menu's view items and the file loader
    Frame picFunction;                    // the Classic view: the function panel
    std::int16_t customListLoaded = 0;    // a constants file has been loaded

    // Runs when one of these views is chosen, so that another side view makes way.
    std::function<void()> viewChosen;

    void mnuConstants_Click(int index);
    // Hides every view of the panel, unchecks its items and the tab indicator, for another view.
    void stepAside();
    void cmdConstant_Click(int index) { mnuConstants_Click(index); }
    void lstConstants_DblClick(int index);
    void lstConstants_KeyPress(int index, int keyAscii);

private:
    void loadConstantsFile();
    // The lines of a constants file, or nothing (reported to the user) when it cannot be read.
    std::optional<std::vector<std::string>> readConstantsFile(const std::string& path);
    void showList(std::size_t list, TabIndicator indicator);

    Workspace& m_ws;
};

} // namespace zolvan
