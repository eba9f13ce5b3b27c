#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// The operand rule: a line with its selection (or a result on display when the line is empty),
// one button, and the line after it.
struct OperandCase {
    std::string name, result, line; // result: entered first, empty for none
    int selStart, selLength, button;
    std::string expected;
};

const OperandCase kOperands[] = {
    {"SineReplacesWholeLine", "", "30", 2, 0, 6, ":sin30"},
    {"SquareRootBracketsOperator", "", "2+3", 0, 0, 11, "(2+3)^(1/2)"},
    {"SquareOfSelectionWithoutOperator", "", "2+9", 2, 1, 10, "2+9^2"},
    {"ExponentMinusIsBracketed", "", "1E-5", 4, 0, 0, "(1E-5)/100"},
    {"ReciprocalOfDisplayedResult", "4", "", 0, 0, 20, "1/4"},
    {"ReciprocalWithNothingShown", "", "", 0, 0, 20, "1/???"},
    {"NegativeResultNotBracketed", "0-3", "", 0, 0, 3, "-1*-3"},
    {"PowerUsesExponentField", "", "2", 0, 0, 4, "2^3"},
    {"RootUsesExponentField", "", "27", 0, 0, 5, "27^(1/3)"},
    {"ConstantAtCaretKeepsLine", "", "2*+1", 2, 0, 22, "2*96485.309+1"},
    {"ConstantReplacesSelection", "", "2*x", 2, 1, 27, "2*6.022045 E23"},
};

class FunctionOperand : public ::testing::TestWithParam<OperandCase> {};

TEST_P(FunctionOperand, WrapsSelectionLineOrResult) {
    const OperandCase& c = GetParam();
    StartedWorkspace s;
    if (!c.result.empty()) {
        s.enter(c.result);
    }
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    s.model.functionPanel.cmdFunction_Click(c.button);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Buttons, FunctionOperand, ::testing::ValuesIn(kOperands), rowName);

// Statistics buttons over a data series: the inserted text, or the message in the result row.
struct StatisticCase {
    std::string name;
    std::vector<std::string> data;
    int button;
    std::string inserted, message; // message: empty when a value is inserted
};

const std::vector<std::string> kSeries{"2", "4", "4", "4", "5", "5", "7", "9"};

const StatisticCase kStatistics[] = {
    {"Sum", kSeries, 30, "40", ""},
    {"SumOfSquares", kSeries, 31, "232", ""},
    {"PopulationDeviation", kSeries, 32, "2", ""},
    {"SampleDeviation", kSeries, 33, "2.1380899352994", ""},
    {"Count", kSeries, 34, "8", ""},
    {"Mean", kSeries, 35, "5", ""},
    {"CommandText", kSeries, 29, ":sum(2+4+4+4+5+5+7+9)", ""},
    {"EqualValuesHaveNoSpread", {"0.1", "0.1", "0.1"}, 32, "0", ""},
    {"SampleOfOneValue", {"3"}, 33, "", "Must bee min. two data!"},
    {"SumWithoutData", {}, 30, "", "No data for calculate!"},
    {"CountWithoutData", {}, 34, "", "No data!"},
};

class FunctionStatistics : public ::testing::TestWithParam<StatisticCase> {};

TEST_P(FunctionStatistics, InsertValueOrShowMessage) {
    const StatisticCase& c = GetParam();
    StartedWorkspace s;
    for (const std::string& value : c.data) {
        s.enter(":dat(" + value + ")");
    }
    const std::string result = s.w.engine.ResultText;
    const std::size_t history = s.w.cmbLista.items().size();
    s.model.functionPanel.cmdFunction_Click(c.button);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.inserted);
    if (!c.message.empty()) {
        EXPECT_EQ(s.w.lblRezultat[0].caption, c.message);
        EXPECT_EQ(s.w.engine.ResultText, result);
        EXPECT_EQ(s.w.cmbLista.items().size(), history);
    }
    // Only the count's message leaves the focus where it was.
    EXPECT_EQ(s.w.focus, c.message == "No data!" ? FocusTarget::None : FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Data, FunctionStatistics, ::testing::ValuesIn(kStatistics), rowName);

// Data entry: a line or the result goes into the series and is calculated at once.
TEST(DataEntry, TakesLineThenResultElseMessage) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("12.5");
    s.model.functionPanel.cmdFunction_Click(28);
    EXPECT_EQ(s.w.cmbLista.items().front(), ":dat(12.5)");
    EXPECT_EQ(s.w.engine.DataCount, 1);
    s.model.functionPanel.cmdFunction_Click(28); // empty line: the result 12.5 again
    EXPECT_EQ(s.w.engine.DataCount, 2);
    s.enter("1/0");
    s.model.functionPanel.cmdFunction_Click(28);
    EXPECT_EQ(s.w.engine.DataCount, 2);
    EXPECT_EQ(s.w.lblRezultat[0].caption, "No valid data!");
}

} // namespace
} // namespace zolvan::testing
