#include "panels/constants_lists.h"
#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// A view, a line typed before, the list position under the pointer, and the line afterwards.
struct PickCase {
    const char* name;
    int view;
    const char* line;
    int position;
    bool enter; // Enter instead of a double-click
    const char* expected;
};

const PickCase kPicks[] = {
    {"MileNameGivesValue", 1, "5*", 96, false, "5* 1609.344"},
    {"MileValueItself", 1, "5*", 97, false, "5* 1609.344"},
    {"FlowTwoBlanks", 1, "", 74, false, " 0.01666666667"},
    {"TemperatureExpression", 1, "100*", 168, false, "100* 0.555555555 - 17.777777777"},
    {"SeparatorInsertsNothing", 1, "x", 22, false, "x"},
    {"LastVolume", 1, "", 212, false, " 0.001"},
    {"AvogadroByEnter", 2, "", 4, true, " 6.0221367 E23"},
    {"PressureKeepsTrailingBlank", 2, "", 52, false, " 101325 "},
    {"PrefixNameLineItself", 3, "", 0, false, "Prefiks - eksa (E)"},
    {"PrefixValue", 3, "", 23, false, " 1 E-6"},
};

class ListPick : public ::testing::TestWithParam<PickCase> {};

TEST_P(ListPick, InsertsTheValueLine) {
    const PickCase& c = GetParam();
    StartedWorkspace s;
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.cmdConstant_Click(c.view);
    const int list = c.view == 3 ? 2 : c.view - 1;
    ASSERT_TRUE(panel.lstConstants[static_cast<std::size_t>(list)].visible);
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(codePointCount(c.line), 0);
    panel.lstConstants[static_cast<std::size_t>(list)].listIndex = c.position;
    if (c.enter) {
        panel.lstConstants_KeyPress(list, 13);
    } else {
        panel.lstConstants_DblClick(list);
    }
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

INSTANTIATE_TEST_SUITE_P(Lists, ListPick, ::testing::ValuesIn(kPicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuiltInLists, HaveTheirSizesAndSeparatorPositions) {
    const std::vector<std::string> units = siUnitsList();
    ASSERT_EQ(units.size(), 214u);
    for (int position : {22, 36, 56, 76, 104, 118, 128, 146, 164, 172, 190}) {
        EXPECT_EQ(units[static_cast<std::size_t>(position)], std::string(31, '_')) << position;
        EXPECT_EQ(units[static_cast<std::size_t>(position + 1)], "") << position;
    }
    EXPECT_EQ(units[96], "Length - mile (m)");
    EXPECT_EQ(units[74], "Flow - liter per minute  (L/s)");
    EXPECT_EQ(units[166], "Temperature - celsius (°)");
    EXPECT_EQ(physicalConstantsList().size(), 86u);
    EXPECT_EQ(physicalConstantsList()[0], "Absolute Zero (°C)");
    EXPECT_EQ(siPrefixesList().size(), 32u);
}

// Each view: the indicator, the list shown, the check marks; narrow windows are widened.
TEST(Views, MoveTheIndicatorShowOneListAndExpand) {
    const struct {
        int view;
        TabIndicator indicator;
        int list; // -1 for the function panel
    } steps[] = {{1, {890, 910}, 0}, {2, {1790, 910}, 1}, {3, {2690, 890}, 2}, {0, {15, 890}, -1}};
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

// A constants file in every line-end style and in both encodings.
struct FileCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

const FileCase kFiles[] = {
    {"CrLf", "1.5\r\n\r\n2.5\r\n", {"1.5", "", "2.5"}},
    {"CrOnly", "1.5\r\r2.5", {"1.5", "", "2.5"}},
    {"LfOnly", "1.5\n\n2.5\n", {"1.5", "", "2.5"}},
    {"LastLineWithoutEnd", "a\nb", {"a", "b"}},
    {"Empty", "", {}},
    {"OnlyLineEnd", "\r\n", {""}},
    {"Utf8DegreeSign", "T (\xC2\xB0)\n", {"T (°)"}},
    {"Windows1252DegreeAndEuro", "T (\xB0) \x80\n", {"T (°) €"}},
    {"BrokenUtf8ReadAs1252", "\xC3(", {"Ã("}},
};

class ConstantsFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(ConstantsFile, LoadsEveryLineAndNamesTheTab) {
    const FileCase& c = GetParam();
    StartedWorkspace s;
    s.services.dialogAnswers = {"/home/ana/data/lab.v2.con"};
    s.services.files["/home/ana/data/lab.v2.con"] = c.bytes;
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.mnuConstants_Click(4);
    ASSERT_EQ(s.services.dialogCalls.size(), 1u);
    EXPECT_EQ(s.services.dialogCalls[0].filter, kConstantsFilter);
    EXPECT_EQ(s.services.dialogCalls[0].preselected, 3);
    EXPECT_EQ(testing::entries(panel.lstConstants[3]), c.lines);
    EXPECT_EQ(panel.cmdConstant[3].caption, "lab");
    EXPECT_TRUE(panel.lstConstants[3].visible);
    EXPECT_TRUE(panel.mnuConstants[3].checked);
    EXPECT_FALSE(panel.mnuConstants[4].checked);
}

INSTANTIATE_TEST_SUITE_P(Files, ConstantsFile, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConstantsFile, CustomLineInsertedAsWritten) {
    StartedWorkspace s;
    s.services.dialogAnswers = {"/tmp/lab.con"};
    s.services.files["/tmp/lab.con"] = "1.5\n\n2.5";
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.mnuConstants_Click(4);
    panel.lstConstants[3].listIndex = 0;
    panel.lstConstants_DblClick(3);
    EXPECT_EQ(s.w.txtUnosFormule.text(), "1.5");
}

// Failures end quietly on the third view: the prefixes before any file, the custom list after.
TEST(ConstantsFile, FailuresShowTheThirdView) {
    StartedWorkspace s;
    ConstantsPanel& panel = s.model.constantsPanel;
    panel.mnuConstants_Click(4); // cancelled
    EXPECT_TRUE(panel.lstConstants[2].visible);
    EXPECT_EQ(panel.cmdConstant[3].caption, "Prefix");

    s.services.dialogAnswers = {"/tmp/missing.con"};
    panel.mnuConstants_Click(4); // unreadable
    EXPECT_TRUE(panel.lstConstants[3].visible);
    EXPECT_TRUE(panel.lstConstants[3].items.empty());

    s.services.dialogAnswers = {"/tmp/noextension"};
    s.services.files["/tmp/noextension"] = "7\n";
    panel.mnuConstants_Click(4); // no "." in the name: filled, caption kept
    EXPECT_EQ(testing::entries(panel.lstConstants[3]), std::vector<std::string>{"7"});
    EXPECT_EQ(panel.cmdConstant[3].caption, "Prefix");
}

TEST(ConstantsFile, HugeBinaryFileIsCutNotSwallowed) {
    std::string bytes(50u << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); i += 7) {
        bytes[i] = static_cast<char>(i % 3 == 0 ? '\n' : 0xFF);
    }
    const std::vector<std::string> lines = constantsFileLines(bytes);
    EXPECT_EQ(lines.size(), kMaxConstantsLines);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), kMaxConstantsLineBytes);
    }
}

} // namespace
} // namespace zolvan
