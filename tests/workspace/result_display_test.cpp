#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::entries;
using testing::StartedWorkspace;

void chooseFormat(Workspace& w, int mode, const char* places, bool thousands) {
    w.optNumber.select(mode);
    w.txtDecimala.setText(places);
    w.chkTisuca.setChecked(thousands);
}

// The ordinary rows 2 and 4 under a display setting.
struct RowCase {
    const char* name;
    char separator;
    int mode;
    const char* places;
    bool thousands;
    bool elementPrecision;
    const char* resultText;
    const char* ansText;
    const char* row4;
    const char* row2;
};

class OrdinaryRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(OrdinaryRows, FormatsWithTheCurrentSettings) {
    const RowCase& c = GetParam();
    StartedWorkspace s(c.separator);
    Workspace& w = s.w;
    w.engine.ResultText = c.resultText;
    w.engine.AnsText = c.ansText;
    w.engine.ElementPrecision = c.elementPrecision;
    w.engine.ElementDecimals = c.elementPrecision ? 4 : 10;
    chooseFormat(w, c.mode, c.places, c.thousands);
    w.PokaziRezultat();
    EXPECT_EQ(w.lblRezultat[0].caption, c.row4);
    EXPECT_EQ(w.lblRezultat[1].caption, c.row2);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, OrdinaryRows,
    ::testing::Values(
        RowCase{"MolecularWeightKeptInAutomatic", '.', 0, "6", false, true, "18.0153", "",
                "18.0153", ""},
        RowCase{"MolecularWeightInFixed", '.', 2, "2", false, true, "18.0153", "", "18.02", ""},
        RowCase{"MolecularWeightInScientific", '.', 1, "3", false, true, "18.0153", "",
                "1.802 E+01", ""},
        RowCase{"MessageUnchangedInFixed", '.', 2, "3", false, false, "Syntax error!", "",
                "Syntax error!", ""},
        RowCase{"MessageUnchangedInScientific", '.', 1, "3", false, false, "Syntax error!", "",
                "Syntax error!", ""},
        RowCase{"FixedWithComma", ',', 2, "3", false, false, "1234,5678", "2", "1234,568", "2,000"},
        RowCase{"StandardWithSeparator", '.', 2, "5", true, false, "1234.5678", "", "1,234.57", ""},
        RowCase{"StandardWithComma", ',', 2, "5", true, false, "1234,5678", "", "1.234,57", ""},
        RowCase{"PreviousResultFormattedToo", '.', 1, "1", false, false, "6", "250", "6.0 E+00",
                "2.5 E+02"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableRows, ModeSwitchReformatsAllValuesAndKeepsDesignations) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.engine.CalcKind = -1;
    w.engine.ResultRows = {"10", "2.5", "1.29099444873581"};
    w.lblOznaka[1].caption = "n = 4";
    chooseFormat(w, 2, "2", false);
    EXPECT_EQ(w.lblRezultat[1].caption, "10.00");
    EXPECT_EQ(w.lblRezultat[2].caption, "1.29");
    EXPECT_EQ(w.lblRezultat[0].caption, "2.50");
    EXPECT_EQ(w.lblOznaka[1].caption, "n = 4");

    w.engine.CalcKind = -2;
    w.engine.ResultRows = {"Complex number", "Complex number"};
    w.lblRezultat[2].caption.clear();
    w.optNumber.select(1);
    EXPECT_EQ(w.lblRezultat[1].caption, "Complex number");
    EXPECT_EQ(w.lblRezultat[0].caption, "Complex number");
    EXPECT_EQ(w.lblRezultat[2].caption, "") << "roots leave row 3 alone";
}

TEST(TableRows, MissingRowsShowNothing) {
    StartedWorkspace s;
    s.w.engine.CalcKind = -1;
    s.w.engine.ResultRows.clear();
    s.w.PokaziRezultat();
    EXPECT_EQ(s.w.lblRezultat[0].caption, "");
    EXPECT_EQ(s.w.lblRezultat[2].caption, "");
}

TEST(TableRows, HistoryKeepsTheTextItWasRecordedWith) {
    StartedWorkspace s;
    s.enter("H2O");
    s.enter("#fix 2");
    EXPECT_EQ(s.w.lblRezultat[0].caption, "18.02");
    EXPECT_EQ(s.w.lstRezultat.items.back(), "18.0153");
}

struct MemoryCase {
    const char* name;
    char separator;
    double value;
    Rgb colour;
    const char* toolTip;
};

class MemoryIndicator : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryIndicator, ShowsTheValueOrTheHelpText) {
    const MemoryCase& c = GetParam();
    StartedWorkspace s(c.separator);
    s.w.engine.MemoryValue = c.value;
    s.w.applyMemoryIndicator();
    EXPECT_EQ(s.w.lblInfo[3].foreColour, c.colour);
    EXPECT_EQ(s.w.lblInfo[3].toolTip, c.toolTip);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MemoryIndicator,
    ::testing::Values(MemoryCase{"PointValue", '.', 12.5, kActiveColour, " 12.5 "},
                      MemoryCase{"CommaValue", ',', 12.5, kActiveColour, " 12,5 "},
                      MemoryCase{"Negative", '.', -3, kActiveColour, " -3 "},
                      MemoryCase{"Empty", '.', 0, kGreyColour, " Memory (F6-store / F7-recall) "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemoryLabel, FirstClickStoresNextClickRecalls) {
    StartedWorkspace s(',');
    Workspace& w = s.w;
    w.engine.ResultText = "12,5";
    w.lblInfo_Click(3);
    EXPECT_DOUBLE_EQ(w.engine.MemoryValue, 12.5);
    EXPECT_EQ(w.lblInfo[3].foreColour, kActiveColour);
    EXPECT_EQ(w.lblInfo[3].toolTip, " 12,5 ");
    EXPECT_EQ(w.txtUnosFormule.text(), "");

    w.txtUnosFormule.setText("2*");
    w.txtUnosFormule.select(2, 0);
    w.lblInfo_Click(3);
    EXPECT_EQ(w.txtUnosFormule.text(), "2*12,5");
    EXPECT_DOUBLE_EQ(w.engine.MemoryValue, 12.5);
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

TEST(MemoryLabel, MessageResultChangesNothingButTheFocus) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.engine.ResultText = "Cannot divide by zero!";
    w.lblInfo[3].toolTip = " kept ";
    w.lblInfo_Click(3);
    EXPECT_EQ(w.engine.MemoryValue, 0.0);
    EXPECT_EQ(w.lblInfo[3].foreColour, kGreyColour);
    EXPECT_EQ(w.lblInfo[3].toolTip, " kept ");
    EXPECT_EQ(w.txtUnosFormule.text(), "");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

TEST(IndicatorClicks, SelectDisplayModeAndBothAngleGroups) {
    StartedWorkspace s;
    Workspace& w = s.w;
    const struct {
        int index;
        int mode;
        int angle;
    } clicks[] = {{1, 1, 0}, {2, 2, 0}, {6, 2, 2}, {5, 2, 1}, {0, 0, 1}, {4, 0, 0}};
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.index);
        w.lblInfo_Click(click.index);
        EXPECT_EQ(w.DisplayMode, click.mode);
        EXPECT_EQ(w.engine.AngleUnit, click.angle);
        EXPECT_EQ(w.optRadDeg.selected(), click.angle);
        EXPECT_EQ(w.optRadiani.selected(), click.angle);
        EXPECT_EQ(w.lblInfo[click.index].foreColour, kActiveColour);
    }
}

TEST(RowClicks, ResultRowReplacesTheSelection) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.lblRezultat[1].caption = "94.4730";
    w.txtUnosFormule.setText("2*x+1");
    w.txtUnosFormule.select(2, 1);
    w.lblRezultat_Click(1);
    EXPECT_EQ(w.txtUnosFormule.text(), "2*94.4730+1");
    w.lblRezultat_Click(7); // no such row
    EXPECT_EQ(w.txtUnosFormule.text(), "2*94.4730+1");
}

TEST(RowClicks, CurrentInputRowGivesTheDeviationWhileStatisticsAreShown) {
    for (const std::int16_t kind : {std::int16_t{-1}, std::int16_t{0}}) {
        SCOPED_TRACE(kind);
        StartedWorkspace s;
        Workspace& w = s.w;
        w.engine.CalcKind = kind;
        w.lblUnosFormule[0].caption = kind == 0 ? "H2O" : "";
        w.lblRezultat[2].caption = "1.29";
        w.lblUnosFormule_Click(0);
        EXPECT_EQ(w.txtUnosFormule.text(), kind == 0 ? "H2O" : "1.29");
    }
}

TEST(RowClicks, PreviousInputRowNeverAddsTheDeviation) {
    StartedWorkspace s;
    s.w.engine.CalcKind = -1;
    s.w.lblUnosFormule[1].caption = ":sum(1+2)";
    s.w.lblRezultat[2].caption = "0.7";
    s.w.lblUnosFormule_Click(1);
    EXPECT_EQ(s.w.txtUnosFormule.text(), ":sum(1+2)");
}

TEST(HistoryList, ChosenEntryIsInsertedAtTheCaret) {
    StartedWorkspace s;
    s.enter("2*3");
    s.enter("NaCl");
    s.w.txtUnosFormule.setText("2*");
    s.w.txtUnosFormule.select(2, 0);
    s.w.focus = FocusTarget::None;
    s.w.cmbLista_Click(1);
    EXPECT_EQ(s.w.txtUnosFormule.text(), "2*2*3");
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

} // namespace
} // namespace zolvan
