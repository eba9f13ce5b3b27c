#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

struct IonCase {
    const char* name;
    const char* line;
    int selStart, selLength;
    int ion;
    const char* expected;
};

const IonCase kIons[] = {
    {"AfterCaret", "2*", 2, 0, 12, "2*(SO4)"},
    {"ReplacesSelection", "5", 0, 1, 0, "(H2O)"},
    {"LastItem", "", 0, 0, 15, "(Cr2O7)"},
    {"SeparatorIsNoCommand", "x", 1, 0, 5, "x"},
};

class IonItems : public ::testing::TestWithParam<IonCase> {};

TEST_P(IonItems, InsertBracketedCaption) {
    const IonCase& c = GetParam();
    StartedWorkspace s;
    s.w.txtUnosFormule.setText(c.line);
    s.w.txtUnosFormule.select(c.selStart, c.selLength);
    s.model.insertMenu.mnuIoni[static_cast<std::size_t>(c.ion)].click();
    EXPECT_EQ(s.w.txtUnosFormule.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Menu, IonItems, ::testing::ValuesIn(kIons),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HoverFrame, FollowsThePointerAndHidesOffTheBar) {
    StartedWorkspace s;
    InsertMenu& bar = s.model.insertMenu;
    for (int button = 0; button <= 3; ++button) {
        bar.imgMenu_MouseMove(button);
        EXPECT_EQ(s.w.imgButonMaskLeft, button * 350);
        EXPECT_EQ(s.w.hoverIndex, button);
    }
    bar.imgMenu_MouseDown(3);
    EXPECT_EQ(bar.imgButonMask, "imgButonDn");
    bar.imgMenu_MouseUp(3);
    EXPECT_EQ(bar.imgButonMask, "imgButonUp");
    s.model.keypad.cmdNum_MouseMove(7);
    EXPECT_EQ(s.w.imgButonMaskLeft, -350);
    EXPECT_EQ(s.w.hoverIndex, -1);
    EXPECT_FALSE(s.w.maskShown);
}

TEST(ImageMenu, RunsItsMenuItemsOnlyWhileEnabled) {
    StartedWorkspace s;
    InsertMenu& bar = s.model.insertMenu;
    bar.imgMenu_Click(8);
    EXPECT_TRUE(s.model.numberSettings.frmNumber.visible);
    bar.imgMenu_Click(9);
    EXPECT_TRUE(s.w.isExpanded);
    EXPECT_EQ(s.w.imgMenu[9].toolTip, " Shrink Zolvan ");
    int runs = 0;
    s.w.mnuCopy.onClick = [&runs] { ++runs; };
    s.w.mnuCopy.enabled = false;
    bar.imgMenu_Click(5);
    EXPECT_EQ(runs, 0);
    s.w.mnuCopy.enabled = true;
    bar.imgMenu_Click(5);
    EXPECT_EQ(runs, 1);
}

TEST(FunctionSeparator, EachClickSwitchesItAndTheKeypadFollows) {
    StartedWorkspace s;
    MenuItem& item = s.model.insertMenu.mnuSeparator;
    EXPECT_TRUE(item.checked);
    item.click();
    EXPECT_FALSE(item.checked);
    EXPECT_FALSE(s.w.engine.ShowSeparators);
    s.model.keypad.cmdNum_Click(28);
    EXPECT_EQ(s.w.txtUnosFormule.text(), "cos");
    item.click();
    EXPECT_TRUE(item.checked);
    EXPECT_TRUE(s.w.engine.ShowSeparators);
}

} // namespace
} // namespace zolvan
