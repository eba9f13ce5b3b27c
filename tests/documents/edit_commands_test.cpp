#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

enum class Command { Cut, Copy, Paste, Delete, SelectAll };

// The input line "2+30" with a selection, after the calculation of 5*5 (displayed result 25), the
// clipboard holding "7": the line, selection and clipboard after the command.
struct EditCase {
    const char* name;
    Command command;
    int selStart, selLength;
    const char* line;
    int caret;
    int selectedAfter;
    std::optional<std::string> clipboard;
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
    EditCommands& edit = s.model.editCommands;
    switch (c.command) {
    case Command::Cut:
        edit.mnuCut_Click();
        break;
    case Command::Copy:
        edit.mnuCopy_Click();
        break;
    case Command::Paste:
        edit.mnuPaste_Click();
        break;
    case Command::Delete:
        edit.mnuDelete_Click();
        break;
    case Command::SelectAll:
        edit.mnuSelect_Click();
        break;
    }
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.line);
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), c.caret);
    EXPECT_EQ(s.w.txtUnosFormule.selLength(), c.selectedAfter);
    EXPECT_EQ(s.services.clipboard, c.clipboard);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EditCommand,
    ::testing::Values(EditCase{"CutSelection", Command::Cut, 1, 2, "20", 1, 0, "+3"},
                      EditCase{"CutWholeLine", Command::Cut, 2, 0, "", 0, 0, "2+30"},
                      EditCase{"CopySelection", Command::Copy, 2, 2, "2+30", 2, 2, "30"},
                      EditCase{"CopyDisplayedResult", Command::Copy, 4, 0, "2+30", 4, 0, "25"},
                      EditCase{"PasteAtCaret", Command::Paste, 1, 0, "27+30", 2, 0, "7"},
                      EditCase{"PasteOverSelection", Command::Paste, 0, 3, "70", 1, 0, "7"},
                      EditCase{"DeleteSelection", Command::Delete, 0, 2, "30", 0, 0, "7"},
                      EditCase{"DeleteWholeLine", Command::Delete, 3, 0, "", 0, 0, "7"},
                      EditCase{"SelectAll", Command::SelectAll, 3, 0, "2+30", 0, 4, "7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditCommand, PasteOfAnEmptyClipboardRemovesTheSelection) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("abc");
    s.w.txtUnosFormule.select(1, 1);
    s.model.editCommands.mnuPaste_Click();
    EXPECT_EQ(s.w.txtUnosFormule.text(), "ac");
}

TEST(EditCommand, CopyAfterClearDisplayCopiesAnEmptyText) {
    StartedWorkspace s;
    s.enter("1+1");
    s.enter(":sum(1+2+3+4)");
    s.model.editCommands.mnuClear_Click();
    for (const Label& label : s.w.lblRezultat) {
        EXPECT_EQ(label.caption, "");
    }
    for (const Label& label : s.w.lblUnosFormule) {
        EXPECT_EQ(label.caption, "");
    }
    EXPECT_EQ(s.w.lblOznaka[1].caption + s.w.lblOznaka[2].caption + s.w.lblOznaka[3].caption, "");
    // The workspace texts and the history stay.
    EXPECT_EQ(s.w.engine.ResultText, "2.5");
    EXPECT_EQ(s.w.cmbLista.items.size(), 2u);
    s.model.editCommands.mnuCopy_Click();
    EXPECT_EQ(s.services.clipboard, "");
}

} // namespace
} // namespace zolvan
