#include "panels/composition_panel.h"

#include "engine/number_text.h"
#include "engine/solution.h"
#include "panels/constants_panel.h"
#include "workspace/workspace.h"

namespace zolvan {

CompositionPanel::CompositionPanel(Workspace& workspace, ConstantsPanel& constants)
    : m_ws(workspace), m_constants(constants) {
    mnuComposition = menuItem("C&omposition", "Ctrl+M", true);
    mnuComposition.onClick = [this] { mnuComposition_Click(); };
    cmdComposition.caption = "Composition";
    cmdComposition.toolTip = " Composition (Ctrl+M) ";
    fraComposition.visible = false;
    txtConcentration.setText("0.1 M");
    txtVolume.setText("250 mL");
    txtPurity.setText("100");
    m_constants.viewChosen = [this] { stepAside(); };
}

void CompositionPanel::mnuComposition_Click() {
    m_constants.stepAside();
    fraComposition.visible = true;
    mnuComposition.checked = true;
    m_ws.showSidePanels();
}

void CompositionPanel::stepAside() {
    fraComposition.visible = false;
    mnuComposition.checked = false;
}

void CompositionPanel::cmdCopy_Click() {
    if (m_ws.composition() != nullptr) {
        m_ws.services().clipboardClear();
        m_ws.services().clipboardSetText(
            compositionTabText(*m_ws.composition(), m_ws.engine.DecimalSeparator));
    }
}

std::string CompositionPanel::heading() const {
    if (m_ws.composition() != nullptr) {
        return "Composition of " + m_ws.compositionLine;
    }
    if (m_ws.linesCalculated == 0) {
        return "Calculate a formula to see its composition.";
    }
    return "No composition: the last result is no molar mass of a formula.";
}

std::vector<CompositionRow> CompositionPanel::rows() const {
    if (m_ws.composition() == nullptr) {
        return {};
    }
    return compositionRows(*m_ws.composition(), m_ws.engine.DecimalSeparator);
}

std::vector<std::string> CompositionPanel::spokenRows() const {
    std::vector<std::string> sentences;
    const std::vector<CompositionRow> table = rows();
    for (std::size_t i = 1; i < table.size(); ++i) {
        const CompositionRow& r = table[i];
        sentences.push_back(r[0] + ": " + r[1] + (r[1] == "1" ? " atom" : " atoms") +
                            ", atomic weight " + r[2] + ", mass " + r[3] + ", " + r[4] +
                            " percent");
    }
    return sentences;
}

std::vector<std::string> CompositionPanel::massLines() const {
    if (m_ws.composition() == nullptr) {
        return {};
    }
    return exactMassLines(*m_ws.composition(), m_ws.engine.DecimalSeparator);
}

std::string CompositionPanel::molarMassText() const {
    const Composition* last = m_ws.lastComposition();
    if (last == nullptr) {
        return "No molar mass yet";
    }
    return "M = " + fixedText(last->mass, 4, m_ws.engine.DecimalSeparator) + " g/mol (" +
           last->formula + ")";
}

std::string CompositionPanel::weighAnswer() const {
    const std::optional<double> mass = m_ws.lastComposition() != nullptr
                                           ? std::optional(m_ws.lastComposition()->mass)
                                           : std::nullopt;
    if (!mass) {
        // The line above the fields already says there is no molar mass yet.
        return {};
    }
    const std::string line = "#weigh " + txtConcentration.text() + " " + txtVolume.text() + " " +
                             txtPurity.text() + " %";
    const std::optional<SolutionAnswer> answer =
        solutionCommand(line, *mass, m_ws.engine.DecimalSeparator);
    if (!answer) {
        return {};
    }
    return answer->fault ? answer->text : "Weigh " + answer->text;
}

} // namespace zolvan
