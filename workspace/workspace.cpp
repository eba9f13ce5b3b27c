#include "workspace/workspace.h"

#include "engine/format_number.h"
#include "engine/number_text.h"
#include "workspace/window_sizes.h"

#include <cmath>
#include <string_view>

namespace zolvan {

namespace {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 8;
constexpr int kMaskHiddenLeft = -350;

struct IndicatorDesign {
    std::string_view caption;
    std::string_view toolTip;
    Rgb colour;
};

// The indicator row as the window opens: automatic mode and radians in the design colour.
constexpr std::array<IndicatorDesign, kIndicators> kIndicatorDesigns{{
    {"AUTO", " Number Format (F5) ", kDesignColour},
    {"SCI", " Number Format (F5) ", kGreyColour},
    {"FIX", " Number Format (F5) ", kGreyColour},
    {"MEM", " Memory (F6-store / F7-recall) ", kGreyColour},
    {"RAD", " Radians (F8) ", kDesignColour},
    {"DEG", " Degrees (F8) ", kGreyColour},
    {"GRAD", " Grads (F8) ", kGreyColour},
}};

} // namespace

Workspace::Workspace(WindowServices& services)
    : mnuFile(menuItem("&File")), mnuEdit(menuItem("&Edit")), mnuInsert(menuItem("&Insert")),
      mnuView(menuItem("&View")), mnuHelp(menuItem("&Help")),
      mnuExpand(menuItem("Expand Zolvan", "F9", true)),
      mnuShort(menuItem("Show Display only", "F12", true)), mnuNew(menuItem("&New", "Ctrl+N")),
      mnuOpen(menuItem("&Open...", "Ctrl+O")), mnuSave(menuItem("&Save...", "Ctrl+S")),
      mnuPrint(menuItem("&Print...", "Ctrl+P")), mnuCut(menuItem("Cu&t", "Ctrl+X")),
      mnuCopy(menuItem("&Copy", "Ctrl+C")), mnuPaste(menuItem("&Paste", "Ctrl+V")),
      mnuDelete(menuItem("&Delete", "Shift+Del")), numberSettings(*this), m_services(services) {
    for (std::size_t i = 0; i < kIndicatorDesigns.size(); ++i) {
        lblInfo[i].caption = kIndicatorDesigns[i].caption;
        lblInfo[i].toolTip = kIndicatorDesigns[i].toolTip;
        lblInfo[i].foreColour = kIndicatorDesigns[i].colour;
    }
    imgMenu[9] = {"imgMenuExpand", " Expand Zolvan "};
}

void Workspace::Form_Load() {
    caption += " " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
    windowWidth = window_size::NormalWidth;
    windowHeight = window_size::NormalHeight;
    keyPreview = true;
    hoverIndex = -1;
    imgButonMaskLeft = kMaskHiddenLeft;
    DecimalDigits = "00";
    engine.Random.seed(m_services.clockSeed());
    engine.ShowSeparators = true;
    engine.DecimalSeparator = m_services.localeDecimalSeparator() == ',' ? ',' : '.';
}

void Workspace::txtBlank_Click() {
    txtUnosFormule.select(0, 0);
    focusInput();
}

void Workspace::hoverReset() {
    if (!maskShown) {
        return;
    }
    imgButonMaskLeft = kMaskHiddenLeft;
    hoverIndex = -1;
    maskShown = false;
}

void Workspace::showHoverMask(int index, int left) {
    if (index != hoverIndex) {
        hoverIndex = static_cast<std::int16_t>(index);
        imgButonMaskLeft = left;
    }
    maskShown = true;
}

void Workspace::showSidePanels() {
    if (!isExpanded) {
        mnuExpand.click();
    }
}

std::optional<double> Workspace::readUserNumber(std::string_view text) const {
    std::optional<double> value =
        readNumber(text, engine.DecimalSeparator, engine.ThousandsSeparator);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::string Workspace::userNumberText(double value) const {
    return numberText(value, engine.DecimalSeparator);
}

Workspace::DisplaySettings Workspace::displaySettings() const {
    return {DisplayMode, DecimalDigits.size(), engine.ThousandsSeparator, engine.DecimalSeparator};
}

// The slot that holds `value` formatted with `settings`, or the older one, emptied for it.
Workspace::ShownValue& Workspace::shownSlot(std::string_view value,
                                            const DisplaySettings& settings) {
    const auto holds = [&](const ShownValue& slot) {
        return slot.value == value && slot.settings == settings;
    };
    if (holds(m_shown[m_newerShown])) {
        return m_shown[m_newerShown];
    }
    m_newerShown ^= 1;
    ShownValue& slot = m_shown[m_newerShown];
    if (!holds(slot)) {
        slot.value.assign(value);
        slot.shown.clear();
        slot.asWritten = false;
        slot.settings = settings;
    }
    return slot;
}

void Workspace::formatForDisplay(std::string_view value, std::string& shown) {
    const DisplaySettings settings = displaySettings();
    ShownValue& slot = shownSlot(value, settings);
    if (!slot.asWritten && slot.shown.empty()) {
        slot.shown = formatNumber(value, DisplayMode, DecimalDigits, engine.ThousandsSeparator,
                                  engine.ElementDecimals, engine.DecimalSeparator);
    }
    shown.assign(slot.asWritten ? slot.value : slot.shown);
}

// A text in the General Number form reads back to a value whose General Number form is the same
// text, and a message is no number: the automatic mode shows either without reading it again.
void Workspace::showGeneralText(std::string_view text, std::string& shown) {
    if (DisplayMode == 0) {
        shown.assign(text);
    } else {
        formatForDisplay(text, shown);
    }
}

const Workspace::ShownValue* Workspace::noteGeneralText(std::string_view text) {
    if (DisplayMode != 0) {
        return nullptr;
    }
    ShownValue& slot = shownSlot(text, displaySettings());
    slot.asWritten = true;
    return &slot;
}

const std::string& Workspace::historyResult(std::size_t index) const {
    static const std::string kNone;
    return index < lstRezultat.size() ? lstRezultat.items()[index] : kNone;
}

void Workspace::recordHistory(std::string_view input, std::string_view result) {
    if (!displayShown) {
        return;
    }
    cmbLista.insertAtTop(input);
    lstRezultat.insertAtTop(result);
    m_historyBrowser.restart();
}

} // namespace zolvan
