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
constexpr std::array<IndicatorDesign, 7> kIndicators{{
    {"AUTO", " Number Format (F5) ", kDesignColour},
    {"SCI", " Number Format (F5) ", kGreyColour},
    {"FIX", " Number Format (F5) ", kGreyColour},
    {"MEM", " Memory (F6-store / F7-recall) ", kGreyColour},
    {"RAD", " Radians (F8) ", kDesignColour},
    {"DEG", " Degrees (F8) ", kGreyColour},
    {"GRAD", " Grads (F8) ", kGreyColour},
}};

std::vector<OptionButton> optionButtons(std::initializer_list<std::string_view> captions) {
    std::vector<OptionButton> buttons;
    for (std::string_view caption : captions) {
        buttons.push_back({std::string(caption), kBlackColour, true});
    }
    return buttons;
}

MenuItem menu(std::string_view caption) {
    MenuItem item;
    item.caption = caption;
    return item;
}

// An item whose command is not part of the window yet: shown, but disabled.
MenuItem command(std::string_view caption) {
    MenuItem item = menu(caption);
    item.enabled = false;
    return item;
}

} // namespace

Workspace::Workspace(WindowServices& services)
    : mnuFile(menu("&File")), mnuEdit(menu("&Edit")), mnuInsert(menu("&Insert")),
      mnuView(menu("&View")), mnuHelp(menu("&Help")), mnuExpand(menu("Expand Zolvan")),
      mnuShort(menu("Show Display only")), mnuTop(menu("Always On &Top")),
      mnuNumber(menu("Number &Format...")), mnuNew(command("&New")), mnuOpen(command("&Open...")),
      mnuSave(command("&Save...")), mnuPrint(command("&Print...")), mnuCut(command("Cu&t")),
      mnuCopy(command("&Copy")), mnuPaste(command("&Paste")), mnuDelete(command("&Delete")),
      optNumber(optionButtons({"&Automatic", "&Scientific", "&Fixed"})),
      optRadDeg(optionButtons({"&Rad", "&Deg", "&Grad"})),
      optRadiani(optionButtons({"Radians", "Degrees", "Grads"})), m_services(services) {
    for (std::size_t i = 0; i < kIndicators.size(); ++i) {
        lblInfo[i].caption = kIndicators[i].caption;
        lblInfo[i].toolTip = kIndicators[i].toolTip;
        lblInfo[i].foreColour = kIndicators[i].colour;
    }
    txtDecimala.setText("2");
    txtDecimala.enabled = false;
    optRadiani.buttons[0].foreColour = kBlueColour;
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
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::hoverReset() {
    if (!maskShown) {
        return;
    }
    imgButonMaskLeft = kMaskHiddenLeft;
    hoverIndex = -1;
    maskShown = false;
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

std::string Workspace::formatForDisplay(std::string_view value) const {
    return formatNumber(value, DisplayMode, DecimalDigits, engine.ThousandsSeparator,
                        engine.ElementDecimals, engine.DecimalSeparator);
}

const std::string& Workspace::resultRow(std::size_t index) const {
    static const std::string kNone;
    return index < engine.ResultRows.size() ? engine.ResultRows[index] : kNone;
}

void Workspace::recordHistory(std::string input, std::string result) {
    cmbLista.insertAtTop(std::move(input));
    lstRezultat.insertAtTop(std::move(result));
    m_historyBrowser.restart();
}

} // namespace zolvan
