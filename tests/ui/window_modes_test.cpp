// Expanded width, compact display-only mode and Always On Top, from menu shortcuts and from the
// key handler, and the rule that a shortcut runs only its own item.

#include "ui/geometry.h"
#include "window_fixture.h"

namespace zolvan::testing {
namespace {

const QSize kNormal = clientSize(3690, 5950);
const QSize kExpanded = clientSize(7440, 5950);
const QSize kCompact = clientSize(3690, 2080);

bool topmost(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

struct ShortcutCase {
    const char* name;
    Keystroke stroke;
    QSize size;
    const char* checkedItem;
    bool frameShown;
    bool topmost;
};

class MenuShortcut : public ::testing::TestWithParam<ShortcutCase> {};

// Each key is pressed once. F12 is also the key handler's compact toggle: had both run, the
// window would have gone compact and straight back.
TEST_P(MenuShortcut, RunsOnlyItsItem) {
    const ShortcutCase& c = GetParam();
    ShownWindow w;
    w.key(c.stroke.key, c.stroke.modifiers);
    EXPECT_EQ(w.vescal.size(), c.size);
    if (c.checkedItem != nullptr) {
        EXPECT_TRUE(w.action(c.checkedItem)->isChecked());
    }
    EXPECT_EQ(w.find<QWidget>(q("frmNumber"))->isVisible(), c.frameShown);
    EXPECT_EQ(topmost(w.vescal), c.topmost);
    EXPECT_TRUE(w.line()->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuShortcut,
    ::testing::Values(
        ShortcutCase{"F9Expands", {Qt::Key_F9}, kExpanded, "mnuExpand", false, false},
        ShortcutCase{"F12Compact", {Qt::Key_F12}, kCompact, "mnuShort", false, true},
        ShortcutCase{
            "CtrlTOnTop", {Qt::Key_T, Qt::ControlModifier}, kNormal, "mnuTop", false, true},
        ShortcutCase{
            "CtrlFFrame", {Qt::Key_F, Qt::ControlModifier}, kNormal, nullptr, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A disabled item claims no key: Ctrl+A reaches the input line, which selects its text.
TEST(MenuShortcuts, DisabledItemLeavesTheKeyToTheControl) {
    ShownWindow w;
    w.line()->setFocus();
    w.type(q("123"));
    w.key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.line()->selectedText(), q("123"));
}

TEST(CompactMode, HidesTheMenusAndTheirShortcuts) {
    ShownWindow w;
    w.key(Qt::Key_F12);
    EXPECT_EQ(w.vescal.windowTitle(), q("Korvid.Zolvan (F12 = Normal)"));
    EXPECT_FALSE(w.vescal.menuBar()->isVisible());
    EXPECT_EQ(w.vescal.size(), kCompact);
    EXPECT_TRUE(topmost(w.vescal));
    EXPECT_TRUE(w.vescal.isVisible());
    EXPECT_TRUE(w.line()->isVisible());

    // Shortcuts of hidden menus do nothing.
    w.key(Qt::Key_F9);
    w.key(Qt::Key_T, Qt::ControlModifier);
    w.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(w.vescal.size(), kCompact);
    EXPECT_FALSE(w.action("mnuTop")->isChecked());
    EXPECT_FALSE(w.action("mnuExpand")->isChecked());
    EXPECT_FALSE(w.find<QWidget>(q("frmNumber"))->isVisible());

    // The key handler's F12 is the way back.
    w.key(Qt::Key_F12);
    EXPECT_EQ(w.vescal.windowTitle(), q("Korvid.- Zolvan"));
    EXPECT_TRUE(w.vescal.menuBar()->isVisible());
    EXPECT_EQ(w.vescal.size(), kNormal);
    EXPECT_FALSE(topmost(w.vescal));
    EXPECT_FALSE(w.action("mnuShort")->isChecked());
    EXPECT_TRUE(w.action("mnuTop")->isEnabled());
}

TEST(CompactMode, LeavingRestoresTheExpandedWidth) {
    ShownWindow w;
    w.key(Qt::Key_F9);
    w.key(Qt::Key_F12);
    EXPECT_EQ(w.vescal.size(), kCompact);
    EXPECT_TRUE(w.action("mnuExpand")->isChecked());
    EXPECT_FALSE(w.find<QWidget>(q("fraExpand"))->isVisible());
    w.key(Qt::Key_F12);
    EXPECT_EQ(w.vescal.size(), kExpanded);
    EXPECT_TRUE(w.action("mnuExpand")->isChecked());
    EXPECT_TRUE(w.find<QWidget>(q("fraExpand"))->isVisible());
    w.key(Qt::Key_F9);
    EXPECT_EQ(w.vescal.size(), kNormal);
    EXPECT_FALSE(w.action("mnuExpand")->isChecked());
}

TEST(AlwaysOnTop, CompactModeLeavesTheWindowNotTopmost) {
    ShownWindow w;
    w.key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(topmost(w.vescal));
    w.key(Qt::Key_F12);
    w.key(Qt::Key_F12);
    EXPECT_FALSE(topmost(w.vescal));
    EXPECT_TRUE(w.action("mnuTop")->isChecked());
    w.key(Qt::Key_T, Qt::ControlModifier);
    w.key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(topmost(w.vescal));
    EXPECT_TRUE(w.action("mnuTop")->isChecked());
}

TEST(AlwaysOnTop, KeepsPositionSizeAndFocus) {
    ShownWindow w;
    w.vescal.move(40, 30);
    QTest::qWait(10);
    const QRect before = w.vescal.geometry();
    w.key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w.vescal.geometry(), before);
    EXPECT_TRUE(w.vescal.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.vescal));
    w.key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w.vescal.geometry(), before);
    EXPECT_FALSE(topmost(w.vescal));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.vescal));
    w.type(q("12"));
    EXPECT_EQ(w.line()->text(), q("12"));
}

} // namespace
} // namespace zolvan::testing
