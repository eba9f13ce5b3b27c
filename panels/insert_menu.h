#pragma once
// Small input aids of the main window: the Insert menu of ions and groups, the image menu bar
// (ten picture buttons repeating menu commands, with a hover frame that follows the pointer) and
// the "Function Separator" item, which switches the ":" of function names on and off.

#include "workspace/controls.h"

#include <array>
#include <string_view>

namespace zolvan {

class Workspace;

inline constexpr int kIons = 16;
// The Insert menu in menu order; an empty caption is a separator line.
inline constexpr std::array<std::string_view, kIons> kIonCaptions{
    "H2O", "OH",  "CN", "CH2", "CO3", "",    "NO2",  "NO3",
    "NH3", "NH4", "",   "SO3", "SO4", "PO4", "CrO4", "Cr2O7"};

// The image menu bar in twips: ten buttons 345 square, 350 apart, in a bar at (75, 1700).
inline constexpr int kImageMenuLeft = 75;
inline constexpr int kImageMenuTop = 1700;
inline constexpr int kImageMenuWidth = 3500;
inline constexpr int kImageMenuHeight = 350;
inline constexpr int kImageButtonSize = 345;
inline constexpr int kImageButtonPitch = 350;
inline constexpr int kImageMenuButtons = 10;

class InsertMenu {
public:
    explicit InsertMenu(Workspace& workspace);
    InsertMenu(const InsertMenu&) = delete;
    InsertMenu& operator=(const InsertMenu&) = delete;

    std::array<MenuItem, kIons> mnuIoni;     // ions and groups
    MenuItem mnuSeparator;                   // "Function Separator"
    std::string imgButonMask = "imgButonUp"; // the hover frame's look: raised or pressed

    void mnuIoni_Click(int index);
    void mnuSeparator_Click();
    void imgMenu_Click(int index);
    void imgMenu_MouseDown(int index);
    void imgMenu_MouseMove(int index);
    void imgMenu_MouseUp(int index);
    // The menu item that image button `index` runs.
    const MenuItem& imageMenuItem(int index) const;

private:
    Workspace& m_ws;
};

} // namespace zolvan
