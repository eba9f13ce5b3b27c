#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// A sequence of commands, E expand (F9), K the F12 key, T always on top (Ctrl+T), and the window
// state it ends in; `topmost` lists the topmost requests made, 1 on and 0 off.
struct ModeCase {
    std::string name, commands;
    int width;
    bool compact;
    std::string caption;
    bool expanded, topChecked;
    std::string topmost;
};

const ModeCase kSequences[] = {
    {"Expanded", "E", 7440, false, "Korvid. Zolvan 1.8", true, false, ""},
    {"ExpandTwiceShrinks", "EE", 3690, false, "Korvid. Zolvan 1.8", false, false, ""},
    {"CompactRemembers", "EK", 3690, true, "Korvid.Zolvan (F12 = Normal)", true, false, "1"},
    {"ExpandedComesBackExpanded", "EKK", 7440, false, "Korvid.- Zolvan", true, false, "10"},
    {"TopAgreesAgainAfterCompact", "TKKTT", 3690, false, "Korvid.- Zolvan", false, true, "11001"},
};

class WindowModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(WindowModes, EndInTheExpectedState) {
    const ModeCase& c = GetParam();
    StartedWorkspace s;
    for (const char command : c.commands) {
        if (command == 'E') {
            s.model.windowModes.mnuExpand_Click();
        } else if (command == 'K') {
            s.w.Form_KeyDown(123, 0);
        } else {
            s.model.windowModes.mnuTop_Click();
        }
    }
    EXPECT_EQ(s.w.windowWidth, c.width);
    EXPECT_EQ(s.w.windowHeight, c.compact ? 2080 : 5950);
    EXPECT_EQ(s.w.caption, c.caption);
    EXPECT_EQ(s.w.mnuFile.visible + s.w.mnuEdit.visible + s.w.mnuInsert.visible +
                  s.w.mnuView.visible + s.w.mnuHelp.visible,
              c.compact ? 0 : 5);
    EXPECT_EQ(s.w.mnuShort.checked, c.compact);
    EXPECT_EQ(s.w.isExpanded + s.w.mnuExpand.checked, c.expanded ? 2 : 0);
    EXPECT_EQ(s.w.imgMenu[9].toolTip, c.expanded ? " Shrink Zolvan " : " Expand Zolvan ");
    EXPECT_EQ(s.model.windowModes.mnuTop.checked, c.topChecked);
    std::string topmost;
    for (const bool on : s.services.topmostCalls) {
        topmost += on ? '1' : '0';
    }
    EXPECT_EQ(topmost, c.topmost);
}

INSTANTIATE_TEST_SUITE_P(Sequences, WindowModes, ::testing::ValuesIn(kSequences), rowName);

} // namespace
} // namespace zolvan::testing
