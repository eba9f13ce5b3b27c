#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

struct SquareCase {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    bool enter; // Enter in a box instead of the button
    const char* line;
    const char* x1;
    const char* x2;
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
    ASSERT_FALSE(s.w.cmbLista.items.empty());
    EXPECT_EQ(s.w.lblRezultat[1].caption, c.x1);
    EXPECT_EQ(s.w.lblRezultat[0].caption, c.x2);
    EXPECT_EQ(s.w.engine.InputLine, c.line);
}

INSTANTIATE_TEST_SUITE_P(Coefficients, SquarePanel, ::testing::ValuesIn(kSquares),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SquarePanel, FocusSelectsTheWholeBox) {
    StartedWorkspace s;
    TextBox& box = s.model.squareEquationPanel.txtKvadratna[1];
    box.setText("-3.5");
    s.model.squareEquationPanel.txtKvadratna_GotFocus(1);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 4);
}

} // namespace
} // namespace zolvan
