// The paper-tape display: value labels written from the engine state with the current display
// settings, the memory indicator, and clicks that copy display texts into the input line.

#include "workspace/workspace.h"

#include <cstdlib>

namespace zolvan {

namespace {

constexpr std::string_view kMemoryToolTip = " Memory (F6-store / F7-recall) ";
constexpr int kMemoryIndicator = 3;
constexpr int kFirstAngleIndicator = 4;

template <std::size_t N> bool inRange(const std::array<Label, N>&, int index) {
    return index >= 0 && index < static_cast<int>(N);
}

} // namespace

void Workspace::PokaziRezultat() {
    switch (std::abs(engine.CalcKind)) {
    case 1: // statistics: mean in row 4, sum in row 2, deviation in row 3
        lblRezultat[0].caption = formatForDisplay(resultRow(1));
        lblRezultat[1].caption = formatForDisplay(resultRow(0));
        lblRezultat[2].caption = formatForDisplay(resultRow(2));
        break;
    case 2: // square equation: x1 in row 2, x2 in row 4
        lblRezultat[1].caption = formatForDisplay(resultRow(0));
        lblRezultat[0].caption = formatForDisplay(resultRow(1));
        break;
    default:
        lblRezultat[1].caption = formatForDisplay(engine.AnsText);
        // A molecular weight keeps the decimals of its atomic weights in automatic mode.
        lblRezultat[0].caption = DisplayMode == 0 && engine.ElementPrecision
                                     ? engine.ResultText
                                     : formatForDisplay(engine.ResultText);
        break;
    }
}

void Workspace::applyMemoryIndicator() {
    Label& indicator = lblInfo[kMemoryIndicator];
    if (engine.MemoryValue != 0.0) {
        indicator.foreColour = kActiveColour;
        indicator.toolTip = " " + userNumberText(engine.MemoryValue) + " ";
    } else {
        indicator.foreColour = kGreyColour;
        indicator.toolTip = kMemoryToolTip;
    }
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
        optNumber.select(index);
    } else if (index == kMemoryIndicator) {
        // One label both stores (memory empty) and recalls (memory set).
        if (engine.MemoryValue == 0.0) {
            if (std::optional<double> result = readUserNumber(engine.ResultText)) {
                engine.MemoryValue = *result;
            }
        } else {
            txtUnosFormule.insertAtCaret(userNumberText(engine.MemoryValue));
        }
        if (engine.MemoryValue != 0.0) {
            applyMemoryIndicator();
        } else {
            lblInfo[kMemoryIndicator].foreColour = kGreyColour;
        }
    } else if (inRange(lblInfo, index)) {
        optRadDeg.select(index - kFirstAngleIndicator);
        optRadiani.select(index - kFirstAngleIndicator);
    }
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::cmbLista_Click(int index) {
    if (index >= 0 && index < static_cast<int>(cmbLista.items.size())) {
        txtUnosFormule.insertAtCaret(cmbLista.items[static_cast<std::size_t>(index)]);
    }
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::dismissHints() {
    hints.clear();
    focus = FocusTarget::txtUnosFormule;
}

void Workspace::browseHistory(HistoryBrowser::Step direction) {
    m_historyBrowser.step(direction, cmbLista, txtUnosFormule);
}

} // namespace zolvan
