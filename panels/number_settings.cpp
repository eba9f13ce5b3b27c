#include "panels/number_settings.h"

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

} // namespace

NumberSettings::NumberSettings(Workspace& workspace) : m_ws(workspace) {
    lblDecimala.caption = "Decimal places:";
    lblDecimala.enabled = false;
    vsbDecimala.enabled = false;
    chkTisuca.caption = "1000 separator";
    chkTisuca.enabled = false;
    txtPower.setText("3");

    // Code that changes a control raises the same handler as the user would.
    m_ws.optNumber.onClick = [this](int index) { optNumber_Click(index); };
    m_ws.txtDecimala.onChange = [this] { txtDecimala_Change(); };
    m_ws.optRadDeg.onClick = [this](int index) { optRadDeg_Click(index); };
    m_ws.optRadiani.onClick = [this](int index) { optRadiani_Click(index); };
    chkTisuca.onClick = [this] { chkTisuca_Click(); };
    vsbDecimala.onChange = [this] { vsbDecimala_Change(); };
    txtPower.onChange = [this] { txtPower_Change(); };
    vsbPower.onChange = [this] { vsbPower_Change(); };
    m_ws.mnuNumber.onClick = [this] { mnuNumber_Click(); };
}

void NumberSettings::setDecimalsEnabled(bool enabled) {
    m_ws.txtDecimala.enabled = enabled;
    lblDecimala.enabled = enabled;
    vsbDecimala.enabled = enabled;
}

void NumberSettings::optNumber_Click(int index) {
    if (index < 0 || index >= kDisplayModes) {
        return;
    }
    if (m_ws.DisplayMode >= 0 && m_ws.DisplayMode < kDisplayModes) {
        m_ws.lblInfo[static_cast<std::size_t>(m_ws.DisplayMode)].foreColour = kGreyColour;
    }
    m_ws.lblInfo[static_cast<std::size_t>(index)].foreColour = kActiveColour;
    m_ws.DisplayMode = static_cast<std::int16_t>(index);

    setDecimalsEnabled(index != 0);
    chkTisuca.enabled = index == 2;
    if (index == 2 && m_ws.engine.ThousandsSeparator) {
        // Fixed notation with the separator uses "Standard", which fixes the decimals at two.
        m_ws.txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
        setDecimalsEnabled(false);
    }
    m_ws.PokaziRezultat();
}

void NumberSettings::chkTisuca_Click() {
    m_ws.engine.ThousandsSeparator = chkTisuca.checked();
    if (chkTisuca.checked()) {
        m_ws.txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
    }
    lblDecimala.enabled = !chkTisuca.checked();
    m_ws.PokaziRezultat();
}

// A text that is no number, or a negative one, is what the user is still typing: the last
// accepted places stay and the box is left alone.
void NumberSettings::txtDecimala_Change() {
    const std::optional<double> typed = m_ws.readUserNumber(m_ws.txtDecimala.text());
    if (!typed || *typed < 0.0) {
        return;
    }
    const double rounded = roundHalfEven(*typed);
    int places = rounded > kMaxDecimalPlaces ? kMaxDecimalPlaces : static_cast<int>(rounded);
    if (rounded <= kMaxDecimalPlaces && m_ws.DisplayMode == 2 && m_ws.engine.ThousandsSeparator) {
        places = kStandardDecimalPlaces;
    }
    DecimalPlaces = static_cast<std::int16_t>(places);
    // Both write-backs may run this handler again. A nested run that settles on other places
    // has finished the job, and this run must not overwrite it with its stale value.
    vsbDecimala.setValue(places);
    if (DecimalPlaces != places) {
        return;
    }
    m_ws.txtDecimala.setText(std::to_string(places));
    if (DecimalPlaces != places) {
        return;
    }
    m_ws.DecimalDigits.assign(static_cast<std::size_t>(places), '0');
    m_ws.PokaziRezultat();
}

void NumberSettings::vsbDecimala_Change() {
    m_ws.txtDecimala.setText(std::to_string(vsbDecimala.value()));
}

void NumberSettings::optRadDeg_Click(int index) {
    if (index < 0 || index >= kAngleUnits) {
        return;
    }
    m_ws.optRadiani.select(index);
    for (int unit = 0; unit < kAngleUnits; ++unit) {
        m_ws.lblInfo[static_cast<std::size_t>(kFirstAngleIndicator + unit)].foreColour =
            unit == index ? kActiveColour : kGreyColour;
    }
    m_ws.engine.AngleUnit = static_cast<std::int16_t>(index);
}

void NumberSettings::optRadiani_Click(int index) {
    if (index < 0 || index >= static_cast<int>(m_ws.optRadiani.buttons.size())) {
        return;
    }
    for (std::size_t unit = 0; unit < m_ws.optRadiani.buttons.size(); ++unit) {
        m_ws.optRadiani.buttons[unit].foreColour =
            static_cast<int>(unit) == index ? kBlueColour : kBlackColour;
    }
    m_ws.optRadDeg.select(index);
    m_ws.focus = FocusTarget::txtUnosFormule;
}

void NumberSettings::mnuNumber_Click() {
    frmNumber.visible = !frmNumber.visible;
    m_ws.focus = FocusTarget::txtUnosFormule;
}

void NumberSettings::cmdHide_Click() {
    m_ws.focus = FocusTarget::txtUnosFormule;
    frmNumber.visible = false;
}

// Only a whole number within the scroll bar's range moves it; anything else is left as typed.
void NumberSettings::txtPower_Change() {
    const std::optional<double> typed = m_ws.readUserNumber(txtPower.text());
    if (!typed || *typed < 0.0 || *typed > kMaxPower || std::trunc(*typed) != *typed) {
        return;
    }
    vsbPower.setValue(static_cast<int>(*typed));
}

void NumberSettings::vsbPower_Change() {
    txtPower.setText(std::to_string(vsbPower.value()));
}

void NumberSettings::txtPower_GotFocus() {
    txtPower.select(0, codePointCount(txtPower.text()));
}

} // namespace zolvan
