// The user's input: key preview through the real key path, the translation of Qt keys into the
// handlers' key codes, the history keys, the menu shortcuts of the window modes, Tab walking the
// shown controls with the focus always visible, and the input panels worked with the mouse.

#include "window_fixture.h"

#include "ui/geometry.h"
#include "ui/key_preview.h"
#include "ui/view_sync.h"

#include <QAbstractItemView>
#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlatformSurfaceEvent>
#include <QPushButton>
#include <QRegularExpression>

#include <optional>

namespace zolvan::testing {
namespace {

struct PreviewCase {
    const char* name;
    const char* focus; // the control that has the focus
    std::vector<QKeyCombination> keys;
    const char* line; // the input line afterwards
    bool focusToLine; // the handler gives the input line the focus
};

// One key per kind of handler; what each handler does is tested on the model.
const PreviewCase kPreviewed[] = {
    {"F3", "txtPower", {Qt::Key_F3}, "abc5", false},
    {"F8", "txtPower", {Qt::Key_F8}, "abc", true},
    {"Escape", "txtPower", {Qt::Key_Escape}, "", false},
    {"CtrlDigit", "txtPower", {Qt::ControlModifier | Qt::Key_2}, "abc^2", false},
    // Alt with a digit writes the root, and the line edit, which would type the digit after it,
    // gets the key without its text.
    {"AltDigit", "txtUnosFormule", {Qt::AltModifier | Qt::Key_3}, "abc^(1/3)", false},
};

class KeyPreviewTest : public ::testing::TestWithParam<PreviewCase> {};

// The keys reach the handler whichever control has the focus, and type nothing into it: the
// window previews them before any control sees them.
TEST_P(KeyPreviewTest, ReachesTheHandlerFromTheFocusedControl) {
    const PreviewCase& c = GetParam();
    ShownWindow w;
    w.key(Qt::Key_F9); // the right-hand panels, for the power field
    w.enter("2+3");
    w.enter("1/4");
    w.type("abc");
    QWidget* target = w.find(c.focus);
    target->setFocus();
    for (QKeyCombination stroke : c.keys) {
        w.key(stroke);
    }
    EXPECT_EQ(w.line()->text(), q(c.line));
    EXPECT_TRUE((c.focusToLine ? w.line() : target)->hasFocus());
    EXPECT_EQ(w.line("txtPower")->text(), q("3")); // nothing was typed into the power field
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyPreviewTest, ::testing::ValuesIn(kPreviewed), byName);

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    std::optional<VirtualKey> expected;
};

class KeyTranslation : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTranslation, GivesTheHandlersKeyCode) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, 0, 0);
    EXPECT_EQ(virtualKey(event), c.expected);
}

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;

// With Shift held a digit key reports its symbol; its scan code still tells the digit. (The
// function keys, Escape and the digits with Ctrl or Alt go through the key preview above.)
const KeyCase kTranslated[] = {
    {"ShiftedSymbol", Qt::Key_NumberSign, kShiftCtrl, 12, VirtualKey{51, 3}},
    {"ShiftedZero", Qt::Key_ParenRight, Qt::ShiftModifier, 19, VirtualKey{48, 1}},
    {"KeypadDigit", Qt::Key_3, kCtrl | Qt::KeypadModifier, 89, std::nullopt},
    {"Letter", Qt::Key_A, kCtrl, 38, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyTranslation, ::testing::ValuesIn(kTranslated), byName);

// U+1D70B (mathematical italic pi) takes two UTF-16 units.
TEST(CaretConversion, CountsCharactersNotUnits) {
    const QString text = QString::fromUtf8("2\xF0\x9D\x9C\x8B+1");
    for (auto [codePoints, utf16] : {std::pair{1, 1}, {2, 3}, {4, 5}}) {
        EXPECT_EQ(utf16Index(text, codePoints), utf16) << codePoints;
        EXPECT_EQ(codePointIndex(text, utf16), codePoints) << utf16;
    }
}

// Up and Down in the input line step through earlier lines (the steps themselves are tested on
// the model). Alt+Down opens the history list, its own pop-up window: keys go to it, not to the
// main window. Escape closes it and keeps the line, which the window's Escape key would empty;
// Enter inserts the chosen line over the selection, which has to reach the model before the list
// took the focus, and the box shows no entry, only its arrow.
TEST(HistoryKeys, StepThroughTheLinesAndOpenTheList) {
    ShownWindow w;
    w.enter("11");
    w.enter("22");
    w.type("3+");
    w.key(Qt::Key_Up);
    EXPECT_EQ(w.line()->text(), q("22"));
    w.key(Qt::Key_Down);
    EXPECT_EQ(w.line()->text(), q("3+"));

    QWidget* view = w.find<QComboBox>("cmbLista")->view();
    w.key(Qt::ALT | Qt::Key_Down);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "Alt+Down did not open the list";
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(w.line()->text(), q("3+"));

    w.line()->setSelection(0, 1); // the 3
    w.key(Qt::ALT | Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(w.find<QComboBox>("cmbLista")->currentIndex(), -1);
    EXPECT_EQ(w.line()->text(), q("11+"));
    w.type("5");
    EXPECT_EQ(w.line()->text(), q("115+")) << "the line keeps the focus, typing at the caret";
}

// Whether the right quarter of a row of a list holds anything drawn on its background.
bool inkAtRight(const QImage& shot, QRect row) {
    const QRect right(row.left() + row.width() * 3 / 4, row.top() + 2, row.width() / 4 - 3,
                      row.height() - 4);
    const QRgb background = shot.pixel(right.topLeft());
    for (int y = right.top(); y <= right.bottom(); ++y) {
        for (int x = right.left(); x <= right.right(); ++x) {
            if (shot.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

// The open history list shows each entry's result at the right of its row, and a screen reader
// hears the pair (that a chosen entry inserts its input line alone is in the history keys).
TEST(HistoryList, ShowsEachResultAtTheRightAndToAScreenReader) {
    ShownWindow w;
    w.enter("2+2");
    w.enter("#fix 1");
    w.enter("H2O");
    auto* combo = w.find<QComboBox>("cmbLista");
    QAbstractItemView* view = combo->view();
    w.key(Qt::ALT | Qt::Key_Down);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    const QImage shot = view->viewport()->grab().toImage();
    const struct {
        const char* spoken;
        bool result;
    } rows[] = {{"H2O = 18.0", true}, {"#fix 1", false}, {"2+2 = 4", true}};
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < 3; ++i) {
        const QRect row = view->visualRect(combo->model()->index(i, 0));
        EXPECT_EQ(inkAtRight(shot, row), rows[i].result) << "row " << i;
        EXPECT_EQ(list->child(i)->text(QAccessible::Name), q(rows[i].spoken));
    }
    QTest::keyClick(view, Qt::Key_Escape);
}

// A shown window, watched for what a re-created window goes through: its native surface
// destroyed, or the widget hidden so that it can be shown again with new flags.
class WindowModes : public ::testing::Test, public QObject {
protected:
    void SetUp() override {
        w.vescal.installEventFilter(this);
        w.vescal.windowHandle()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
            ++m_destroyed;
        }
        if (event->type() == QEvent::Hide) {
            ++m_hidden;
        }
        return QObject::eventFilter(watched, event);
    }
    // Always On Top and the compact mode change the window in place: the same native window keeps
    // its place and the keyboard focus.
    void expectChangedInPlace(bool onTop) {
        QTest::qWait(20);
        EXPECT_EQ(w.vescal.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(w.vescal.winId(), m_native);
        EXPECT_EQ(w.vescal.pos(), m_position);
        EXPECT_EQ(m_destroyed, 0);
        EXPECT_EQ(m_hidden, 0);
        const QString before = w.line()->text();
        w.type("1");
        EXPECT_EQ(w.line()->text(), before + q("1")) << "typing goes on into the input line";
    }

    int m_destroyed = 0, m_hidden = 0; // before the window, which reports its own end to them
    ShownWindow w;
    const WId m_native = w.vescal.winId();
    const QPoint m_position = w.vescal.pos();
};

TEST_F(WindowModes, AlwaysOnTopOnAndOff) {
    for (const bool onTop : {true, false}) {
        w.key(Qt::ControlModifier | Qt::Key_T);
        expectChangedInPlace(onTop);
    }
}

// F12 is the shortcut of a View item and the key handler's compact toggle too. Pressed once with
// the menus shown it runs once: had both run, the window would have gone compact and back.
TEST_F(WindowModes, CompactHidesTheMenusAndLeavesF12ToTheKeyHandler) {
    const QSize compact = clientSize(3690, 2080);
    w.key(Qt::Key_F12);
    expectChangedInPlace(true);
    EXPECT_FALSE(w.vescal.menuBar()->isVisible());
    EXPECT_EQ(w.vescal.size(), compact);

    // Shortcuts of hidden menus do nothing.
    w.key(Qt::Key_F9);
    w.key(Qt::ControlModifier | Qt::Key_T);
    EXPECT_EQ(w.vescal.size(), compact);
    EXPECT_FALSE(w.find<QAction>("mnuTop")->isChecked());

    w.key(Qt::Key_F12);
    expectChangedInPlace(false);
    EXPECT_TRUE(w.vescal.menuBar()->isVisible());
}

// Presses Tab until the focus comes back to where it started; the focused controls in order.
QStringList tabWalk(ShownWindow& w) {
    QStringList order;
    QWidget* start = QApplication::focusWidget();
    for (int presses = 0; presses < 200; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        order << (focused != nullptr ? focused->objectName() : QStringLiteral("(none)"));
        w.key(Qt::Key_Tab);
        if (QApplication::focusWidget() == start) {
            break;
        }
    }
    return order;
}

// The walk with each run of keys of one array written as its name and count: "cmdNum×12".
QString compact(const QStringList& walk) {
    static const QRegularExpression key(
        QStringLiteral("^(imgMenu|cmdNum|cmdFunction|cmdConstant)_"));
    QStringList shown;
    QString runName;
    int run = 0;
    for (const QString& name : walk) {
        const QRegularExpressionMatch match = key.match(name);
        if (match.hasMatch() && match.captured(1) == runName) {
            shown.last() = QStringLiteral("%1×%2").arg(runName).arg(++run);
            continue;
        }
        runName = match.hasMatch() ? match.captured(1) : QString();
        run = 1;
        shown << (match.hasMatch() ? runName + QStringLiteral("×1") : name);
    }
    return shown.join(QLatin1Char(' '));
}

struct WalkCase {
    const char* name;
    std::vector<QKeyCombination> setUp; // keys that open panels before the walk
    std::string after; // the compacted walk after the input line, each control after a space
};

class KeyboardWalk : public ::testing::TestWithParam<WalkCase> {};

// Tab reaches the shown controls in reading order, and every control on the walk is drawn
// differently with the focus than without it.
TEST_P(KeyboardWalk, TabReachesTheShownControlsAndShowsTheFocus) {
    ShownWindow w;
    for (QKeyCombination key : GetParam().setUp) {
        w.key(key);
    }
    w.line()->setFocus();
    const QStringList names = tabWalk(w);
    EXPECT_EQ(compact(names), q("txtUnosFormule") + QString::fromStdString(GetParam().after));
    for (const QString& name : names) {
        QWidget* widget = w.find(name.toUtf8().constData());
        widget->setFocus(Qt::TabFocusReason);
        const QImage focused = widget->grab().toImage();
        widget->clearFocus();
        EXPECT_NE(focused, widget->grab().toImage()) << name.toStdString() << " hides the focus";
    }
}

// After the input line come the image bar, the keypad with Inv and "=", then the side panel's tab
// buttons and what the side panel shows. The open number-format frame takes the place of the
// keys it covers; Tab into an option group lands on its selected button; a list view stands in
// the place of the function panel and its fields.
const std::string kKeys = " imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter";
const WalkCase kWalks[] = {
    {"Normal", {}, kKeys},
    {"NumberFormat", {Qt::CTRL | Qt::Key_F}, " optNumber_0 optRadDeg_0 cmdHide cmdNum×4 cmdEnter"},
    {"FixedFormat",
     {Qt::CTRL | Qt::Key_F, Qt::Key_F5, Qt::Key_F5},
     " optNumber_2 txtDecimala chkTisuca optRadDeg_0 cmdHide cmdNum×4 cmdEnter"},
    {"ExpandedInDegrees",
     {Qt::Key_F9, Qt::Key_F8},
     kKeys + " cmdConstant×4 cmdComposition txtKvadratna_2 txtKvadratna_1 txtKvadratna_0 "
             "cmdKvadratna txtPower "
             "optRadiani_1 cmdFunction×36"},
    {"SIUnits",
     {Qt::Key_F9, Qt::CTRL | Qt::Key_U},
     kKeys + " cmdConstant×4 cmdComposition lstConstants_0"},
    {"PhysicalConstants", {Qt::Key_F11}, kKeys + " cmdConstant×4 cmdComposition lstConstants_1"},
    // View > Custom Constant by its access keys, before any file was loaded: the prefixes.
    {"Prefixes",
     {Qt::ALT | Qt::Key_V, Qt::Key_C},
     kKeys + " cmdConstant×4 cmdComposition lstConstants_2"},
    {"Composition",
     {Qt::CTRL | Qt::Key_M},
     kKeys + " cmdConstant×4 cmdComposition "
             "txtConcentration txtVolume txtPurity"},
};

INSTANTIATE_TEST_SUITE_P(Panels, KeyboardWalk, ::testing::ValuesIn(kWalks), byName);

// Between the input line and the side panel the walk moves as a reader does: row by row from the
// top, left to right within a row (which keys it reaches is the walk table's).
TEST(KeyboardWalkKeys, FollowTheRowsOfTheKeypad) {
    ShownWindow w;
    w.line()->setFocus();
    QPoint previous(-1, -1);
    for (const QString& name : tabWalk(w).mid(1)) {
        const QPoint place = w.find(name.toUtf8().constData())->mapTo(&w.vescal, QPoint(0, 0));
        EXPECT_TRUE(std::pair(place.y(), place.x()) > std::pair(previous.y(), previous.x()))
            << name.toStdString() << " comes before a key above or to its left";
        previous = place;
    }
}

// View > New Custom Constant by its access keys: the loaded file's list takes the prefixes' place
// on the walk, and Enter on a line inserts that line (a custom list has no name/value pairs).
TEST(KeyboardWalkCustomList, LoadedFileIsOnTheWalk) {
    QTemporaryDir dir;
    ShownWindow w;
    loadConstants(w, writtenFile(dir, "metals.con", "Iron (g/cm3)\r\n 7.874\r\n"));
    w.line()->setFocus();
    EXPECT_TRUE(compact(tabWalk(w)).endsWith(q("cmdConstant×4 cmdComposition lstConstants_3")));
    w.key(Qt::SHIFT | Qt::Key_Tab); // back from the input line to the end of the walk
    w.key(Qt::Key_End);
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.line()->text(), q(" 7.874"));
}

// The input panels' bindings: one case per kind of event the widgets report to the model.

// A keypad key pressed with the mouse, or reached with Tab and pressed with Space, inserts
// through the model and gives the focus back to the input line: "7", Inv (which turns the sine
// key's caption), then "sin".
class KeypadPress : public ::testing::TestWithParam<bool> {};

TEST_P(KeypadPress, InsertsAndGivesTheFocusBack) {
    ShownWindow w;
    w.line()->setFocus();
    w.type("2");
    for (const char* key : {"cmdNum_7", "chkInverse", "cmdNum_27"}) {
        if (GetParam()) {
            w.find(key)->setFocus(Qt::TabFocusReason);
            w.key(Qt::Key_Space);
        } else {
            w.click(key);
        }
        EXPECT_TRUE(w.line()->hasFocus()) << key;
    }
    EXPECT_EQ(w.line()->text(), q("27:asin"));
    EXPECT_EQ(w.find<QPushButton>("cmdNum_27")->text(), q("sin"));
    w.click("chkInverse");
    EXPECT_EQ(w.find<QPushButton>("cmdNum_27")->text(), q("asin"));
}

INSTANTIATE_TEST_SUITE_P(BySpace, KeypadPress, ::testing::Bool());

TEST(PanelBindings, RightClickOpensTheInsertMenu) {
    ShownWindow w;
    QTest::mouseClick(w.find("cmdNum_7"), Qt::RightButton);
    auto* menu = w.find<QMenu>("mnuInsert");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    EXPECT_EQ(w.line()->text(), q("")) << "the right button does not click the key";
    menu->close();
}

// Ctrl+U belongs to the menu even while the line edit, which deletes a line with it, has focus;
// then a double-click on a list entry inserts its value line (Enter on a list line is on the
// keyboard walk).
TEST(PanelBindings, ShortcutThenListDoubleClick) {
    ShownWindow w;
    w.line()->setFocus();
    w.type("5*");
    w.key(Qt::CTRL | Qt::Key_U);
    auto* units = w.find<QListWidget>("lstConstants_0");
    ASSERT_TRUE(units->isVisible());
    EXPECT_EQ(w.line()->text(), q("5*"));
    units->scrollToItem(units->item(96));
    const QPoint shown = units->visualItemRect(units->item(96)).center();
    QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, shown);
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, shown);
    EXPECT_EQ(w.line()->text(), q("5* 1609.344"));
    EXPECT_TRUE(w.line()->hasFocus());
}

// The frame marks the image menu's button under the pointer, and hides off the bar: on a key,
// or on the calculator frame beside the keys.
TEST(PanelBindings, HoverFrameFollowsThePointerAndHides) {
    ShownWindow w;
    const auto maskAfterMoveTo = [&](const char* name, std::optional<QPoint> point = {}) {
        QWidget* widget = w.find(name);
        QTest::mouseMove(widget, point.value_or(widget->rect().center()));
        QApplication::processEvents();
        return w.find("imgButonMask")->x();
    };
    EXPECT_EQ(maskAfterMoveTo("imgMenu_2"), 700 / 15);
    EXPECT_LT(maskAfterMoveTo("cmdNum_5"), 0);
    EXPECT_EQ(maskAfterMoveTo("imgMenu_2"), 700 / 15);
    EXPECT_LT(maskAfterMoveTo("fraCalculator", QPoint(1, 150)), 0);
}

TEST(PanelBindings, CoefficientBoxSelectsAllOnFocusAndEnterSolves) {
    ShownWindow w;
    w.click("cmdConstant_0"); // the Classic view, widening the window
    w.line("txtKvadratna_2")->setText(q("1"));
    w.line("txtKvadratna_0")->setText(q("2"));
    auto* b = w.line("txtKvadratna_1");
    b->setText(q("-3"));
    w.line()->setFocus();
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(b->selectedText(), q("-3"));
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(w.text("lblRezultat_1"), q("2"));
    EXPECT_EQ(w.text("lblRezultat_0"), q("1"));
}

} // namespace
} // namespace zolvan::testing
