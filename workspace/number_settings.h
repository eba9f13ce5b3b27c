#pragma once
// The number format and the angle unit: the frame frmNumber (display mode, decimal places, 1000
// separator, angle unit) and, on the function panel, the angle buttons and the power field. This
// unit owns those controls; the calculate command ("#fix 3", "#deg"), the keys (F5, F8), the
// display's indicators and the command-line tool ask it for a setting through its operations,
// which run the same handlers a click does. The number-format handlers show the current result
// again; the angle unit applies from the next calculation on. It calculates nothing.

#include "workspace/controls.h"

#include <cstdint>
#include <string>

namespace zolvan {

class Workspace;

class NumberSettings {
public:
    explicit NumberSettings(Workspace& workspace);
    NumberSettings(const NumberSettings&) = delete;
    NumberSettings& operator=(const NumberSettings&) = delete;

    Frame frmNumber{"Number format ", false};
    OptionGroup optNumber; // display mode: automatic, scientific, fixed
    Label lblDecimala;     // "Decimal places:"
    TextBox txtDecimala;   // decimal places
    ScrollBar vsbDecimala{0, 12, 2};
    CheckBox chkTisuca;     // "1000 separator"
    OptionGroup optRadDeg;  // angle unit in the number-format frame
    OptionGroup optRadiani; // angle unit on the function panel
    TextBox txtPower;       // exponent of the power keys
    ScrollBar vsbPower{0, 308, 3};
    MenuItem mnuNumber;             // "Number &Format..."
    std::int16_t DecimalPlaces = 0; // decimal places last accepted from txtDecimala

    // What the others ask for. Each selects the control as a click would, so that its handler
    // runs only when the setting changes.
    void selectDisplayMode(int mode);    // 0 automatic, 1 scientific, 2 fixed
    void nextDisplayMode();              // the last one back to the first
    void typeDecimals(std::string text); // checked and limited by the box's handler
    void setThousandsSeparator(bool on);
    void selectAngleUnit(int unit); // 0 radians, 1 degrees, 2 grads
    void nextAngleUnit();

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
