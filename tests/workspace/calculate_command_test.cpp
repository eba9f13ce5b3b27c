#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::entries;
using testing::StartedWorkspace;

// A "#" line typed after a given result, with the settings it leaves behind.
struct CommandCase {
    const char* name;
    char separator;
    const char* priorResult;
    double priorMemory;
    int priorMode;
    int priorAngle;
    const char* line;
    double memory;
    const char* historyResult;
    int mode;
    const char* digits;
    int angle;
};

class CommandLine : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLine, ChangesOnlyItsSettingAndRecordsOnePair) {
    const CommandCase& c = GetParam();
    StartedWorkspace s(c.separator);
    Workspace& w = s.w;
    w.optNumber.select(c.priorMode);
    w.optRadDeg.select(c.priorAngle);
    w.engine.ResultText = c.priorResult;
    w.engine.AnsText = "41";
    w.engine.MemoryValue = c.priorMemory;

    const LineReport report = s.enter(std::string("  ") + c.line + " ");

    EXPECT_TRUE(report.commandLine);
    EXPECT_DOUBLE_EQ(w.engine.MemoryValue, c.memory);
    EXPECT_EQ(w.DisplayMode, c.mode);
    EXPECT_EQ(w.optNumber.selected(), c.mode);
    EXPECT_EQ(w.DecimalDigits, c.digits);
    EXPECT_EQ(w.engine.AngleUnit, c.angle);
    EXPECT_EQ(w.optRadiani.selected(), c.angle);
    EXPECT_EQ(entries(w.cmbLista), std::vector<std::string>{c.line});
    EXPECT_EQ(entries(w.lstRezultat), std::vector<std::string>{c.historyResult});
    EXPECT_EQ(report.historyResult, c.historyResult);
    // A command line leaves the results alone; a format change only shows them again.
    EXPECT_EQ(w.engine.ResultText, c.priorResult);
    EXPECT_EQ(w.engine.AnsText, "41");
    EXPECT_EQ(w.engine.CalcKind, 0);
    EXPECT_EQ(w.txtUnosFormule.text(), "");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLine,
    ::testing::Values(
        CommandCase{"MemStoresResult", '.', "12.5", 0, 0, 0, "#mem", 12.5, "12.5", 0, "00", 0},
        CommandCase{"MemStoresResultWithComma", ',', "12,5", 0, 0, 0, "#mem", 12.5, "12,5", 0, "00",
                    0},
        CommandCase{"MemPlusAddsInAnyCase", '.', "2", 3, 0, 0, "#MEM+", 5, "5", 0, "00", 0},
        CommandCase{"MemMinusSubtracts", ',', "0,5", 3, 0, 0, "#mem-", 2.5, "2,5", 0, "00", 0},
        CommandCase{"MemKeepsMemoryOnMessage", '.', "Cannot divide by zero!", 7, 0, 0, "#mem", 7,
                    "7", 0, "00", 0},
        CommandCase{"MemPlusIgnoresMessage", '.', "Syntax error!", 7, 0, 0, "#mem+", 7, "7", 0,
                    "00", 0},
        CommandCase{"MemEmptiesOnEmptyResult", '.', "", 7, 0, 0, "#mem", 0, "0", 0, "00", 0},
        CommandCase{"MemPlusOnEmptyResultKeeps", '.', "", 7, 0, 0, "#mem+", 7, "7", 0, "00", 0},
        CommandCase{"MemDegChangesMemoryOnly", '.', "4", 0, 0, 0, "#mem deg", 4, "4", 0, "00", 0},
        CommandCase{"MemFixChangesMemoryOnly", '.', "4", 0, 0, 0, "#mem fix 5", 4, "4", 0, "00", 0},
        CommandCase{"AutoDeg", '.', "", 0, 2, 0, "#auto deg", 0, "", 0, "00", 1},
        CommandCase{"AutoWinsOverSci", '.', "", 0, 2, 0, "#sci auto", 0, "", 0, "00", 0},
        CommandCase{"SciThree", '.', "", 0, 0, 0, "#sci 3", 0, "", 1, "000", 0},
        CommandCase{"FixAloneGivesNoPlaces", '.', "", 0, 0, 0, "#fix", 0, "", 2, "", 0},
        CommandCase{"FixFifteenIsLimitedToTwelve", '.', "", 0, 0, 0, "#fix 15", 0, "", 2,
                    "000000000000", 0},
        CommandCase{"FixReadsLeadingNumberOnly", '.', "", 0, 0, 0, "#fix 15abc", 0, "", 2,
                    "000000000000", 0},
        CommandCase{"FixHalfRoundsToEven", '.', "", 0, 0, 0, "#fix 2.5", 0, "", 2, "00", 0},
        CommandCase{"FixCommaHalfRoundsToEven", ',', "", 0, 0, 0, "#fix 3,5", 0, "", 2, "0000", 0},
        CommandCase{"SciWithExponent", '.', "", 0, 0, 0, "#sci 1e1", 0, "", 1, "0000000000", 0},
        CommandCase{"FixBeyondDoubleRange", '.', "", 0, 0, 0, "#fix 1e999", 0, "", 2,
                    "000000000000", 0},
        CommandCase{"FixNegativeKeepsPlaces", '.', "", 0, 0, 0, "#fix -3", 0, "", 2, "00", 0},
        CommandCase{"SciGradNoNumber", '.', "", 0, 0, 0, "#sci grad", 0, "", 1, "", 2},
        CommandCase{"GradIsNotRadians", '.', "", 0, 0, 0, "#grad", 0, "", 0, "00", 2},
        CommandCase{"WordsIgnoreCase", '.', "", 0, 0, 0, "#Deg", 0, "", 0, "00", 1},
        CommandCase{"WordsAreSubstrings", '.', "", 0, 0, 0, "#xDEGx", 0, "", 0, "00", 1},
        CommandCase{"BlankBeforeWord", '.', "", 0, 0, 0, "# deg", 0, "", 0, "00", 1},
        CommandCase{"RadBackFromGrads", '.', "", 0, 0, 2, "#rad", 0, "", 0, "00", 0},
        CommandCase{"HashAloneChangesNothing", '.', "9", 0, 1, 1, "#", 0, "", 1, "00", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineMemory, MemPlusTwiceAddsTwiceAndLightsTheIndicator) {
    StartedWorkspace s;
    s.w.engine.ResultText = "2";
    s.enter("#MEM+");
    s.enter("#MEM+");
    EXPECT_DOUBLE_EQ(s.w.engine.MemoryValue, 4.0);
    EXPECT_EQ(entries(s.w.lstRezultat), (std::vector<std::string>{"4", "2"}));
    EXPECT_EQ(s.w.lblInfo[3].foreColour, kActiveColour);
    EXPECT_EQ(s.w.lblInfo[3].toolTip, " 4 ");
}

TEST(CommandLineMemory, StoringEmptyResultGreysTheIndicator) {
    StartedWorkspace s(',');
    s.w.engine.ResultText = "12,5";
    s.enter("#mem");
    EXPECT_EQ(s.w.lblInfo[3].toolTip, " 12,5 ");
    s.w.engine.ResultText.clear();
    s.enter("#mem");
    EXPECT_EQ(s.w.lblInfo[3].foreColour, kGreyColour);
    EXPECT_EQ(s.w.lblInfo[3].toolTip, " Memory (F6-store / F7-recall) ");
}

TEST(CommandLineDisplay, FixWithThousandsSeparatorKeepsTwoPlaces) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.optNumber.select(2);
    w.chkTisuca.setChecked(true);
    w.optNumber.select(0);
    for (const char* line : {"#fix", "#fix 7"}) {
        SCOPED_TRACE(line);
        s.enter(line);
        EXPECT_EQ(w.DisplayMode, 2);
        EXPECT_EQ(w.DecimalDigits, "00");
        EXPECT_EQ(w.txtDecimala.text(), "2");
        EXPECT_EQ(w.vsbDecimala.value(), 2);
        EXPECT_FALSE(w.txtDecimala.enabled);
    }
}

TEST(CommandLineDisplay, FixFifteenWritesTwelveBackEverywhere) {
    StartedWorkspace s;
    s.enter("#fix 15");
    EXPECT_EQ(s.w.txtDecimala.text(), "12");
    EXPECT_EQ(s.w.vsbDecimala.value(), 12);
    EXPECT_EQ(s.w.DecimalPlaces, 12);
    EXPECT_EQ(s.w.lblInfo[2].foreColour, kActiveColour);
    EXPECT_EQ(s.w.lblInfo[0].foreColour, kGreyColour);
}

// An ordinary line through the engine, with the pair it records.
struct LineCase {
    const char* name;
    char separator;
    const char* typed;
    const char* historyInput;
    const char* historyResult;
};

class OrdinaryLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(OrdinaryLine, EchoesTheLineAndRecordsThePair) {
    const LineCase& c = GetParam();
    StartedWorkspace s(c.separator);
    const LineReport report = s.enter(c.typed);
    Workspace& w = s.w;

    EXPECT_FALSE(report.commandLine);
    EXPECT_EQ(report.historyInput, c.historyInput);
    EXPECT_EQ(report.historyResult, c.historyResult);
    EXPECT_EQ(entries(w.cmbLista), std::vector<std::string>{c.historyInput});
    EXPECT_EQ(entries(w.lstRezultat), std::vector<std::string>{c.historyResult});
    EXPECT_EQ(w.lblUnosFormule[0].caption, report.canonical);
    EXPECT_EQ(w.lblUnosFormule[0].toolTip, " " + report.arithmetic + " ");
    EXPECT_EQ(w.lblRezultat[0].caption, c.historyResult);
    EXPECT_EQ(w.engine.CalcKind, 0);
    EXPECT_FALSE(report.unknown.has_value());
    EXPECT_EQ(w.txtUnosFormule.text(), "");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OrdinaryLine,
    ::testing::Values(LineCase{"Product", '.', "2*3", "2*3", "6"},
                      LineCase{"BlanksAroundAreTrimmed", '.', "   2*3  ", "2*3", "6"},
                      LineCase{"MolecularWeightKeepsItsDecimals", '.', "H2O", "H2O", "18.0153"},
                      LineCase{"MolecularWeightWithComma", ',', "H2O", "H2O", "18,0153"},
                      LineCase{"DecimalComma", ',', "2,5*2", "2,5*2", "5"},
                      LineCase{"MessageIsRecordedAsResult", '.', "1/0", "1/0",
                               "Cannot divide by zero!"},
                      LineCase{"EmptyLineRecordsTwoEmptyTexts", '.', "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calculation, NewestPairIsAlwaysFirstAndThePreviousRowFollows) {
    StartedWorkspace s;
    s.enter("1+1");
    s.enter("2+2");
    s.enter("3+3");
    const Workspace& w = s.w;
    EXPECT_EQ(entries(w.cmbLista), (std::vector<std::string>{"3+3", "2+2", "1+1"}));
    EXPECT_EQ(entries(w.lstRezultat), (std::vector<std::string>{"6", "4", "2"}));
    EXPECT_EQ(w.lblUnosFormule[1].caption, "2+2");
    EXPECT_EQ(w.lblUnosFormule[1].toolTip, " 2+2 ");
    EXPECT_EQ(w.lblRezultat[1].caption, "4");
    EXPECT_EQ(w.engine.AnsText, "4");
}

TEST(Calculation, CarriageReturnRunsTheCommandOtherKeysDoNot) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("2*3");
    s.w.txtUnosFormule_KeyPress('a');
    EXPECT_TRUE(s.w.cmbLista.items.empty());
    s.w.txtUnosFormule_KeyPress(13);
    EXPECT_EQ(entries(s.w.lstRezultat), std::vector<std::string>{"6"});
}

TEST(Calculation, StatisticsTableAndOneLineHistory) {
    StartedWorkspace s;
    const LineReport report = s.enter(":sum(1+2+3+4)");
    const Workspace& w = s.w;
    EXPECT_EQ(report.kind, 1);
    EXPECT_EQ(w.engine.CalcKind, -1);
    EXPECT_EQ(w.lblOznaka[1].caption, "n = 4");
    EXPECT_EQ(w.lblOznaka[2].caption, "s =");
    EXPECT_EQ(w.lblOznaka[3].caption, "Mean =");
    EXPECT_EQ(w.lblRezultat[1].caption, "10");
    EXPECT_EQ(w.lblRezultat[2].caption, "1.29099444873581");
    EXPECT_EQ(w.lblRezultat[0].caption, "2.5");
    EXPECT_EQ(entries(w.cmbLista), std::vector<std::string>{":sum(1+2+3+4)"});
    EXPECT_EQ(entries(w.lstRezultat),
              std::vector<std::string>{"10; n = 4; s = 1.29099444873581; Mean = 2.5"});
    // Row 1 echoes the statistics line; row 3 belongs to the deviation.
    EXPECT_EQ(w.lblUnosFormule[1].caption, ":sum(1+2+3+4)");
    EXPECT_EQ(w.lblUnosFormule[0].caption, "");
    EXPECT_EQ(w.engine.AnsText, "10");
    EXPECT_EQ(w.engine.ResultText, "2.5");
    EXPECT_TRUE(w.engine.ExpandedLine.empty());
}

TEST(Calculation, LineAfterTableClearsItAndKeepsTheTableAsPrevious) {
    StartedWorkspace s;
    s.enter(":sum(1+2+3+4)");
    const LineReport report = s.enter(":ans+1");
    const Workspace& w = s.w;
    EXPECT_EQ(report.result, "11");
    EXPECT_EQ(w.engine.CalcKind, 0);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(w.lblOznaka[row].caption, "") << row;
    }
    EXPECT_EQ(w.lblRezultat[2].caption, "");
    EXPECT_EQ(w.lblUnosFormule[1].caption, ":sum(1+2+3+4)");
    EXPECT_EQ(w.lblRezultat[1].caption, "10");
    EXPECT_EQ(w.lblRezultat[0].caption, "11");
}

TEST(Calculation, SquareEquationHistoryNamesBothRoots) {
    StartedWorkspace s;
    const LineReport report = s.enter("x^2-3x+2");
    const Workspace& w = s.w;
    EXPECT_EQ(report.kind, 2);
    EXPECT_EQ(w.engine.CalcKind, -2);
    EXPECT_EQ(w.lblOznaka[1].caption, "x1 =");
    EXPECT_EQ(w.lblOznaka[2].caption, "");
    EXPECT_EQ(w.lblOznaka[3].caption, "x2 =");
    EXPECT_EQ(w.lblRezultat[1].caption, "2");
    EXPECT_EQ(w.lblRezultat[0].caption, "1");
    ASSERT_EQ(w.lstRezultat.items.size(), 1u);
    EXPECT_EQ(w.lstRezultat.items[0], "x1 = 2; x2 = 1");
    EXPECT_EQ(w.cmbLista.items[0], w.lblUnosFormule[1].caption);

    s.enter("1+1");
    EXPECT_EQ(w.lblOznaka[1].caption, "");
    EXPECT_EQ(w.lblOznaka[3].caption, "");
    EXPECT_EQ(w.lblRezultat[1].caption, "2") << ":ans is x1 after the roots";
}

TEST(Calculation, SquareEquationHistoryUsesTheDisplayFormat) {
    StartedWorkspace s;
    s.enter("#fix 1");
    s.enter("x^2-3x+2");
    EXPECT_EQ(s.w.lstRezultat.items[0], "x1 = 2.0; x2 = 1.0");
}

// A line with a symbol that is no element: the canonical line comes back with it selected.
struct UnknownCase {
    const char* name;
    const char* typed;
    const char* symbol;
};

class UnknownSymbol : public ::testing::TestWithParam<UnknownCase> {};

TEST_P(UnknownSymbol, RefillsTheLineWithTheSymbolSelected) {
    const UnknownCase& c = GetParam();
    StartedWorkspace s;
    const LineReport report = s.enter(c.typed);
    const Workspace& w = s.w;
    const std::string message = std::string(c.symbol) + " isn't element symbol!";
    ASSERT_TRUE(report.unknown.has_value());
    EXPECT_EQ(*report.unknown, c.symbol);
    EXPECT_FALSE(w.engine.UnknownSymbolFlag);
    EXPECT_EQ(w.engine.ResultText, message);
    EXPECT_EQ(w.lblRezultat[0].caption, message);
    EXPECT_EQ(entries(w.lstRezultat), std::vector<std::string>{message});
    EXPECT_EQ(w.txtUnosFormule.text(), report.canonical);
    EXPECT_EQ(w.txtUnosFormule.selectedText(), c.symbol);
    const std::size_t first = report.canonical.find(c.symbol);
    EXPECT_EQ(w.txtUnosFormule.selStart(), static_cast<int>(first));
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);

    const LineReport next = s.enter("1+1");
    EXPECT_FALSE(next.unknown.has_value()) << "the flag belongs to one line only";
}

INSTANTIATE_TEST_SUITE_P(Symbols, UnknownSymbol,
                         ::testing::Values(UnknownCase{"Alone", "Q", "Q"},
                                           UnknownCase{"AfterAFormula", "H2O+Q", "Q"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan
