// Menu shortcuts against the key handler: a shortcut runs only its own item, a disabled item
// claims no key, and the compact display-only mode hides the menus and their shortcuts.

#include "ui/geometry.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenuBar>
#include <QPlatformSurfaceEvent>

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

// Always On Top and the compact mode change the window in place: the same native window keeps its
// place and the keyboard focus, so typing goes on into the input line.
class ModeKeepsWindow : public ::testing::TestWithParam<QKeyCombination> {};

// Counts what a re-created window goes through: its native surface destroyed, or the widget
// hidden so that it can be shown again with new flags.
class WindowWatch : public QObject {
public:
    int destroyed = 0;
    int hidden = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
            ++destroyed;
        }
        if (event->type() == QEvent::Hide) {
            ++hidden;
        }
        return QObject::eventFilter(watched, event);
    }
};

TEST_P(ModeKeepsWindow, SameNativeWindowPositionAndFocus) {
    ShownWindow w;
    WindowWatch watch;
    w.vescal.installEventFilter(&watch);
    w.vescal.windowHandle()->installEventFilter(&watch);
    const WId native = w.vescal.winId();
    const QPoint position = w.vescal.pos();
    w.key(GetParam());
    QTest::qWait(20);
    EXPECT_EQ(watch.destroyed, 0);
    EXPECT_EQ(watch.hidden, 0);
    EXPECT_EQ(w.vescal.winId(), native);
    EXPECT_EQ(w.vescal.pos(), position);
    EXPECT_TRUE(w.vescal.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    w.type("12");
    EXPECT_EQ(w.line()->text(), q("12"));
}

INSTANTIATE_TEST_SUITE_P(Keys, ModeKeepsWindow,
                         ::testing::Values(QKeyCombination(Qt::ControlModifier, Qt::Key_T),
                                           QKeyCombination(Qt::Key_F12)),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "AlwaysOnTop" : "Compact");
                         });

} // namespace
} // namespace zolvan::testing
