#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// A line with its selection, one key click (Inv ticked or not), the line and caret after it.
struct KeyCase {
    const char* name;
    const char* line;
    int selStart, selLength;
    bool inverse;
    bool separators;
    int key;
    const char* expected;
    int caret;
};

const KeyCase kKeys[] = {
    {"DigitAtCaret", "12", 1, 0, false, true, 7, "172", 2},
    {"DigitReplacesSelection", "123", 1, 1, false, true, 0, "103", 2},
    {"ExponentInsertsE", "2", 1, 0, false, true, 11, "2E", 2},
    {"MultiplicationInsertsStar", "2", 1, 0, false, true, 15, "2*", 2},
    {"DivisionPicture", "2", 1, 0, false, true, 14, "2/", 2},
    {"PowerPlain", "8", 1, 0, false, true, 16, "8^", 2},
    {"RootAtEndLeavesCaretBeforeBracket", "8", 1, 0, true, true, 16, "8^(1/)", 5},
    {"RootMidLineCaretBeforeLastCharacter", "8+1", 1, 0, true, true, 16, "8^(1/)+1", 7},
    {"SineWithSeparator", "", 0, 0, false, true, 27, ":sin", 4},
    {"SineWithoutSeparator", "", 0, 0, false, false, 27, "sin", 3},
    {"InverseSine", "", 0, 0, true, true, 27, ":asin", 5},
    {"InverseLogWithoutSeparator", "", 0, 0, true, false, 32, "alog", 4},
    {"InverseDoesNotChangeAbs", "", 0, 0, true, true, 24, ":abs", 4},
    {"PiAlwaysWithColon", "2*", 2, 0, false, false, 33, "2*:pi", 5},
    {"SquareEquationText", "", 0, 0, false, true, 21, "x^2 + x", 7},
    {"EncloseSelection", "2+3*4", 0, 3, false, true, 18, "(2+3)*4", 5},
    {"EncloseWholeLine", "2+3", 1, 0, false, true, 18, "(2+3)", 5},
    {"BackspaceBeforeCaret", "123", 2, 0, false, true, 37, "13", 1},
    {"BackspaceSelection", "123", 1, 2, false, true, 37, "1", 1},
    {"BackspaceAtStartNothing", "123", 0, 0, false, true, 37, "123", 0},
    {"ClearEmptiesLine", "123", 1, 0, false, true, 38, "", 0},
    {"AllClearKeepsLineAndSelection", "123", 0, 2, true, true, 38, "123", 0},
};

class KeypadKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeypadKeys, EditTheLineAndClearInverse) {
    const KeyCase& c = GetParam();
    StartedWorkspace s;
    Keypad& keypad = s.model.keypad;
    if (!c.separators) {
        s.model.insertMenu.mnuSeparator.click();
    }
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    keypad.chkInverse.setChecked(c.inverse);
    keypad.cmdNum_Click(c.key);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), c.caret);
    EXPECT_FALSE(keypad.chkInverse.checked());
    EXPECT_EQ(keypad.cmdNum[27].caption, "sin");
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Clicks, KeypadKeys, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InverseBox, RelabelsItsKeysAndBack) {
    StartedWorkspace s;
    Keypad& keypad = s.model.keypad;
    const int keys[] = {27, 28, 29, 30, 31, 32, 36, 38};
    const char* inverse[] = {"asin", "acos", "atan", "acot", "aln", "alog", "M -", "AC"};
    const char* normal[] = {"sin", "cos", "tan", "cot", "ln", "log", "M+", "C"};
    keypad.chkInverse.setChecked(true);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        EXPECT_EQ(keypad.cmdNum[static_cast<std::size_t>(keys[i])].caption, inverse[i]);
    }
    keypad.chkInverse.setChecked(false);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        EXPECT_EQ(keypad.cmdNum[static_cast<std::size_t>(keys[i])].caption, normal[i]);
    }
}

// Memory keys after a result: what the memory holds and how the indicator shows it.
struct MemoryCase {
    const char* name;
    const char* result;                       // entered line, empty for none
    const char* later;                        // entered after the first click, empty for none
    std::vector<std::pair<int, bool>> clicks; // key, Inv ticked
    double memory;
    const char* toolTip;
    const char* line; // after the clicks
};

const MemoryCase kMemory[] = {
    {"StoreNumber", "2.5", "", {{34, false}}, 2.5, " 2.5 ", ""},
    {"StoreEmptyResultEmpties", "", "", {{34, false}}, 0.0, " Memory (F6-store / F7-recall) ", ""},
    {"StoreMessageKeeps", "2", "1/0", {{34, false}, {34, false}}, 2.0, " 2 ", ""},
    {"PlusTwiceThenRecall", "2", "", {{36, false}, {36, false}, {35, false}}, 4.0, " 4 ", "4"},
    {"MinusSubtracts",
     "2",
     "",
     {{34, false}, {34, false}, {36, true}, {36, true}},
     -2.0,
     " -2 ",
     ""},
    {"RecallEmptyInsertsNothing",
     "",
     "",
     {{35, false}},
     0.0,
     " Memory (F6-store / F7-recall) ",
     ""},
    {"AllClearEmpties", "3", "", {{34, false}, {38, true}}, 0.0, " 3 ", ""},
};

class KeypadMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(KeypadMemory, StoreAddRecallClear) {
    const MemoryCase& c = GetParam();
    StartedWorkspace s;
    if (*c.result != '\0') {
        s.enter(c.result);
    }
    for (std::size_t i = 0; i < c.clicks.size(); ++i) {
        if (i == 1 && *c.later != '\0') {
            s.enter(c.later);
        }
        s.model.keypad.chkInverse.setChecked(c.clicks[i].second);
        s.model.keypad.cmdNum_Click(c.clicks[i].first);
    }
    EXPECT_DOUBLE_EQ(s.w.engine.MemoryValue, c.memory);
    EXPECT_EQ(s.w.lblInfo[3].foreColour, c.memory != 0.0 ? kActiveColour : kGreyColour);
    EXPECT_EQ(s.w.lblInfo[3].toolTip, c.toolTip);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.line);
}

INSTANTIATE_TEST_SUITE_P(Memory, KeypadMemory, ::testing::ValuesIn(kMemory),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AllClear, EmptiesTheDataSeries) {
    StartedWorkspace s;
    s.enter(":dat(5)");
    ASSERT_EQ(s.w.engine.DataCount, 1);
    s.model.keypad.chkInverse.setChecked(true);
    s.model.keypad.cmdNum_Click(38);
    EXPECT_EQ(s.w.engine.DataCount, 0);
    EXPECT_EQ(s.w.engine.DataValues.size(), 1u);
}

TEST(RightButton, OpensTheInsertMenuOnlyForTheRightButton) {
    StartedWorkspace s;
    s.model.keypad.cmdNum_MouseUp(7, 1);
    EXPECT_TRUE(s.services.popupMenus.empty());
    s.model.keypad.cmdNum_MouseUp(7, 2);
    EXPECT_EQ(s.services.popupMenus, std::vector<std::string>{"&Insert"});
}

} // namespace
} // namespace zolvan
