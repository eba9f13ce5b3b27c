#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

TEST(IonItems, InsertTheirBracketedCaptionAtTheCaretButSeparatorsNothing) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("2*x");
    s.w.txtUnosFormule.select(2, 1);
    auto& ions = s.model.insertMenu.mnuIoni;
    ions[12].click();
    ions[5].click();  // a separator
    ions[15].click(); // the last
    EXPECT_EQ(s.w.txtUnosFormule.text(), "2*(SO4)(Cr2O7)");
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

TEST(ImageMenu, RunsItsMenuItemsOnlyWhileEnabled) {
    StartedWorkspace s;
    InsertMenu& bar = s.model.insertMenu;
    bar.imgMenu_Click(8);
    EXPECT_TRUE(s.w.numberSettings.frmNumber.visible);
    bar.imgMenu_Click(9);
    EXPECT_TRUE(s.w.isExpanded);
    int runs = 0;
    s.w.mnuCopy.onClick = [&runs] { ++runs; };
    s.w.mnuCopy.enabled = false;
    bar.imgMenu_Click(5);
    EXPECT_EQ(runs, 0);
    s.w.mnuCopy.enabled = true;
    bar.imgMenu_Click(5);
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace zolvan::testing
