// The window's zoom, worked with its keys in every mode: the window, the places of its widgets,
// their fonts and pictures all grow by the same factor, and the mode stays as it was. Qt's
// offscreen screen is 800 by 600 pixels, where the expanded window fits up to 150%.

#include "window_fixture.h"

#include "ui/key_preview.h"
#include "workspace/key_codes.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace zolvan::testing {
namespace {

using Keys = std::vector<QKeyCombination>;

// Widgets placed by the design, by the window's own code (the tab marker) and in the expanded
// part, whose places and fonts are compared.
const char* const kPlaced[] = {"picRezultat",    "lblRezultat_0", "lblUnosFormule_0",
                               "txtUnosFormule", "cmdNum_7",      "cmdEnter",
                               "imgMenu_3",      "frmNumber",     "cmdFunction_0",
                               "txtKvadratna_1", "fraOptMaska",   "lstConstants_0"};

// What the window looks like: its size and caption, what is shown, where its widgets lie below
// the menu bar, their fonts in points and the pictures' sizes.
struct Look {
    QSize size;
    QString caption;
    bool expanded = false, numberFormat = false, menus = false;
    std::map<std::string, QRect> places;
    std::map<std::string, double> points;
    QSize picture;

    explicit Look(ShownWindow& w) {
        const Vescal& window = w.vescal;
        size = window.size();
        caption = window.windowTitle();
        expanded = w.find("fraExpand")->isVisible();
        numberFormat = w.find("frmNumber")->isVisible();
        menus = window.menuWidget()->isVisible();
        for (const char* name : kPlaced) {
            QWidget* widget = w.find(name);
            places[name] =
                QRect(widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size());
            points[name] = widget->font().pointSizeF();
        }
        points["menu bar"] = window.menuWidget()->font().pointSizeF();
        picture = w.find<QPushButton>("imgMenu_3")->iconSize();
    }
};

// Within a pixel of the design scaled on every edge, as rounding to whole pixels leaves it.
void expectScaled(QRect zoomed, QRect design, double factor, const std::string& name) {
    const QRectF wanted(design.topLeft().toPointF() * factor, design.size().toSizeF() * factor);
    const QMarginsF off(wanted.left() - zoomed.left(), wanted.top() - zoomed.top(),
                        wanted.width() - zoomed.width(), wanted.height() - zoomed.height());
    EXPECT_TRUE(std::max({std::abs(off.left()), std::abs(off.top()), std::abs(off.right()),
                          std::abs(off.bottom())}) <= 1.0)
        << name << " is " << zoomed.width() << "x" << zoomed.height() << "+" << zoomed.x() << "+"
        << zoomed.y() << ", designed " << design.width() << "x" << design.height();
}

struct ZoomCase {
    const char* name;
    Keys before; // mode keys, then the zoom keys, then the mode keys after
    Keys zoom;
    Keys after;
    int percent;
};

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

// The look at the zoom against the look after Ctrl+0, back at the design size.
TEST_P(Zoom, ScalesTheWholeWindowAndKeepsItsMode) {
    const ZoomCase& c = GetParam();
    ShownWindow w;
    w.enter("H2SO4");
    for (const Keys* keys : {&c.before, &c.zoom, &c.after}) {
        for (QKeyCombination stroke : *keys) {
            w.key(stroke);
        }
    }
    const Look zoomed(w);
    w.key(Qt::CTRL | Qt::Key_0);
    const Look design(w);
    const double factor = c.percent / 100.0;
    expectScaled(QRect(QPoint(), zoomed.size), QRect(QPoint(), design.size), factor, "window");
    EXPECT_EQ(zoomed.caption, design.caption);
    EXPECT_EQ(zoomed.expanded, design.expanded);
    EXPECT_EQ(zoomed.numberFormat, design.numberFormat);
    EXPECT_EQ(zoomed.menus, design.menus);
    for (const auto& [name, place] : design.places) {
        expectScaled(zoomed.places.at(name), place, factor, name);
    }
    for (const auto& [name, points] : design.points) {
        EXPECT_NEAR(zoomed.points.at(name), points * factor, 0.01) << name;
    }
    EXPECT_EQ(zoomed.picture, design.picture * factor);
}

const QKeyCombination kIn = Qt::CTRL | Qt::Key_Plus, kOut = Qt::CTRL | Qt::Key_Minus;
const QKeyCombination kEquals = Qt::CTRL | Qt::Key_Equal;
const QKeyCombination kKeypadIn = Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus;

const ZoomCase kZooms[] = {
    {"NormalCtrlPlus", {}, {kIn}, {}, 125},
    {"NormalCtrlEqualsTwice", {}, {kEquals, kEquals}, {}, 150},
    {"ExpandedKeypadPlus", {Qt::Key_F9}, {kKeypadIn}, {}, 125},
    {"CompactWithoutMenus", {Qt::Key_F12}, {kIn, kIn}, {}, 150},
    {"NumberFormatInAndOut", {Qt::CTRL | Qt::Key_F}, {kIn, kIn, kOut}, {}, 125},
    {"ExpandedThenCompactThenBack", {Qt::Key_F9}, {kIn}, {Qt::Key_F12, Qt::Key_F12}, 125},
    {"SidePanelTabAfterZoom", {}, {kIn, kIn}, {Qt::CTRL | Qt::Key_U}, 150},
    {"ZoomOutStopsAtActualSize", {}, {kIn, kOut, kOut}, {}, 100},
};

INSTANTIATE_TEST_SUITE_P(Modes, Zoom, ::testing::ValuesIn(kZooms), byName);

// Zoom In stops where the expanded window would leave the screen: at the largest step, it lies
// on the screen whatever mode it is in.
TEST(ZoomLimit, TheWindowStaysOnTheScreen) {
    ShownWindow w;
    w.key(Qt::Key_F9);
    for (int i = 0; i < 8; ++i) {
        w.key(kIn);
    }
    const QRect screen = w.vescal.screen()->availableGeometry();
    EXPECT_GT(w.vescal.width(), 490) << "the window was not zoomed";
    EXPECT_TRUE(screen.contains(w.vescal.frameGeometry()));
    EXPECT_FALSE(w.find<QAction>("zoomIn")->isEnabled());
    EXPECT_TRUE(w.find<QAction>("zoomOut")->isEnabled());
}

// No key runs two things: each shortcut belongs to one item, and none of them is a key that the
// window's key handler gives a meaning (F2 to F8, Escape, Ctrl, Alt or Shift+Ctrl with a digit).
TEST(ZoomKeys, ConflictWithNoOtherKey) {
    ShownWindow w;
    std::set<int> seen;
    for (QAction* action : w.vescal.findChildren<QAction*>()) {
        for (const QKeySequence& sequence : action->shortcuts()) {
            const QKeyCombination stroke = sequence[0];
            EXPECT_TRUE(seen.insert(stroke.toCombined()).second)
                << sequence.toString().toStdString();
            const QKeyEvent event(QEvent::KeyPress, stroke.key(), stroke.keyboardModifiers());
            const std::optional<VirtualKey> handled = virtualKey(event);
            const bool handlerKey =
                handled && ((handled->code >= keys::F2 && handled->code <= keys::F8) ||
                            handled->code == keys::Escape ||
                            (handled->code >= keys::Digit1 && handled->code <= keys::Digit9 &&
                             handled->shift != 0 && handled->shift != keys::ShiftMask));
            EXPECT_FALSE(handlerKey) << sequence.toString().toStdString();
        }
    }
    EXPECT_GT(seen.size(), 20u);
}

} // namespace
} // namespace zolvan::testing
