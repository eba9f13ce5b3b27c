#include "panels/square_equation_panel.h"

#include "workspace/key_codes.h"
#include "workspace/workspace.h"

#include <string_view>

namespace zolvan {

namespace {

// The first character after leading blanks is a minus sign.
bool startsNegative(std::string_view coefficient) {
    const std::size_t first = coefficient.find_first_not_of(' ');
    return first != std::string_view::npos && coefficient[first] == '-';
}

} // namespace

SquareEquationPanel::SquareEquationPanel(Workspace& workspace) : m_ws(workspace) {
    lblPlus[0].caption = "+";
    lblPlus[1].caption = "x +";
    lblPlus[2].caption = "= 0";
    cmdKvadratna = {"Calc", " Calculate square equation ", true};
}

// The coefficients are joined as typed; only the sign test looks past their blanks.
void SquareEquationPanel::cmdKvadratna_Click() {
    const std::string& a = txtKvadratna[2].text();
    const std::string& b = txtKvadratna[1].text();
    const std::string& c = txtKvadratna[0].text();
    std::string line = a + (startsNegative(b) ? "x^2" : "x^2+");
    line += b + (startsNegative(c) ? "x" : "x+");
    line += c;
    m_ws.calculateLine(std::move(line));
}

void SquareEquationPanel::txtKvadratna_KeyPress(int /*index*/, int keyAscii) {
    if (keyAscii == keys::Enter) {
        cmdKvadratna_Click();
    }
}

void SquareEquationPanel::txtKvadratna_GotFocus(int index) {
    if (index < 0 || index >= static_cast<int>(txtKvadratna.size())) {
        return;
    }
    TextBox& box = txtKvadratna[static_cast<std::size_t>(index)];
    box.select(0, codePointCount(box.text()));
}

} // namespace zolvan
