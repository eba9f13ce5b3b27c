#pragma once
// The number-format frame (display mode, decimal places, 1000 separator, angle unit) and the
// angle and power controls of the function panel. Its handlers run for the workspace's option
// groups and decimals box too, whoever changes them: the number-format handlers show the current
// result again; the angle unit applies from the next calculation on.

#include "workspace/controls.h"

#include <cstdint>

namespace zolvan {

class Workspace;

class NumberSettings {
public:
    // Binds the handlers to the workspace's settings controls.
    explicit NumberSettings(Workspace& workspace);
    NumberSettings(const NumberSettings&) = delete;
    NumberSettings& operator=(const NumberSettings&) = delete;

    Frame frmNumber{"Number format ", false};
    Label lblDecimala;
    ScrollBar vsbDecimala{0, 12, 2};
    CheckBox chkTisuca; // "1000 separator"
    TextBox txtPower;   // exponent of the power keys
    ScrollBar vsbPower{0, 308, 3};
    std::int16_t DecimalPlaces = 0; // decimal places last accepted from txtDecimala

    void optNumber_Click(int index);
    void chkTisuca_Click();
    void txtDecimala_Change();
    void vsbDecimala_Change();
    void optRadDeg_Click(int index);
    void optRadiani_Click(int index);
    void mnuNumber_Click();
    void cmdHide_Click();
    void txtPower_Change();
    void vsbPower_Change();
    void txtPower_GotFocus();

private:
    void setDecimalsEnabled(bool enabled);

    Workspace& m_ws;
};

} // namespace zolvan
