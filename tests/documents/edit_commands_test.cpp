#include "tests/panels/panel_test.h"

#include <optional>

namespace zolvan::testing {
namespace {

using E = EditCommands;

// The input line "2+30" with a selection, after the calculation of 5*5 (displayed result 25), the
// clipboard holding "7": the line, selection and clipboard after the command.
struct EditCase {
    std::string name;
    void (E::*command)();
    int selStart, selLength;
    std::string line;
    int caret, selectedAfter;
    std::optional<std::string> clipboard;
};

const EditCase kEdits[] = {
    {"CutSelection", &E::mnuCut_Click, 1, 2, "20", 1, 0, "+3"},
    {"CutWholeLine", &E::mnuCut_Click, 2, 0, "", 0, 0, "2+30"},
    {"CopySelection", &E::mnuCopy_Click, 2, 2, "2+30", 2, 2, "30"},
    {"CopyDisplayedResult", &E::mnuCopy_Click, 4, 0, "2+30", 4, 0, "25"},
    {"PasteOverSelection", &E::mnuPaste_Click, 0, 3, "70", 1, 0, "7"},
    {"DeleteSelection", &E::mnuDelete_Click, 0, 2, "30", 0, 0, "7"},
    {"DeleteWholeLine", &E::mnuDelete_Click, 3, 0, "", 0, 0, "7"},
    {"SelectAll", &E::mnuSelect_Click, 3, 0, "2+30", 0, 4, "7"},
};

class EditCommand : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditCommand, WorksOnTheInputLineAndTheClipboard) {
    const EditCase& c = GetParam();
    StartedWorkspace s;
    s.enter("5*5");
    s.services.clipboard = "7";
    s.w.txtUnosFormule.setText("2+30");
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    s.w.focus = FocusTarget::None;
    (s.model.editCommands.*c.command)();
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.line);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), c.caret);
    EXPECT_EQ(s.w.txtUnosFormule.selLength(), c.selectedAfter);
    EXPECT_EQ(s.services.clipboard, c.clipboard);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Commands, EditCommand, ::testing::ValuesIn(kEdits), rowName);

// Pasting into the input line holding `typed` (caret at its end): one line is inserted, several
// are calculated in turn with the busy panel shown (empty ones skipped, the first joining the
// typed text). The history afterwards, newest first, as "input | result", and the line left.
struct PasteCase {
    std::string name, typed, clipboard, history, line;
    int pumps;
};

const PasteCase kPastes[] = {
    {"TwoLines", "", "1+1\n2+2", "2+2 | 4, 1+1 | 2", "", 2},
    {"ThreeLinesWithEmptyOnes", "", "1+1\r\n\r\n2+2\r\n3+3\r\n", "3+3 | 6, 2+2 | 4, 1+1 | 2", "",
     3},
    {"FirstLineJoinsTheTypedText", "2*", "3\n4", "4 | 4, 2*3 | 6", "", 2},
    {"LastLineWithUnknownSymbolStays", "", "1\nH2Q", "H2Q | Q isn't element symbol!, 1 | 1", "H2Q",
     2},
    {"OneLineWithItsEndIsInserted", "2*", "3\r\n", "", "2*3", 0},
    {"OneLineIsInserted", "", "1+1", "", "1+1", 0},
};

class PasteLines : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteLines, CalculatesSeveralLinesInTurn) {
    const PasteCase& c = GetParam();
    StartedWorkspace s;
    s.services.clipboard = c.clipboard;
    s.w.txtUnosFormule.setText(c.typed);
    s.w.txtUnosFormule.select(static_cast<int>(c.typed.size()), 0);
    int pumps = 0;
    s.services.onEvents = [&](int) {
        ++pumps;
        EXPECT_TRUE(s.model.taskLists.fraWait.visible);
    };
    s.model.editCommands.mnuPaste_Click();
    EXPECT_EQ(rows(s.w), c.history);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.line);
    EXPECT_EQ(pumps, c.pumps);
    EXPECT_FALSE(s.model.taskLists.fraWait.visible);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, PasteLines, ::testing::ValuesIn(kPastes), rowName);

// Clear display empties the rows shown but keeps the workspace texts and the history.
TEST(EditCommand, CopyAfterClearDisplayCopiesAnEmptyText) {
    StartedWorkspace s;
    s.enter("1+1");
    s.enter(":sum(1+2+3+4)");
    s.model.editCommands.mnuClear_Click();
    EXPECT_EQ(captions(s.w.lblRezultat) + captions(s.w.lblUnosFormule) + captions(s.w.lblOznaka),
              "|||||||||"); // 3 + 2 + 4 labels, all empty
    EXPECT_EQ(s.w.engine.ResultText, "2.5");
    EXPECT_EQ(s.w.cmbLista.items().size(), 2u);
    s.model.editCommands.mnuCopy_Click();
    EXPECT_EQ(s.services.clipboard, "");
}

} // namespace
} // namespace zolvan::testing
