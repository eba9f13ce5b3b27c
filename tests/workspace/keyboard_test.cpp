#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// A digit key with modifiers on the input line holding `text` with a selection.
struct PowerCase {
    const char* name;
    const char* text;
    int selStart;
    int selLength;
    int keyCode;
    int shift;
    const char* expected;
};

class PowerKeys : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerKeys, WritePowersAndRootsAtTheSelection) {
    const PowerCase& c = GetParam();
    StartedWorkspace s;
    s.w.txtUnosFormule.setText(c.text);
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    s.w.Form_KeyDown(c.keyCode, c.shift);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, PowerKeys,
    ::testing::Values(
        PowerCase{"CtrlSquaresBracketedSum", "3+4", 0, 3, '2', kCtrl, "(3+4)^2"},
        PowerCase{"ShiftCtrlCubeRootAtCaret", "27", 2, 0, '3', kShift | kCtrl, "27^(1/3)"},
        PowerCase{"AltIsRootToo", "27", 2, 0, '3', kAlt, "27^(1/3)"},
        PowerCase{"CtrlAltCountsAsRoot", "16", 2, 0, '4', kCtrl | kAlt, "16^(1/4)"},
        PowerCase{"ColonOfTokenIsAnOperator", ":sin(30)", 0, 8, '2', kCtrl, "(:sin(30))^2"},
        PowerCase{"MinusIsNoOperator", "-5", 0, 2, '2', kAlt, "-5^(1/2)"},
        PowerCase{"SelectionInsideLine", "1+2*3", 2, 3, '9', kCtrl, "1+(2*3)^9"},
        PowerCase{"PercentIsAnOperator", "5%200", 0, 5, '1', kCtrl, "(5%200)^1"},
        PowerCase{"CtrlZeroDoesNothing", "3+4", 0, 3, '0', kCtrl, "3+4"},
        PowerCase{"PlainDigitLeftToTheBox", "3+4", 0, 3, '2', 0, "3+4"},
        PowerCase{"ShiftDigitLeftToTheBox", "3+4", 0, 3, '2', kShift, "3+4"},
        PowerCase{"NumericKeypadDigitIgnored", "3", 1, 0, 98, kCtrl, "3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CycleKeys, F5AndF8ComeBackAfterThreePresses) {
    StartedWorkspace s;
    Workspace& w = s.w;
    const std::vector<int> expected{1, 2, 0};
    std::vector<int> modes, angles;
    for (int press = 0; press < 3; ++press) {
        w.Form_KeyDown(116, 0);
        modes.push_back(w.DisplayMode);
        w.Form_KeyDown(119, 0);
        angles.push_back(w.engine.AngleUnit);
    }
    EXPECT_EQ(modes, expected);
    EXPECT_EQ(angles, expected);
    EXPECT_EQ(w.lblInfo[0].foreColour, kActiveColour);
    EXPECT_EQ(w.lblInfo[4].foreColour, kActiveColour);
}

// F6 stores the current result text into the memory.
struct StoreCase {
    const char* name;
    char separator;
    const char* result;
    double memoryBefore;
    double memoryAfter;
    Rgb colour;
};

class StoreKey : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreKey, StoresNumbersEmptiesOnEmptyKeepsOnMessage) {
    const StoreCase& c = GetParam();
    StartedWorkspace s(c.separator);
    s.w.engine.ResultText = c.result;
    s.w.engine.MemoryValue = c.memoryBefore;
    s.w.Form_KeyDown(117, 0);
    EXPECT_DOUBLE_EQ(s.w.engine.MemoryValue, c.memoryAfter);
    EXPECT_EQ(s.w.lblInfo[3].foreColour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Results, StoreKey,
    ::testing::Values(StoreCase{"Number", '.', "12.5", 0, 12.5, kActiveColour},
                      StoreCase{"CommaNumber", ',', "2,5", 0, 2.5, kActiveColour},
                      StoreCase{"MessageKeepsMemory", '.', "Root of a negative number!", 3, 3,
                                kActiveColour},
                      StoreCase{"EmptyResultEmptiesMemory", '.', "", 3, 0, kGreyColour},
                      StoreCase{"ZeroResult", '.', "0", 3, 0, kGreyColour}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecallKey, InsertsOnlyAStoredValue) {
    StartedWorkspace s(',');
    Workspace& w = s.w;
    w.txtUnosFormule.setText("1+");
    w.txtUnosFormule.select(2, 0);
    w.Form_KeyDown(118, 0);
    EXPECT_EQ(w.txtUnosFormule.text(), "1+");
    w.engine.MemoryValue = 2.5;
    w.Form_KeyDown(118, 0);
    EXPECT_EQ(w.txtUnosFormule.text(), "1+2,5");
}

TEST(RowKeys, F2F3F4InsertTheirRows) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.lblUnosFormule[0].caption = "H2O";
    w.lblRezultat[1].caption = "18.0153";
    w.lblUnosFormule[1].caption = "NaCl";
    for (int key : {113, 114, 115}) {
        w.Form_KeyDown(key, 0);
    }
    EXPECT_EQ(w.txtUnosFormule.text(), "H2O18.0153NaCl");
}

TEST(RowKeys, EmptyRowsInsertNothingEvenOverASelection) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("2+3");
    s.w.txtUnosFormule.select(0, 3);
    for (int key : {113, 114, 115}) {
        s.w.Form_KeyDown(key, 0);
    }
    EXPECT_EQ(s.w.txtUnosFormule.text(), "2+3");
}

TEST(EscapeKey, EmptiesTheLineAndAsksABatchToStop) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("2+");
    s.w.Form_KeyDown(27, 0);
    EXPECT_TRUE(s.w.cancelRequested);
    EXPECT_EQ(s.w.txtUnosFormule.text(), "");
}

TEST(OtherKeys, HaveNoEffect) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.txtUnosFormule.setText("2+");
    w.txtUnosFormule.select(2, 0);
    w.lblUnosFormule[0].caption = "H2O";
    for (int key : {112, 120, 121, 122, 48, 96, 65, 13}) {
        for (int shift : {0, kCtrl, kAlt}) {
            w.Form_KeyDown(key, shift);
        }
    }
    EXPECT_EQ(w.txtUnosFormule.text(), "2+");
    EXPECT_EQ(w.DisplayMode, 0);
    EXPECT_EQ(w.engine.AngleUnit, 0);
    EXPECT_FALSE(w.cancelRequested);
    EXPECT_EQ(w.caption, "Korvid. Zolvan 1.8");
    EXPECT_TRUE(s.services.topmostCalls.empty());
}

TEST(CompactKey, F12TogglesTheDisplayOnlyMode) {
    StartedWorkspace s;
    s.w.Form_KeyDown(123, 0);
    EXPECT_EQ(s.w.windowHeight, 2080);
    EXPECT_FALSE(s.w.mnuView.visible);
    s.w.Form_KeyDown(123, 0);
    EXPECT_EQ(s.w.windowHeight, 5950);
    EXPECT_TRUE(s.w.mnuView.visible);
}

} // namespace
} // namespace zolvan
