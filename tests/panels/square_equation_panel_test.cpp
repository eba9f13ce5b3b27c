#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// The coefficients typed, Enter in a box or the button, and the line and roots it gives.
struct SquareCase {
    std::string name, a, b, c;
    bool enter;
    std::string line, x1, x2;
};

const SquareCase kSquares[] = {
    {"NegativeB", "1", "-3", "2", false, "1x^2-3x+2", "2", "1"},
    {"NegativeC", "2", "5", "-3", true, "2x^2+5x-3", "0.5", "-3"},
    {"EmptyBIsOne", "1", "", "-4", false, "1x^2+x-4", "1.56155281280883", "-2.56155281280883"},
    {"BlanksBeforeSign", "1", " -3", "2", false, "1x^2 -3x+2", "2", "1"},
};

class SquarePanel : public ::testing::TestWithParam<SquareCase> {};

TEST_P(SquarePanel, WritesTheLineAndSolves) {
    const SquareCase& c = GetParam();
    StartedWorkspace s;
    SquareEquationPanel& panel = s.model.squareEquationPanel;
    panel.txtKvadratna[2].setText(c.a);
    panel.txtKvadratna[1].setText(c.b);
    panel.txtKvadratna[0].setText(c.c);
    if (c.enter) {
        panel.txtKvadratna_KeyPress(1, 13);
    } else {
        panel.cmdKvadratna_Click();
    }
    ASSERT_FALSE(s.w.cmbLista.items().empty());
    EXPECT_EQ(s.w.lblRezultat[1].caption, c.x1);
    EXPECT_EQ(s.w.lblRezultat[0].caption, c.x2);
    EXPECT_EQ(s.w.engine.InputLine, c.line);
}

INSTANTIATE_TEST_SUITE_P(Coefficients, SquarePanel, ::testing::ValuesIn(kSquares), rowName);

} // namespace
} // namespace zolvan::testing
