#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

// One key on the input line holding `text` with the selection (selStart, selLength). Row 2 of the
// display shows 18.0153, row 3 H2O, and row 1 is empty.
struct KeyCase {
    const char* name;
    const char* text;
    int selStart, selLength;
    int keyCode, shift;
    const char* expected;
};

const KeyCase kKeys[] = {
    {"CtrlSquaresBracketedSum", "3+4", 0, 3, '2', kCtrl, "(3+4)^2"},
    {"ShiftCtrlCubeRootAtCaret", "27", 2, 0, '3', kShift | kCtrl, "27^(1/3)"},
    {"CtrlAltCountsAsRoot", "16", 2, 0, '4', kCtrl | kAlt, "16^(1/4)"},
    {"ColonOfTokenIsAnOperator", ":sin(30)", 0, 8, '2', kCtrl, "(:sin(30))^2"},
    {"MinusIsNoOperator", "-5", 0, 2, '2', kAlt, "-5^(1/2)"},
    {"CtrlZeroDoesNothing", "3+4", 0, 3, '0', kCtrl, "3+4"},
    {"ShiftDigitLeftToTheBox", "3+4", 0, 3, '2', kShift, "3+4"},
    {"F2InsertsCurrentLine", "2*", 2, 0, 113, 0, "2*H2O"},
    {"F3ReplacesSelectionWithPreviousResult", "2*x", 2, 1, 114, 0, "2*18.0153"},
    {"F4EmptyRowKeepsSelection", "2+3", 0, 3, 115, 0, "2+3"},
    {"EscapeEmptiesTheLine", "2+", 2, 0, 27, 0, ""},
    {"OtherKeyHasNoEffect", "2+", 2, 0, 120, 0, "2+"},
};

class KeyOnTheInputLine : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyOnTheInputLine, WritesWhatTheKeyStandsFor) {
    const KeyCase& c = GetParam();
    StartedWorkspace s;
    Workspace& w = s.w;
    w.lblRezultat[1].caption = "18.0153";
    w.lblUnosFormule[0].caption = "H2O";
    w.txtUnosFormule.setText(c.text);
    w.txtUnosFormule.select(c.selStart, c.selLength);
    w.Form_KeyDown(c.keyCode, c.shift);
    EXPECT_EQ(w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(w.cancelRequested, c.keyCode == 27);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOnTheInputLine, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CycleKeys, F5AndF8ComeBackAfterThreePresses) {
    StartedWorkspace s;
    for (int expected : {1, 2, 0}) {
        s.w.Form_KeyDown(116, 0);
        s.w.Form_KeyDown(119, 0);
        EXPECT_EQ(s.w.DisplayMode, expected);
        EXPECT_EQ(s.w.engine.AngleUnit, expected);
    }
}

// F6 stores the current result over a memory of 3, then F7 recalls what is stored.
TEST(MemoryKeys, StoreNumbersEmptyOnEmptyKeepOnMessageThenRecall) {
    const struct {
        const char* result;
        double memory;
        const char* recalled;
    } rows[] = {{"2,5", 2.5, "2,5"}, {"Root of a negative number!", 3, "3"}, {"", 0, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.result);
        StartedWorkspace s(',');
        Workspace& w = s.w;
        w.engine.ResultText = row.result;
        w.engine.MemoryValue = 3;
        w.Form_KeyDown(117, 0);
        EXPECT_DOUBLE_EQ(w.engine.MemoryValue, row.memory);
        EXPECT_EQ(w.lblInfo[3].foreColour, row.memory != 0 ? kActiveColour : kGreyColour);
        w.Form_KeyDown(118, 0);
        EXPECT_EQ(w.txtUnosFormule.text(), row.recalled);
    }
}

} // namespace
} // namespace zolvan
