#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

namespace zolvan::testing {
namespace {

// A "#" line typed after a given result and settings, with the settings it leaves behind.
// Plain cases (#mem after 12.5, #MEM+, #mem-, #sci 3, #auto deg, #grad, #rad) run in the golden
// sessions, the limits of the decimals box in the number-settings tests.
struct CommandCase {
    const char* name;
    char separator;
    const char* priorResult;
    double priorMemory;
    int priorMode, priorAngle;
    const char* line;
    double memory;
    const char* historyResult;
    int mode;
    const char* digits;
    int angle;
};

const CommandCase kCommands[] = {
    {"MemWithComma", ',', "12,5", 0, 0, 0, "#mem", 12.5, "12,5", 0, "00", 0},
    {"MemKeepsMemoryOnMessage", '.', "Syntax error!", 7, 0, 0, "#mem", 7, "7", 0, "00", 0},
    {"MemEmptiesOnEmptyResult", '.', "", 7, 0, 0, "#mem", 0, "0", 0, "00", 0},
    {"MemPlusOnEmptyResultKeeps", '.', "", 7, 0, 0, "#mem+", 7, "7", 0, "00", 0},
    {"MemSkipsSettingWords", '.', "4", 0, 0, 0, "#mem fix 5 grad", 4, "4", 0, "00", 0},
    {"AutoWinsOverSci", '.', "", 0, 2, 0, "#sci auto", 0, "", 0, "00", 0},
    {"FixAloneGivesNoPlaces", '.', "", 0, 0, 0, "#fix", 0, "", 2, "", 0},
    {"FixCommaHalfRoundsToEven", ',', "", 0, 0, 0, "#fix 2,5", 0, "", 2, "00", 0},
    {"FixBeyondDoubleRange", '.', "", 0, 0, 0, "#fix 1e999", 0, "", 2, "000000000000", 0},
    {"FixNegativeKeepsPlaces", '.', "", 0, 0, 0, "#fix -3", 0, "", 2, "00", 0},
    {"SciGradNoNumber", '.', "", 0, 0, 0, "#sci grad", 0, "", 1, "", 2},
    {"WordsAreSubstringsInAnyCase", '.', "", 0, 0, 0, "#xDEGx", 0, "", 0, "00", 1},
    {"HashAloneChangesNothing", '.', "9", 0, 1, 1, "#", 0, "", 1, "00", 1},
};

class CommandLine : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLine, ChangesOnlyItsSettingAndRecordsOnePair) {
    const CommandCase& c = GetParam();
    StartedWorkspace s(c.separator);
    Workspace& w = s.w;
    w.numberSettings.optNumber.select(c.priorMode);
    w.numberSettings.optRadDeg.select(c.priorAngle);
    w.engine.ResultText = c.priorResult;
    w.engine.MemoryValue = c.priorMemory;
    w.applyMemoryIndicator();

    s.enter(std::string("  ") + c.line + " ");
    EXPECT_DOUBLE_EQ(w.engine.MemoryValue, c.memory);
    EXPECT_EQ(w.lblInfo[3].foreColour, c.memory != 0 ? kActiveColour : kGreyColour);
    EXPECT_EQ(w.lblInfo[3].toolTip, c.memory != 0 ? " " + std::string(c.historyResult) + " "
                                                  : " Memory (F6-store / F7-recall) ");
    EXPECT_EQ(w.DisplayMode, c.mode);
    EXPECT_EQ(w.DecimalDigits, c.digits);
    EXPECT_EQ(w.engine.AngleUnit, c.angle);
    EXPECT_EQ(entries(w.cmbLista), std::vector<std::string>{c.line});
    EXPECT_EQ(entries(w.lstRezultat), std::vector<std::string>{c.historyResult});
    EXPECT_EQ(w.engine.ResultText, c.priorResult) << "a command line leaves the results alone";
    EXPECT_EQ(w.txtUnosFormule.text(), "");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLine, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calculation, TrimsEchoesAndRecordsNewestPairFirst) {
    StartedWorkspace s;
    s.enter("");
    s.enter("  1+1 ");
    s.w.txtUnosFormule.setText("2+2");
    s.w.txtUnosFormule_KeyPress('a'); // only a carriage return calculates
    s.w.txtUnosFormule_KeyPress(13);
    EXPECT_EQ(entries(s.w.cmbLista), (std::vector<std::string>{"2+2", "1+1", ""}));
    EXPECT_EQ(entries(s.w.lstRezultat), (std::vector<std::string>{"4", "2", ""}));
    EXPECT_EQ(s.w.lblUnosFormule[1].toolTip, " 1+1 ");
    EXPECT_EQ(captions(s.w.lblUnosFormule) + captions(s.w.lblRezultat), "2+2|1+1|4|2||");
}

// Rows: designations 1-4, values (4, 2, 3), echoes (3, 1).
TEST(Calculation, StatisticsTableThenBackToOrdinaryRows) {
    StartedWorkspace s;
    const Workspace& w = s.w;
    s.enter(":sum(1+2+3+4)");
    EXPECT_EQ(captions(w.lblOznaka) + captions(w.lblRezultat) + captions(w.lblUnosFormule),
              "|n = 4|s =|Mean =|2.5|10|1.29099444873581||:sum(1+2+3+4)|")
        << "row 3 belongs to the deviation";
    EXPECT_EQ(entries(w.lstRezultat),
              std::vector<std::string>{"10; n = 4; s = 1.29099444873581; Mean = 2.5"});

    EXPECT_EQ(s.enter(":ans+1").result, "11");
    EXPECT_EQ(captions(w.lblOznaka) + captions(w.lblRezultat) + captions(w.lblUnosFormule),
              "||||11|10||:ans+1|:sum(1+2+3+4)|");
}

TEST(Calculation, SquareEquationRowsAndHistoryInTheDisplayFormat) {
    StartedWorkspace s;
    const Workspace& w = s.w;
    s.enter("#fix 1");
    s.enter("x^2-3x+2");
    EXPECT_EQ(captions(w.lblOznaka) + captions(w.lblRezultat), "|x1 =||x2 =|1.0|2.0||");
    EXPECT_EQ(w.lstRezultat.items()[0], "x1 = 2.0; x2 = 1.0");

    s.enter("1+1");
    EXPECT_EQ(captions(w.lblOznaka) + captions(w.lblRezultat), "||||2.0|2.0||")
        << ":ans is x1 after the roots";
}

TEST(Calculation, UnknownSymbolRefillsTheLineWithTheSymbolSelected) {
    StartedWorkspace s;
    const Workspace& w = s.w;
    EXPECT_EQ(s.enter("H2O+Q").unknown, "Q");
    EXPECT_EQ(w.lblRezultat[0].caption, "Q isn't element symbol!");
    EXPECT_EQ(entries(w.lstRezultat), std::vector<std::string>{"Q isn't element symbol!"});
    EXPECT_EQ(w.txtUnosFormule.text(), "(H2O)+(Q)");
    EXPECT_EQ(w.txtUnosFormule.selStart(), 7);
    EXPECT_EQ(w.txtUnosFormule.selectedText(), "Q");
    EXPECT_FALSE(s.enter("1+1").unknown.has_value()) << "the flag belongs to one line only";
}

// A line after a line whose result was a fault text: the fault comes in through :ans as text, so
// the arithmetic evaluator must still judge the new line; only a fault of the expansion itself
// stands as the result.
struct AfterFaultCase {
    const char* name;
    std::string prior;
    const char* line;
    const char* result;
};

const AfterFaultCase kAfterFault[] = {
    {"OpenBracketIsJudgedByTheEvaluator", "9^999^9", "ans[", "Missing right bracket ')' !"},
    {"ProductIsJudgedByTheEvaluator", "9^999^9", "ans*2", "Error: Not a number"},
    {"NumberAfterFaultIsOrdinary", "9^999^9", "2*3", "6"},
    {"ExpansionFaultStands", "1+1", "", "Error: Count out of range"},
};

class AfterFault : public ::testing::TestWithParam<AfterFaultCase> {};

TEST_P(AfterFault, TheEvaluatorJudgesTheLine) {
    const AfterFaultCase& c = GetParam();
    StartedWorkspace s;
    s.enter(c.prior);
    std::string line = c.line;
    if (line.empty()) { // 6,000 terms of formula: the expansion outgrows its counters
        line = "HO";
        for (int i = 1; i < 6000; ++i) {
            line += "+HO";
        }
    }
    EXPECT_EQ(s.enter(line).result, c.result);
}

INSTANTIATE_TEST_SUITE_P(Lines, AfterFault, ::testing::ValuesIn(kAfterFault),
                         [](const auto& info) { return std::string(info.param.name); });

// What a line reports describes that line only, whatever the lines before it left in the engine.
struct ReportCase {
    const char* name;
    std::vector<std::string> before;
    const char* line;
    const char* result;
    const char* arithmetic;
    int kind;
    std::size_t rows;
    bool fault;
    bool composition;
};

const ReportCase kReports[] = {
    {"RootsAfterUnknownSymbol", {"H2Q"}, "x^2-3x+2", "", "", 2, 2, false, false},
    {"OrdinaryAfterRoots", {"x^2-3x+2"}, "co", "58.933200", "58.9332", 0, 0, false, true},
    {"StatisticsAfterFormula", {"H2O"}, "sum(1+2)", "", "", 1, 3, false, false},
    {"OrdinaryAfterStatistics", {"sum(1+2)"}, "2+3", "5", "2+3", 0, 0, false, false},
    {"UnknownSymbolIsTheResult", {"1+1"}, "H2Q", "Q isn't element symbol!", "", 0, 0, true, false},
    {"StatisticsMessage",
     {"H2O"},
     "sum(1*2)",
     "Only + sign differences data !",
     "",
     1,
     3,
     true,
     false},
    {"SyntaxFault", {}, "2+*", "Syntax error!", "2+*", 0, 0, true, false},
    {"SquareWithZeroA", {}, "0x^2+2x", "Error: Invalid operation", "", 2, 2, true, false},
};

class LineReportFields : public ::testing::TestWithParam<ReportCase> {};

TEST_P(LineReportFields, DescribeThisLineOnly) {
    const ReportCase& c = GetParam();
    StartedWorkspace s;
    for (const std::string& line : c.before) {
        s.enter(line);
    }
    const LineReport report = s.enter(c.line);
    EXPECT_EQ(report.result, c.result);
    EXPECT_EQ(report.arithmetic, c.arithmetic);
    EXPECT_EQ(report.kind, c.kind);
    EXPECT_EQ(report.rows.size(), c.rows);
    EXPECT_EQ(report.error.has_value(), c.fault);
    EXPECT_EQ(report.composed, c.composition);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineReportFields, ::testing::ValuesIn(kReports),
                         [](const auto& info) { return std::string(info.param.name); });

// A solution command answers on the display and in the history like a calculated line, with the
// molar mass of the last line that had a composition; the memory and settings stay.
TEST(SolutionCommand, AnswersAsTheLinesResultWithTheLastMolarMass) {
    StartedWorkspace s;
    const Workspace& w = s.w;
    EXPECT_EQ(s.enter("#weigh 0.1 M 250 mL").error, "No molar mass: calculate a formula first!");
    s.enter("nacl");
    s.enter("2+3"); // no composition: the molar mass stays NaCl's
    const LineReport report = s.enter("#weigh 0.1 M 250 mL");
    EXPECT_EQ(report.result, "1.461 g");
    EXPECT_FALSE(report.error.has_value());
    EXPECT_EQ(captions(w.lblUnosFormule) + captions(w.lblRezultat),
              "#weigh 0.1 M 250 mL|2+3|1.461 g|5||");
    EXPECT_EQ(entries(w.cmbLista).front(), "#weigh 0.1 M 250 mL");
    EXPECT_EQ(entries(w.lstRezultat).front(), "1.461 g");
    EXPECT_EQ(w.engine.MemoryValue, 0.0);
    EXPECT_EQ(w.DisplayMode, 0);
    EXPECT_EQ(w.lastComposition()->formula, "ClNa");
    EXPECT_EQ(w.composition(), nullptr);

    s.enter("x^2-3x+2"); // a table on show goes back to ordinary rows
    s.enter("#dilute 1 M 50 mM 250 mL");
    EXPECT_EQ(captions(w.lblOznaka) + captions(w.lblRezultat), "||||12.5 mL stock + 237.5 mL|2||");
}

} // namespace
} // namespace zolvan::testing

namespace zolvan::testing {
namespace {

// A hint never changes what the line leaves behind: the same line with hints turned off gives
// the same display, history and engine texts.
TEST(LineHints, ChangeNothingTheLineLeaves) {
    StartedWorkspace with, without;
    without.w.hintsEnabled = false;
    for (StartedWorkspace* s : {&with, &without}) {
        s->enter("2+2");
        s->enter("CuSO4*5H2O");
    }
    EXPECT_EQ(with.w.hints.size(), 1u);
    EXPECT_TRUE(without.w.hints.empty());
    EXPECT_EQ(captions(with.w.lblRezultat), captions(without.w.lblRezultat));
    EXPECT_EQ(captions(with.w.lblUnosFormule), captions(without.w.lblUnosFormule));
    EXPECT_EQ(entries(with.w.lstRezultat), entries(without.w.lstRezultat));
    EXPECT_EQ(entries(with.w.cmbLista), entries(without.w.cmbLista));
    EXPECT_EQ(with.w.engine.AnsText + with.w.engine.ResultText,
              without.w.engine.AnsText + without.w.engine.ResultText);
}

// What puts a hint away: the next line of any kind, New, Clear Display, a click on the hint.
struct HintEndCase {
    const char* name;
    void (*then)(StartedWorkspace&);
};

const HintEndCase kHintEnds[] = {
    {"NextLine", [](StartedWorkspace& s) { s.enter("H2O"); }},
    {"CommandLine", [](StartedWorkspace& s) { s.enter("#deg"); }},
    {"New", [](StartedWorkspace& s) { s.model.taskLists.mnuNew_Click(); }},
    {"ClearDisplay", [](StartedWorkspace& s) { s.model.editCommands.mnuClear_Click(); }},
    {"Click", [](StartedWorkspace& s) { s.w.dismissHints(); }},
};

class HintEnd : public ::testing::TestWithParam<HintEndCase> {};

TEST_P(HintEnd, PutsTheHintAway) {
    StartedWorkspace s;
    s.enter("co");
    ASSERT_EQ(s.w.hints.size(), 1u);
    GetParam().then(s);
    EXPECT_TRUE(s.w.hints.empty());
}

INSTANTIATE_TEST_SUITE_P(Actions, HintEnd, ::testing::ValuesIn(kHintEnds),
                         [](const auto& info) { return std::string(info.param.name); });

// zolvan-cli runs lines without a display and reuses one report: every line must report the same
// as the window's Enter, through settings changed by "#" commands, solvers, faults and hints.
TEST(CalculateCommandWithoutDisplay, ReportsEveryLineAsTheWindowDoes) {
    // Each "#" line follows a line whose fields it must not keep.
    constexpr std::array kLines{"H2SO4",
                                "#mem",
                                "2h2o+nacl",
                                "sum(2+4+6)",
                                "x^2-3x+2",
                                "Xq2",
                                "#weigh 0.1 M 250 mL",
                                "2+*",
                                "#sci 3",
                                "170!/3",
                                "CuSO4*5H2O",
                                "#fix 2",
                                "0x^2+2x",
                                "nacl",
                                "#auto",
                                "sum(1*2)",
                                "sin(30)^2",
                                "ans*2",
                                "ans"};
    StartedWorkspace window;
    StartedWorkspace tool;
    tool.w.displayShown = false;
    LineReport reused;
    for (const char* line : kLines) {
        const LineReport shown = window.enter(line);
        tool.w.txtUnosFormule.setText(line);
        tool.w.convertChem2Text(reused);
        EXPECT_EQ(reused, shown) << line;
        EXPECT_EQ(tool.w.lblRezultat[0].caption, window.w.lblRezultat[0].caption) << line;
    }
    EXPECT_EQ(tool.w.cmbLista.size(), 0U);
    EXPECT_EQ(window.w.cmbLista.size(), kLines.size());
}

} // namespace
} // namespace zolvan::testing
