#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// A sequence of commands: E expand (F9), K the compact toggle (F12), T always on top (Ctrl+T),
// and the window state it ends in.
struct ModeCase {
    const char* name;
    const char* commands;
    int width;
    int height;
    const char* caption;
    bool menusVisible;
    bool expanded;
    bool expandChecked;
    bool shortChecked;
    bool topChecked;
    std::vector<bool> topmostCalls;
};

void run(Workspace& w, std::string_view commands) {
    for (char command : commands) {
        switch (command) {
        case 'E':
            w.mnuExpand_Click();
            break;
        case 'K':
            w.Form_KeyDown(123, 0);
            break;
        case 'S':
            w.mnuShort_Click();
            break;
        case 'T':
            w.mnuTop_Click();
            break;
        default:
            FAIL() << "unknown command " << command;
        }
    }
}

class WindowModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(WindowModes, EndInTheExpectedState) {
    const ModeCase& c = GetParam();
    StartedWorkspace s;
    Workspace& w = s.w;
    run(w, c.commands);
    EXPECT_EQ(w.windowWidth, c.width);
    EXPECT_EQ(w.windowHeight, c.height);
    EXPECT_EQ(w.caption, c.caption);
    for (const MenuItem* menu : {&w.mnuFile, &w.mnuEdit, &w.mnuInsert, &w.mnuView, &w.mnuHelp}) {
        EXPECT_EQ(menu->visible, c.menusVisible) << menu->caption;
    }
    EXPECT_EQ(w.isExpanded, c.expanded);
    EXPECT_EQ(w.mnuExpand.checked, c.expandChecked);
    EXPECT_EQ(w.mnuShort.checked, c.shortChecked);
    EXPECT_EQ(w.mnuTop.checked, c.topChecked);
    EXPECT_EQ(s.services.topmostCalls, c.topmostCalls);
}

constexpr const char* kStart = "Korvid. Zolvan 1.8";
constexpr const char* kCompact = "Korvid.Zolvan (F12 = Normal)";
constexpr const char* kNormal = "Korvid.- Zolvan";

INSTANTIATE_TEST_SUITE_P(
    Sequences, WindowModes,
    ::testing::Values(
        ModeCase{"Start", "", 3690, 5950, kStart, true, false, false, false, false, {}},
        ModeCase{"Expanded", "E", 7440, 5950, kStart, true, true, true, false, false, {}},
        ModeCase{
            "ExpandTwiceShrinks", "EE", 3690, 5950, kStart, true, false, false, false, false, {}},
        ModeCase{"Compact", "K", 3690, 2080, kCompact, false, false, false, true, false, {true}},
        ModeCase{"CompactFromTheMenu",
                 "S",
                 3690,
                 2080,
                 kCompact,
                 false,
                 false,
                 false,
                 true,
                 false,
                 {true}},
        ModeCase{"ExpandedCompactNarrowsButRemembers",
                 "EK",
                 3690,
                 2080,
                 kCompact,
                 false,
                 true,
                 true,
                 true,
                 false,
                 {true}},
        ModeCase{"ExpandedComesBackExpanded",
                 "EKK",
                 7440,
                 5950,
                 kNormal,
                 true,
                 true,
                 true,
                 false,
                 false,
                 {true, false}},
        ModeCase{"CompactAndBack",
                 "KS",
                 3690,
                 5950,
                 kNormal,
                 true,
                 false,
                 false,
                 false,
                 false,
                 {true, false}},
        ModeCase{"TopThenCompactTwiceEndsNotTopmost",
                 "TKK",
                 3690,
                 5950,
                 kNormal,
                 true,
                 false,
                 false,
                 false,
                 true,
                 {true, true, false}},
        ModeCase{"TopTwiceMoreRestoresAgreement",
                 "TKKTT",
                 3690,
                 5950,
                 kNormal,
                 true,
                 false,
                 false,
                 false,
                 true,
                 {true, true, false, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExpandButton, SwitchesPictureAndTooltipAndFocusesTheInputLine) {
    StartedWorkspace s;
    Workspace& w = s.w;
    EXPECT_EQ(w.imgMenu[9].toolTip, " Expand Zolvan ");
    w.mnuExpand_Click();
    EXPECT_EQ(w.imgMenu[9].picture, "imgMenuCompres");
    EXPECT_EQ(w.imgMenu[9].toolTip, " Shrink Zolvan ");
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
    w.mnuExpand_Click();
    EXPECT_EQ(w.imgMenu[9].picture, "imgMenuExpand");
    EXPECT_EQ(w.imgMenu[9].toolTip, " Expand Zolvan ");
}

} // namespace
} // namespace zolvan
