// The paper-tape display: value labels written from the engine state with the current display
// settings, the indicators and the memory, the session, and clicks that copy display texts into
// the input line.

#include "workspace/workspace.h"

#include <cmath>
#include <cstdlib>

namespace zolvan {

namespace {

constexpr std::string_view kMemoryToolTip = " Memory (F6-store / F7-recall) ";
constexpr int kMemoryIndicator = static_cast<int>(Indicator::Memory);
constexpr int kFirstAngleIndicator = static_cast<int>(Indicator::Radians);

template <std::size_t N> bool inRange(const std::array<Label, N>&, int index) {
    return index >= 0 && index < static_cast<int>(N);
}

} // namespace

void Workspace::PokaziRezultat() {
    switch (std::abs(engine.CalcKind)) {
    case 1: // statistics: mean in row 4, sum in row 2, deviation in row 3
        showGeneralText(resultRow(1), lblRezultat[0].caption);
        showGeneralText(resultRow(0), lblRezultat[1].caption);
        showGeneralText(resultRow(2), lblRezultat[2].caption);
        break;
    case 2: // square equation: x1 in row 2, x2 in row 4
        showGeneralText(resultRow(0), lblRezultat[1].caption);
        showGeneralText(resultRow(1), lblRezultat[0].caption);
        break;
    default:
        showOrdinaryResult(nullptr);
        break;
    }
}

void Workspace::showOrdinaryResult(const ShownValue* notedResult) {
    if (displayShown) {
        formatForDisplay(engine.AnsText, lblRezultat[1].caption);
    }
    // A molecular weight keeps the decimals of its atomic weights in automatic mode.
    if (DisplayMode == 0 && engine.ElementPrecision) {
        lblRezultat[0].caption.assign(engine.ResultText);
    } else if (notedResult) {
        // The answer's look-up above keeps the noted slot (it finds the answer there or puts it
        // in the other one), so a look-up of the result would end on that slot, as written.
        m_newerShown = static_cast<std::size_t>(notedResult - m_shown.data());
        lblRezultat[0].caption.assign(engine.ResultText);
    } else {
        formatForDisplay(engine.ResultText, lblRezultat[0].caption);
    }
}

void Workspace::setIndicator(Indicator indicator, bool on) {
    lblInfo[static_cast<std::size_t>(indicator)].foreColour = on ? kActiveColour : kGreyColour;
}

void Workspace::applyMemoryIndicator() {
    Label& indicator = lblInfo[kMemoryIndicator];
    setIndicator(Indicator::Memory, engine.MemoryValue != 0.0);
    indicator.toolTip = engine.MemoryValue != 0.0 ? " " + userNumberText(engine.MemoryValue) + " "
                                                  : std::string(kMemoryToolTip);
}

void Workspace::storeResultInMemory() {
    if (std::optional<double> result = readUserNumber(engine.ResultText)) {
        engine.MemoryValue = *result;
    } else if (engine.ResultText.empty()) {
        engine.MemoryValue = 0.0;
    }
    applyMemoryIndicator();
}

void Workspace::recallMemory() {
    if (engine.MemoryValue != 0.0) {
        txtUnosFormule.insertAtCaret(userNumberText(engine.MemoryValue));
    }
}

void Workspace::addResultToMemory(bool subtract) {
    if (std::optional<double> result = readUserNumber(engine.ResultText)) {
        const double sum = engine.MemoryValue + (subtract ? -*result : *result);
        if (std::isfinite(sum)) {
            engine.MemoryValue = sum;
        }
    }
    applyMemoryIndicator();
}

void Workspace::clearMemoryAndData() {
    engine.DataValues.assign(1, 0.0);
    engine.DataCount = 0;
    engine.MemoryValue = 0.0;
    setIndicator(Indicator::Memory, false);
}

void Workspace::showMessage(std::string_view message) {
    lblRezultat[0].caption = message;
}

void Workspace::showResultRows(bool shown) {
    for (Label* label :
         {&lblUnosFormule[0], &lblUnosFormule[1], &lblRezultat[0], &lblRezultat[1]}) {
        label->visible = shown;
    }
}

void Workspace::clearDisplay() {
    for (Label* label : {&lblUnosFormule[0], &lblUnosFormule[1], &lblOznaka[1], &lblOznaka[2],
                         &lblOznaka[3], &lblRezultat[2], &lblRezultat[1], &lblRezultat[0]}) {
        label->caption.clear();
    }
    hints.clear();
    focusInput();
}

// ":ans" refers to nothing afterwards.
void Workspace::clearSession() {
    txtUnosFormule.setText("");
    for (Label* label :
         {&lblRezultat[0], &lblRezultat[1], &lblUnosFormule[0], &lblUnosFormule[1]}) {
        label->caption.clear();
    }
    engine.AnsText.clear();
    engine.ResultText.clear();
    engine.NormalizedLine.clear();
    engine.PrevNormalizedLine.clear();
    hints.clear();
    cmbLista.clear();
    lstRezultat.clear();
    m_historyBrowser.restart();
    focusInput();
}

void Workspace::lblRezultat_Click(int index) {
    if (inRange(lblRezultat, index)) {
        txtUnosFormule.insertAtCaret(lblRezultat[index].caption);
    }
}

void Workspace::lblUnosFormule_Click(int index) {
    if (!inRange(lblUnosFormule, index)) {
        return;
    }
    txtUnosFormule.insertAtCaret(lblUnosFormule[index].caption);
    // With a statistics table shown row 3 holds the deviation instead of the input echo.
    const bool statisticsShown = engine.CalcKind == -1 || engine.CalcKind == 1;
    if (statisticsShown && index == 0) {
        txtUnosFormule.insertAtCaret(lblRezultat[2].caption);
    }
}

void Workspace::lblInfo_Click(int index) {
    if (index >= 0 && index < kMemoryIndicator) {
        numberSettings.selectDisplayMode(index);
    } else if (index == kMemoryIndicator) {
        // One label both stores (memory empty) and recalls (memory set). A result that is no
        // number leaves the memory empty and the indicator's tooltip as it was.
        if (engine.MemoryValue != 0.0) {
            recallMemory();
            applyMemoryIndicator();
        } else if (readUserNumber(engine.ResultText)) {
            storeResultInMemory();
        } else {
            setIndicator(Indicator::Memory, false);
        }
    } else if (inRange(lblInfo, index)) {
        numberSettings.selectAngleUnit(index - kFirstAngleIndicator);
    }
    focusInput();
}

void Workspace::cmbLista_Click(int index) {
    if (index >= 0 && index < static_cast<int>(cmbLista.size())) {
        txtUnosFormule.insertAtCaret(cmbLista.items()[static_cast<std::size_t>(index)]);
    }
    focusInput();
}

void Workspace::dismissHints() {
    hints.clear();
    focusInput();
}

void Workspace::browseHistory(HistoryBrowser::Step direction) {
    m_historyBrowser.step(direction, cmbLista, txtUnosFormule);
}

} // namespace zolvan
