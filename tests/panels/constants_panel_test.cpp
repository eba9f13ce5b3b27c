#include "panels/constants_lists.h"
#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// A view, the line typed before, the list row picked (by Enter or a double-click) and the line
// afterwards. Outside the custom view a name row stands for the value row after it.
struct PickCase {
    std::string name, line, expected;
    int view, row;
    bool enter;
};

const PickCase kPicks[] = {
    {"MileNameGivesValue", "5*", "5* 1609.344", 1, 96, false},
    {"MileValueItself", "5*", "5* 1609.344", 1, 97, false},
    {"SeparatorInsertsNothing", "x", "x", 1, 22, false},
    {"LastUnit", "", " 0.001", 1, 212, false},
    {"AvogadroByEnter", "", " 6.0221367 E23", 2, 4, true},
    {"CustomViewTakesTheNameRow", "", "Prefiks - eksa (E)", 3, 0, false},
};

class ListPick : public ::testing::TestWithParam<PickCase> {};

TEST_P(ListPick, InsertsTheValueRow) {
    const PickCase& c = GetParam();
    StartedWorkspace s;
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.cmdConstant_Click(c.view);
    const int list = c.view == 3 ? 2 : c.view - 1;
    ListBox& box = panel.lstConstants[static_cast<std::size_t>(list)];
    ASSERT_TRUE(box.visible);
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(codePointCount(c.line), 0);
    box.listIndex = c.row;
    c.enter ? panel.lstConstants_KeyPress(list, 13) : panel.lstConstants_DblClick(list);
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Lists, ListPick, ::testing::ValuesIn(kPicks), rowName);

// Each view: the indicator, the list shown, the check marks; narrow windows are widened.
TEST(Views, MoveTheIndicatorShowOneListAndExpand) {
    const struct {
        int view, list; // list -1: the function panel
        TabIndicator indicator;
    } steps[] = {{1, 0, {890, 910}}, {2, 1, {1790, 910}}, {3, 2, {2690, 890}}, {0, -1, {15, 890}}};
    StartedWorkspace s;
    ConstantsPanel& panel = s.model.constantsPanel;
    for (const auto& step : steps) {
        panel.mnuConstants_Click(step.view);
        EXPECT_EQ(panel.fraOptMaska, step.indicator) << step.view;
        EXPECT_EQ(panel.picFunction.visible, step.list < 0) << step.view;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(panel.lstConstants[static_cast<std::size_t>(i)].visible, i == step.list);
            EXPECT_EQ(panel.mnuConstants[static_cast<std::size_t>(i)].checked, i == step.view);
        }
        EXPECT_TRUE(s.w.isExpanded);
    }
}

// The lines as the task files' reader decodes them (a UTF-8 mark dropped, a Windows-1252 line
// decoded), empty ones kept; no line after the last end.
TEST(ConstantsFile, LoadsIntoTheCustomViewNamedAfterTheFile) {
    StartedWorkspace s;
    s.services.dialogAnswers = {"/home/ana/data/lab.v2.con"};
    s.services.files["/home/ana/data/lab.v2.con"] = "\xEF\xBB\xBF 1.5\r\n\r\nT (\xB0)\r\n";
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.mnuConstants_Click(4);
    ASSERT_EQ(s.services.dialogCalls.size(), 1u);
    EXPECT_EQ(s.services.dialogCalls[0].filter, kConstantsFilter);
    EXPECT_EQ(s.services.dialogCalls[0].preselected, 3);
    EXPECT_EQ(entries(panel.lstConstants[3]), (std::vector<std::string>{" 1.5", "", "T (°)"}));
    EXPECT_EQ(panel.cmdConstant[3].caption, "lab");
    EXPECT_TRUE(panel.lstConstants[3].visible);
    EXPECT_TRUE(panel.mnuConstants[3].checked);
    EXPECT_FALSE(panel.mnuConstants[4].checked);
}

// Failures end on the third view: the prefixes before any file, the custom list after. A file
// that cannot be opened or read is reported and keeps the list and caption loaded before.
TEST(ConstantsFile, FailuresShowTheThirdViewAndKeepTheList) {
    StartedWorkspace s;
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.mnuConstants_Click(4); // cancelled
    EXPECT_TRUE(panel.lstConstants[2].visible);
    EXPECT_EQ(panel.cmdConstant[3].caption, "Prefix");

    s.services.dialogAnswers = {"/tmp/missing.con"};
    panel.mnuConstants_Click(4); // before any file: the prefixes stay
    EXPECT_TRUE(panel.lstConstants[2].visible);
    EXPECT_EQ(panel.customListLoaded, 0);

    s.services.dialogAnswers = {"/tmp/noextension"};
    s.services.files["/tmp/noextension"] = "7\n";
    panel.mnuConstants_Click(4); // no "." in the name: filled, caption kept
    EXPECT_EQ(entries(panel.lstConstants[3]), std::vector<std::string>{"7"});
    EXPECT_EQ(panel.cmdConstant[3].caption, "Prefix");

    s.services.dialogAnswers = {"/tmp/lab.con", "/tmp/broken.con"};
    s.services.files["/tmp/lab.con"] = "1.5";
    s.services.files["/tmp/broken.con"] = "8\n9\n";
    s.services.readFailures["/tmp/broken.con"] = "Input/output error";
    panel.mnuConstants_Click(4);
    panel.mnuConstants_Click(4); // fails after two lines: lab's list and caption stay
    EXPECT_EQ(entries(panel.lstConstants[3]), std::vector<std::string>{"1.5"});
    EXPECT_EQ(panel.cmdConstant[3].caption, "lab");
    EXPECT_TRUE(panel.lstConstants[3].visible);
    EXPECT_EQ(s.services.errors,
              (std::vector<std::string>{
                  "Custom Constants | Could not open missing.con: No such file or directory",
                  "Custom Constants | Could not read broken.con: Input/output error"}));
}

TEST(ConstantsFile, HugeBinaryFileIsCutNotSwallowed) {
    std::string bytes(50u << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); i += 7) {
        bytes[i] = static_cast<char>(i % 3 == 0 ? '\n' : 0xFF);
    }
    StartedWorkspace s;
    s.services.readPiece = std::size_t{1} << 16;
    s.services.dialogAnswers = {"/tmp/huge.con"};
    s.services.files["/tmp/huge.con"] = std::move(bytes);
    s.model.constantsPanel.mnuConstants_Click(4);
    const ListBox& list = s.model.constantsPanel.lstConstants[3];
    EXPECT_EQ(list.items().size(), kMaxConstantsLines);
    for (const std::string& line : list.items()) {
        EXPECT_LE(line.size(), kMaxConstantsLineBytes);
    }
}

} // namespace
} // namespace zolvan::testing
