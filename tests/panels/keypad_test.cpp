#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// A line with its selection, one key click (Inv ticked or not), the line and caret after it.
struct KeyCase {
    std::string name, line, expected;
    int selStart, selLength, key, caret;
    bool inverse = false, hideSeparators = false;
};

const KeyCase kKeys[] = {
    {"DigitReplacesSelection", "123", "103", 1, 1, 0, 2},
    {"RootAtEndLeavesCaretBeforeBracket", "8", "8^(1/)", 1, 0, 16, 5, true},
    {"RootMidLineCaretBeforeLastCharacter", "8+1", "8^(1/)+1", 1, 0, 16, 7, true},
    {"SineWithSeparator", "", ":sin", 0, 0, 27, 4},
    {"SineWithoutSeparator", "", "sin", 0, 0, 27, 3, false, true},
    {"InverseSine", "", ":asin", 0, 0, 27, 5, true},
    {"InverseDoesNotChangeAbs", "", ":abs", 0, 0, 24, 4, true},
    {"PiAlwaysWithColon", "2*", "2*:pi", 2, 0, 33, 5, false, true},
    {"EncloseSelection", "2+3*4", "(2+3)*4", 0, 3, 18, 5},
    {"EncloseWholeLine", "2+3", "(2+3)", 1, 0, 18, 5},
    {"BackspaceBeforeCaret", "123", "13", 2, 0, 37, 1},
    {"BackspaceSelection", "123", "1", 1, 2, 37, 1},
    {"BackspaceAtStartNothing", "123", "123", 0, 0, 37, 0},
    {"ClearEmptiesLine", "123", "", 1, 0, 38, 0},
    {"AllClearKeepsLineAndSelection", "123", "123", 0, 2, 38, 0, true},
};

class KeypadKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeypadKeys, EditTheLineAndClearInverse) {
    const KeyCase& c = GetParam();
    StartedWorkspace s;
    Keypad& keypad = s.model.keypad;
    if (c.hideSeparators) {
        s.model.insertMenu.mnuSeparator.click();
    }
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    keypad.chkInverse.setChecked(c.inverse);
    EXPECT_EQ(keypad.cmdNum[27].caption, c.inverse ? "asin" : "sin");
    keypad.cmdNum_Click(c.key);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), c.caret);
    EXPECT_FALSE(keypad.chkInverse.checked());
    EXPECT_EQ(keypad.cmdNum[27].caption, "sin");
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Clicks, KeypadKeys, ::testing::ValuesIn(kKeys), rowName);

// Memory keys after a result: S store, R recall, P plus, M minus and A all clear (both with Inv
// ticked). What a store takes from a message or an empty result is the F6 key's table.
struct MemoryCase {
    std::string name, result, keys;
    double memory;
    std::string toolTip, line;
};

const std::string kNoMemory = " Memory (F6-store / F7-recall) ";

const MemoryCase kMemory[] = {
    {"StoreNumber", "2.5", "S", 2.5, " 2.5 ", ""},
    {"PlusTwiceThenRecall", "2", "PPR", 4.0, " 4 ", "4"},
    {"MinusSubtracts", "2", "SSMM", -2.0, " -2 ", ""},
    {"RecallEmptyInsertsNothing", "", "R", 0.0, kNoMemory, ""},
    {"AllClearEmptiesMemoryAndData", ":dat(3)", "SA", 0.0, " 3 ", ""},
};

class KeypadMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(KeypadMemory, StoreAddRecallClear) {
    const MemoryCase& c = GetParam();
    StartedWorkspace s;
    if (!c.result.empty()) {
        s.enter(c.result);
    }
    const std::string_view keys = "SRPMA";
    const int codes[] = {34, 35, 36, 36, 38};
    for (const char key : c.keys) {
        s.model.keypad.chkInverse.setChecked(key == 'M' || key == 'A');
        s.model.keypad.cmdNum_Click(codes[keys.find(key)]);
    }
    EXPECT_DOUBLE_EQ(s.w.engine.MemoryValue, c.memory);
    EXPECT_EQ(s.w.lblInfo[3].foreColour, c.memory != 0.0 ? kActiveColour : kGreyColour);
    EXPECT_EQ(s.w.lblInfo[3].toolTip, c.toolTip);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.line);
    EXPECT_EQ(s.w.engine.DataCount, 0);
    EXPECT_EQ(s.w.engine.DataValues.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Memory, KeypadMemory, ::testing::ValuesIn(kMemory), rowName);

} // namespace
} // namespace zolvan::testing
