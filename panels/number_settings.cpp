// Number format (display mode, decimal places, 1000 separator) and angle unit settings. The
// number-format handlers show the current result again; the angle unit applies from the next
// calculation on.

#include "workspace/workspace.h"

#include <cmath>

namespace zolvan {

namespace {

constexpr int kMaxDecimalPlaces = 12;
constexpr int kStandardDecimalPlaces = 2; // the "Standard" format always shows two
constexpr int kMaxPower = 308;
constexpr int kFirstAngleIndicator = 4;
constexpr int kAngleUnits = 3;
constexpr int kDisplayModes = 3;

// Rounds to the nearest integer, a half to the even neighbour.
double roundHalfEven(double value) {
    const double nearest = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return nearest;
}

void setDecimalsEnabled(Workspace& w, bool enabled) {
    w.txtDecimala.enabled = enabled;
    w.lblDecimala.enabled = enabled;
    w.vsbDecimala.enabled = enabled;
}

} // namespace

void Workspace::optNumber_Click(int index) {
    if (index < 0 || index >= kDisplayModes) {
        return;
    }
    if (DisplayMode >= 0 && DisplayMode < kDisplayModes) {
        lblInfo[static_cast<std::size_t>(DisplayMode)].foreColour = kGreyColour;
    }
    lblInfo[static_cast<std::size_t>(index)].foreColour = kActiveColour;
    DisplayMode = static_cast<std::int16_t>(index);

    setDecimalsEnabled(*this, index != 0);
    chkTisuca.enabled = index == 2;
    if (index == 2 && engine.ThousandsSeparator) {
        // Fixed notation with the separator uses "Standard", which fixes the decimals at two.
        txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
        setDecimalsEnabled(*this, false);
    }
    PokaziRezultat();
}

void Workspace::chkTisuca_Click() {
    engine.ThousandsSeparator = chkTisuca.checked();
    if (chkTisuca.checked()) {
        txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
    }
    lblDecimala.enabled = !chkTisuca.checked();
    PokaziRezultat();
}

// A text that is no number, or a negative one, is what the user is still typing: the last
// accepted places stay and the box is left alone.
void Workspace::txtDecimala_Change() {
    const std::optional<double> typed = readUserNumber(txtDecimala.text());
    if (!typed || *typed < 0.0) {
        return;
    }
    const double rounded = roundHalfEven(*typed);
    int places = rounded > kMaxDecimalPlaces ? kMaxDecimalPlaces : static_cast<int>(rounded);
    if (rounded <= kMaxDecimalPlaces && DisplayMode == 2 && engine.ThousandsSeparator) {
        places = kStandardDecimalPlaces;
    }
    DecimalPlaces = static_cast<std::int16_t>(places);
    // Both write-backs may run this handler again. A nested run that settles on other places
    // has finished the job, and this run must not overwrite it with its stale value.
    vsbDecimala.setValue(places);
    if (DecimalPlaces != places) {
        return;
    }
    txtDecimala.setText(std::to_string(places));
    if (DecimalPlaces != places) {
        return;
    }
    DecimalDigits.assign(static_cast<std::size_t>(places), '0');
    PokaziRezultat();
}

void Workspace::vsbDecimala_Change() {
    txtDecimala.setText(std::to_string(vsbDecimala.value()));
}

void Workspace::optRadDeg_Click(int index) {
    if (index < 0 || index >= kAngleUnits) {
        return;
    }
    optRadiani.select(index);
    for (int unit = 0; unit < kAngleUnits; ++unit) {
        lblInfo[static_cast<std::size_t>(kFirstAngleIndicator + unit)].foreColour =
            unit == index ? kActiveColour : kGreyColour;
    }
    engine.AngleUnit = static_cast<std::int16_t>(index);
}

void Workspace::optRadiani_Click(int index) {
    if (index < 0 || index >= static_cast<int>(optRadiani.buttons.size())) {
        return;
    }
    for (std::size_t unit = 0; unit < optRadiani.buttons.size(); ++unit) {
        optRadiani.buttons[unit].foreColour =
            static_cast<int>(unit) == index ? kBlueColour : kBlackColour;
    }
    optRadDeg.select(index);
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::mnuNumber_Click() {
    frmNumber.visible = !frmNumber.visible;
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::cmdHide_Click() {
    focus = FocusTarget::txtUnosFormule;
    frmNumber.visible = false;
}

// Only a whole number within the scroll bar's range moves it; anything else is left as typed.
void Workspace::txtPower_Change() {
    const std::optional<double> typed = readUserNumber(txtPower.text());
    if (!typed || *typed < 0.0 || *typed > kMaxPower || std::trunc(*typed) != *typed) {
        return;
    }
    vsbPower.setValue(static_cast<int>(*typed));
}

void Workspace::vsbPower_Change() {
    txtPower.setText(std::to_string(vsbPower.value()));
}

void Workspace::txtPower_GotFocus() {
    txtPower.select(0, codePointCount(txtPower.text()));
}

} // namespace zolvan
