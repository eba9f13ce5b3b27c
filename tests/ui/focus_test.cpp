// The keyboard alone: Tab walks the controls the window shows, and the control that holds the
// focus always looks different from the same control without it.

#include "dialog_answers.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

namespace zolvan::testing {
namespace {

// Presses Tab until the focus comes back to where it started; the focused controls in order.
QStringList tabWalk(ShownWindow& w) {
    QStringList order;
    QWidget* start = QApplication::focusWidget();
    for (int presses = 0; presses < 60; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        order << (focused != nullptr ? focused->objectName() : QStringLiteral("(none)"));
        w.key(Qt::Key_Tab);
        if (QApplication::focusWidget() == start) {
            break;
        }
    }
    return order;
}

struct WalkCase {
    const char* name;
    std::vector<QKeyCombination> setUp; // keys that open panels before the walk
    const char* expected;               // the focused controls, joined by " "
};

class KeyboardWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(KeyboardWalk, TabReachesTheShownControlsInReadingOrder) {
    ShownWindow w;
    for (QKeyCombination key : GetParam().setUp) {
        w.key(key);
    }
    w.line()->setFocus();
    EXPECT_EQ(tabWalk(w).join(QLatin1Char(' ')).toStdString(), GetParam().expected);
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
        WalkCase{"Normal", {}, "txtUnosFormule"},
        WalkCase{"NumberFormat",
                 {Qt::CTRL | Qt::Key_F},
                 "txtUnosFormule optNumber_0 optRadDeg_0 cmdHide"},
        WalkCase{"FixedFormat",
                 {Qt::CTRL | Qt::Key_F, Qt::Key_F5, Qt::Key_F5},
                 "txtUnosFormule optNumber_2 txtDecimala chkTisuca optRadDeg_0 cmdHide"},
        WalkCase{
            "Expanded",
            {Qt::Key_F9},
            "txtUnosFormule txtPower optRadiani_0 txtKvadratna_2 txtKvadratna_1 txtKvadratna_0"},
        WalkCase{
            "ExpandedInDegrees",
            {Qt::Key_F9, Qt::Key_F8},
            "txtUnosFormule txtPower optRadiani_1 txtKvadratna_2 txtKvadratna_1 txtKvadratna_0"},
        // A list view stands in the place of the function panel and its fields.
        WalkCase{"SIUnits", {Qt::Key_F9, Qt::CTRL | Qt::Key_U}, "txtUnosFormule lstConstants_0"},
        WalkCase{"PhysicalConstants", {Qt::Key_F11}, "txtUnosFormule lstConstants_1"},
        // View > Custom Constant by its access keys, before any file was loaded: the prefixes.
        WalkCase{"Prefixes", {Qt::ALT | Qt::Key_V, Qt::Key_C}, "txtUnosFormule lstConstants_2"}),
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
    EXPECT_EQ(tabWalk(w).join(QLatin1Char(' ')), q("txtUnosFormule lstConstants_3"));
    w.key(Qt::Key_Tab);
    w.key(Qt::Key_End);
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.line()->text(), q(" 7.874"));
}

} // namespace
} // namespace zolvan::testing
