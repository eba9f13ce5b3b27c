// Keys on the input line and in the window: powers and roots, function keys, memory keys, and
// Up and Down through the history.

#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

namespace zolvan::testing {
namespace {

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

// With a decimal comma, the current result is stored into a memory holding `prior` (F6, or a
// click on the MEM label whose tooltip reads " kept "), then recalled (F7, or the label again)
// into the input line "2*".
struct MemoryCase {
    const char* name;
    bool label;
    const char* result;
    double prior, memory;
    const char* toolTip;
    const char* line;
};

const MemoryCase kMemory[] = {
    {"KeyStoresNumber", false, "2,5", 3, 2.5, " 2,5 ", "2*2,5"},
    {"KeyKeepsMemoryOnMessage", false, "Root of a negative number!", 3, 3, " 3 ", "2*3"},
    {"KeyEmptiesOnEmptyResult", false, "", 3, 0, " Memory (F6-store / F7-recall) ", "2*"},
    {"LabelStoresNumber", true, "-12,5", 0, -12.5, " -12,5 ", "2*-12,5"},
    {"LabelIgnoresMessage", true, "Cannot divide by zero!", 0, 0, " kept ", "2*"},
    {"LabelRecallsInsteadOfStoring", true, "5", 3, 3, " 3 ", "2*33"},
};

class MemoryStore : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryStore, TakesOnlyNumbersThenRecalls) {
    const MemoryCase& c = GetParam();
    StartedWorkspace s(',');
    Workspace& w = s.w;
    w.engine.ResultText = c.result;
    w.engine.MemoryValue = c.prior;
    w.lblInfo[3].toolTip = " kept ";
    w.txtUnosFormule.setText("2*");
    w.txtUnosFormule.select(2, 0);
    w.focus = FocusTarget::None;
    const auto press = [&](int key) { c.label ? w.lblInfo_Click(3) : w.Form_KeyDown(key, 0); };
    press(117);
    EXPECT_DOUBLE_EQ(w.engine.MemoryValue, c.memory);
    EXPECT_EQ(w.lblInfo[3].foreColour, c.memory != 0 ? kActiveColour : kGreyColour);
    EXPECT_EQ(w.lblInfo[3].toolTip, c.toolTip);
    press(118);
    EXPECT_EQ(w.txtUnosFormule.text(), c.line);
    EXPECT_EQ(w.focus, c.label ? FocusTarget::txtUnosFormule : FocusTarget::None);
}

INSTANTIATE_TEST_SUITE_P(Memory, MemoryStore, ::testing::ValuesIn(kMemory),
                         [](const auto& info) { return std::string(info.param.name); });

// Keys in the input line: Up ('U') and Down ('D') through the history, Enter ('E'); 'X' empties
// the history.
struct BrowseCase {
    const char* keys;
    const char* line; // the input line afterwards
};

class HistoryKeys : public ::testing::TestWithParam<BrowseCase> {};

// History, newest first: 33, 22, 11; the user has typed "4+" before pressing any key.
TEST_P(HistoryKeys, StepThroughEarlierLinesAndBackToTheDraft) {
    StartedWorkspace s;
    for (const char* line : {"11", "22", "33"}) {
        s.enter(line);
    }
    s.w.txtUnosFormule.setText("4+");
    s.w.txtUnosFormule.select(2, 0);
    for (char key : std::string_view(GetParam().keys)) {
        if (key == 'E') {
            s.w.convertChem2Text();
        } else if (key == 'X') {
            s.w.cmbLista.clear();
            s.w.lstRezultat.clear();
        } else {
            s.w.browseHistory(key == 'U' ? HistoryBrowser::Step::Older
                                         : HistoryBrowser::Step::Newer);
        }
    }
    EXPECT_EQ(s.w.txtUnosFormule.text(), GetParam().line);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), static_cast<int>(s.w.txtUnosFormule.text().size()))
        << "the caret ends after the line, ready to go on typing";
}

// Up stops at the oldest line, Down at what was typed; after a new line Up starts from the newest
// again; an emptied history leaves the line alone.
const BrowseCase kBrowse[] = {{"U", "33"},   {"UU", "22"},     {"UUU", "11"},     {"UUUUU", "11"},
                              {"UUD", "33"}, {"UD", "4+"},     {"UUUDDDD", "4+"}, {"D", "4+"},
                              {"DDU", "33"}, {"UUUEUU", "33"}, {"UXUD", "33"}};

INSTANTIATE_TEST_SUITE_P(Table, HistoryKeys, ::testing::ValuesIn(kBrowse),
                         [](const auto& info) { return std::string(info.param.keys); });

} // namespace
} // namespace zolvan::testing
