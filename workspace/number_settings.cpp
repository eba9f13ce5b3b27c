#include "workspace/number_settings.h"

#include "workspace/workspace.h"

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace zolvan {

namespace {

constexpr int kMaxDecimalPlaces = 12;
constexpr int kStandardDecimalPlaces = 2; // the "Standard" format always shows two
constexpr int kMaxPower = 308;
constexpr int kAngleUnits = 3;
constexpr int kDisplayModes = 3;
constexpr std::array<Indicator, kDisplayModes> kModeIndicators{
    Indicator::Automatic, Indicator::Scientific, Indicator::Fixed};
constexpr std::array<Indicator, kAngleUnits> kAngleIndicators{Indicator::Radians,
                                                              Indicator::Degrees, Indicator::Grads};

std::vector<OptionButton> optionButtons(std::initializer_list<std::string_view> captions) {
    std::vector<OptionButton> buttons;
    for (std::string_view caption : captions) {
        buttons.push_back({std::string(caption), kBlackColour, true});
    }
    return buttons;
}

// Moves a three-way option group to its next button, the last one back to the first.
void cycle(OptionGroup& group) {
    const int count = static_cast<int>(group.buttons.size());
    if (count > 0) {
        group.select((group.selected() + 1) % count);
    }
}

// Rounds to the nearest integer, a half to the even neighbour.
double roundHalfEven(double value) {
    const double nearest = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return nearest;
}

} // namespace

NumberSettings::NumberSettings(Workspace& workspace)
    : optNumber(optionButtons({"&Automatic", "&Scientific", "&Fixed"})),
      optRadDeg(optionButtons({"&Rad", "&Deg", "&Grad"})),
      optRadiani(optionButtons({"Radians", "Degrees", "Grads"})), m_ws(workspace) {
    lblDecimala.caption = "Decimal places:";
    lblDecimala.enabled = false;
    txtDecimala.setText("2");
    txtDecimala.enabled = false;
    vsbDecimala.enabled = false;
    chkTisuca.caption = "1000 separator";
    chkTisuca.enabled = false;
    optRadiani.buttons[0].foreColour = kBlueColour;
    txtPower.setText("3");
    mnuNumber = menuItem("Number &Format...", "Ctrl+F");

    // Code that changes a control raises the same handler as the user would.
    optNumber.onClick = [this](int index) { optNumber_Click(index); };
    txtDecimala.onChange = [this] { txtDecimala_Change(); };
    optRadDeg.onClick = [this](int index) { optRadDeg_Click(index); };
    optRadiani.onClick = [this](int index) { optRadiani_Click(index); };
    chkTisuca.onClick = [this] { chkTisuca_Click(); };
    vsbDecimala.onChange = [this] { vsbDecimala_Change(); };
    txtPower.onChange = [this] { txtPower_Change(); };
    vsbPower.onChange = [this] { vsbPower_Change(); };
    mnuNumber.onClick = [this] { mnuNumber_Click(); };
}

void NumberSettings::selectDisplayMode(int mode) {
    optNumber.select(mode);
}

void NumberSettings::nextDisplayMode() {
    cycle(optNumber);
}

void NumberSettings::typeDecimals(std::string text) {
    txtDecimala.setText(std::move(text));
}

void NumberSettings::setThousandsSeparator(bool on) {
    chkTisuca.setChecked(on);
}

void NumberSettings::selectAngleUnit(int unit) {
    optRadDeg.select(unit);
}

void NumberSettings::nextAngleUnit() {
    cycle(optRadDeg);
}

void NumberSettings::setDecimalsEnabled(bool enabled) {
    txtDecimala.enabled = enabled;
    lblDecimala.enabled = enabled;
    vsbDecimala.enabled = enabled;
}

void NumberSettings::optNumber_Click(int index) {
    if (index < 0 || index >= kDisplayModes) {
        return;
    }
    if (m_ws.DisplayMode >= 0 && m_ws.DisplayMode < kDisplayModes) {
        m_ws.setIndicator(kModeIndicators[static_cast<std::size_t>(m_ws.DisplayMode)], false);
    }
    m_ws.setIndicator(kModeIndicators[static_cast<std::size_t>(index)], true);
    m_ws.DisplayMode = static_cast<std::int16_t>(index);

    setDecimalsEnabled(index != 0);
    chkTisuca.enabled = index == 2;
    if (index == 2 && m_ws.engine.ThousandsSeparator) {
        // Fixed notation with the separator uses "Standard", which fixes the decimals at two.
        txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
        setDecimalsEnabled(false);
    }
    m_ws.PokaziRezultat();
}

void NumberSettings::chkTisuca_Click() {
    m_ws.engine.ThousandsSeparator = chkTisuca.checked();
    if (chkTisuca.checked()) {
        txtDecimala.setText(std::to_string(kStandardDecimalPlaces));
    }
    lblDecimala.enabled = !chkTisuca.checked();
    m_ws.PokaziRezultat();
}

// A text that is no number, or a negative one, is what the user is still typing: the last
// accepted places stay and the box is left alone.
void NumberSettings::txtDecimala_Change() {
    const std::optional<double> typed = m_ws.readUserNumber(txtDecimala.text());
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
    txtDecimala.setText(std::to_string(places));
    if (DecimalPlaces != places) {
        return;
    }
    m_ws.DecimalDigits.assign(static_cast<std::size_t>(places), '0');
    m_ws.PokaziRezultat();
}

void NumberSettings::vsbDecimala_Change() {
    txtDecimala.setText(std::to_string(vsbDecimala.value()));
}

void NumberSettings::optRadDeg_Click(int index) {
    if (index < 0 || index >= kAngleUnits) {
        return;
    }
    optRadiani.select(index);
    for (int unit = 0; unit < kAngleUnits; ++unit) {
        m_ws.setIndicator(kAngleIndicators[static_cast<std::size_t>(unit)], unit == index);
    }
    m_ws.engine.AngleUnit = static_cast<std::int16_t>(index);
}

void NumberSettings::optRadiani_Click(int index) {
    if (index < 0 || index >= static_cast<int>(optRadiani.buttons.size())) {
        return;
    }
    for (std::size_t unit = 0; unit < optRadiani.buttons.size(); ++unit) {
        optRadiani.buttons[unit].foreColour =
            static_cast<int>(unit) == index ? kBlueColour : kBlackColour;
    }
    optRadDeg.select(index);
    m_ws.focusInput();
}

void NumberSettings::mnuNumber_Click() {
    frmNumber.visible = !frmNumber.visible;
    m_ws.focusInput();
}

void NumberSettings::cmdHide_Click() {
    m_ws.focusInput();
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
