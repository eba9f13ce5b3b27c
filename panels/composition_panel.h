#pragma once
// The side panel's Composition view: the elemental composition and exact masses of the last
// result, and a small form that works out the mass to weigh for a solution of it. It follows
// the workspace's last calculation; it calculates nothing but the form's mass, through the same
// arithmetic as the "#weigh" command word.

#include "workspace/composition_text.h"
#include "workspace/controls.h"

#include <string>
#include <vector>

namespace zolvan {

class ConstantsPanel;
class Workspace;

class CompositionPanel {
public:
    CompositionPanel(Workspace& workspace, ConstantsPanel& constants);
    CompositionPanel(const CompositionPanel&) = delete;
    CompositionPanel& operator=(const CompositionPanel&) = delete;

    MenuItem mnuComposition;      // View menu item, checked while the view is on show
    CommandButton cmdComposition; // its tab in the side panel
    Frame fraComposition;         // the view itself, hidden until chosen
    TextBox txtConcentration;     // the form: concentration with its unit ("0.1 M")
    TextBox txtVolume;            // volume with its unit ("250 mL")
    TextBox txtPurity;            // purity in percent ("100")

    // Shows the view in place of the constants views, widening the window when it is narrow.
    void mnuComposition_Click();
    void cmdComposition_Click() { mnuComposition_Click(); }
    // The table and the exact masses as tab-separated text on the clipboard.
    void cmdCopy_Click();
    // The constants panel chose one of its own views.
    void stepAside();

    // What the view shows, from the workspace's last calculation.
    std::string heading() const;
    std::vector<CompositionRow> rows() const;    // header first; empty without a composition
    std::vector<std::string> spokenRows() const; // one sentence per element row
    std::vector<std::string> massLines() const;
    std::string molarMassText() const; // the molar mass the form uses
    std::string weighAnswer() const;   // "Weigh 1.461 g", or what is missing

private:
    Workspace& m_ws;
    ConstantsPanel& m_constants;
};

} // namespace zolvan
