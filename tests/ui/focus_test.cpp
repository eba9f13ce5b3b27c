// The keyboard alone: Tab walks the controls the window shows, keys included, and the control
// that holds the focus always looks different from the same control without it.

#include "dialog_answers.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace zolvan::testing {
namespace {

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

// A key reached with Tab is pressed with Space, and the focus goes back to the input line.
TEST(KeyboardWalkKeys, SpacePressesTheFocusedKey) {
    ShownWindow w;
    w.line()->setFocus();
    w.type("2");
    for (const char* key : {"cmdNum_7", "chkInverse", "cmdNum_27"}) { // "7", Inv, then "sin"
        w.find(key)->setFocus(Qt::TabFocusReason);
        w.key(Qt::Key_Space);
        EXPECT_TRUE(w.line()->hasFocus()) << key;
    }
    EXPECT_EQ(w.line()->text(), q("27:asin"));
}

struct WalkCase {
    const char* name;
    std::vector<QKeyCombination> setUp; // keys that open panels before the walk
    const char* expected;               // the compacted walk
};

class KeyboardWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(KeyboardWalk, TabReachesTheShownControlsInReadingOrder) {
    ShownWindow w;
    for (QKeyCombination key : GetParam().setUp) {
        w.key(key);
    }
    w.line()->setFocus();
    EXPECT_EQ(compact(tabWalk(w)).toStdString(), GetParam().expected);
}

// Between the image bar and the "=" key the walk moves as a reader does: row by row from the
// top, left to right within a row.
TEST(KeyboardWalkKeys, FollowTheRowsOfTheKeypad) {
    ShownWindow w;
    w.line()->setFocus();
    QPoint previous(-1, -1);
    int keys = 0;
    for (const QString& name : tabWalk(w)) {
        QWidget* key = w.find(name.toUtf8().constData());
        if (key == w.line()) {
            continue;
        }
        const QPoint place = key->mapTo(&w.vescal, QPoint(0, 0));
        EXPECT_TRUE(std::pair(place.y(), place.x()) > std::pair(previous.y(), previous.x()))
            << name.toStdString() << " comes before a key above or to its left";
        previous = place;
        ++keys;
    }
    EXPECT_EQ(keys, 10 + 39 + 2); // the image bar, the keypad, Inv and "="
}

// Every control on the walk is drawn differently with the focus than without it.
TEST_P(KeyboardWalk, FocusIsAlwaysVisible) {
    ShownWindow w;
    for (QKeyCombination key : GetParam().setUp) {
        w.key(key);
    }
    w.line()->setFocus();
    const QStringList names = tabWalk(w);
    for (const QString& name : names) {
        QWidget* widget = w.find(name.toUtf8().constData());
        widget->setFocus(Qt::TabFocusReason);
        const QImage focused = widget->grab().toImage();
        widget->clearFocus();
        const QImage unfocused = widget->grab().toImage();
        EXPECT_NE(focused, unfocused) << name.toStdString() << " shows no sign of the focus";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Panels, KeyboardWalk,
    ::testing::Values(
        WalkCase{"Normal", {}, "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter"},
        // The open number-format frame takes the place of the keys it covers.
        WalkCase{"NumberFormat",
                 {Qt::CTRL | Qt::Key_F},
                 "txtUnosFormule optNumber_0 optRadDeg_0 cmdHide cmdNum×4 cmdEnter"},
        WalkCase{"FixedFormat",
                 {Qt::CTRL | Qt::Key_F, Qt::Key_F5, Qt::Key_F5},
                 "txtUnosFormule optNumber_2 txtDecimala chkTisuca optRadDeg_0 cmdHide cmdNum×4 "
                 "cmdEnter"},
        WalkCase{"Expanded",
                 {Qt::Key_F9},
                 "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter cmdConstant×4 "
                 "txtKvadratna_2 txtKvadratna_1 txtKvadratna_0 cmdKvadratna txtPower optRadiani_0 "
                 "cmdFunction×36"},
        WalkCase{"ExpandedInDegrees",
                 {Qt::Key_F9, Qt::Key_F8},
                 "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter cmdConstant×4 "
                 "txtKvadratna_2 txtKvadratna_1 txtKvadratna_0 cmdKvadratna txtPower optRadiani_1 "
                 "cmdFunction×36"},
        // A list view stands in the place of the function panel and its fields.
        WalkCase{"SIUnits",
                 {Qt::Key_F9, Qt::CTRL | Qt::Key_U},
                 "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter cmdConstant×4 "
                 "lstConstants_0"},
        WalkCase{"PhysicalConstants",
                 {Qt::Key_F11},
                 "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter cmdConstant×4 "
                 "lstConstants_1"},
        // View > Custom Constant by its access keys, before any file was loaded: the prefixes.
        WalkCase{"Prefixes",
                 {Qt::ALT | Qt::Key_V, Qt::Key_C},
                 "txtUnosFormule imgMenu×10 cmdNum×12 chkInverse cmdNum×27 cmdEnter cmdConstant×4 "
                 "lstConstants_2"}),
    [](const auto& info) { return std::string(info.param.name); });

// View > New Custom Constant by its access keys: the loaded file's list takes the prefixes' place
// on the walk, and Enter on a line inserts that line (a custom list has no name/value pairs).
TEST(KeyboardWalkCustomList, LoadedFileIsOnTheWalk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(q("metals.con"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Iron (g/cm3)\r\n 7.874\r\n");
    file.close();
    ShownWindow w;
    whenFileDialogOpensChoose(path);
    w.key(Qt::ALT | Qt::Key_V);
    w.key(Qt::Key_N);
    reactivate(w);
    w.line()->setFocus();
    EXPECT_TRUE(compact(tabWalk(w)).endsWith(q("cmdConstant×4 lstConstants_3")));
    w.key(Qt::SHIFT | Qt::Key_Tab); // back from the input line to the end of the walk
    w.key(Qt::Key_End);
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.line()->text(), q(" 7.874"));
}

} // namespace
} // namespace zolvan::testing
