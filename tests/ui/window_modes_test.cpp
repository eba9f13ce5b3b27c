// Menu shortcuts against the key handler: a shortcut runs only its own item, a disabled item
// claims no key, and the compact display-only mode hides the menus and their shortcuts.

#include "ui/geometry.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenuBar>

namespace zolvan::testing {
namespace {

// A disabled item claims no key: Ctrl+A reaches the input line, which selects its text.
TEST(MenuShortcuts, DisabledItemLeavesTheKeyToTheControl) {
    ShownWindow w;
    w.type("123");
    w.key(Qt::ControlModifier | Qt::Key_A);
    EXPECT_EQ(w.line()->selectedText(), q("123"));
}

// F12 is the shortcut of a View item and the key handler's compact toggle too. Pressed once with
// the menus shown it runs once: had both run, the window would have gone compact and back.
TEST(CompactMode, HidesTheMenusAndLeavesF12ToTheKeyHandler) {
    const QSize compact = clientSize(3690, 2080);
    ShownWindow w;
    w.key(Qt::Key_F12);
    EXPECT_FALSE(w.vescal.menuBar()->isVisible());
    EXPECT_EQ(w.vescal.size(), compact);
    EXPECT_TRUE(w.vescal.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Shortcuts of hidden menus do nothing.
    w.key(Qt::Key_F9);
    w.key(Qt::ControlModifier | Qt::Key_T);
    EXPECT_EQ(w.vescal.size(), compact);
    EXPECT_FALSE(w.find<QAction>("mnuTop")->isChecked());

    w.key(Qt::Key_F12);
    EXPECT_TRUE(w.vescal.menuBar()->isVisible());
    EXPECT_EQ(w.vescal.size(), clientSize(3690, 5950));
    EXPECT_FALSE(w.vescal.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
} // namespace zolvan::testing
