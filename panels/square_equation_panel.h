#pragma once
// The square-equation panel on the function panel: three coefficient boxes a, b, c. Its button,
// or Enter in a box, writes a·x^2 + b·x + c as a line the solver reads and runs the calculate
// command. It validates nothing: the solver reports what it cannot read.

#include "workspace/controls.h"

#include <array>

namespace zolvan {

class Workspace;

class SquareEquationPanel {
public:
    explicit SquareEquationPanel(Workspace& workspace);
    SquareEquationPanel(const SquareEquationPanel&) = delete;
    SquareEquationPanel& operator=(const SquareEquationPanel&) = delete;

    std::array<TextBox, 3> txtKvadratna; // coefficients: 0 c, 1 b, 2 a
    std::array<Label, 3> lblPlus;        // "+", "x +", "= 0"
    CommandButton cmdKvadratna;          // "Calc"

    void cmdKvadratna_Click();
    void txtKvadratna_KeyPress(int index, int keyAscii);
    void txtKvadratna_GotFocus(int index);

private:
    Workspace& m_ws;
};

} // namespace zolvan
