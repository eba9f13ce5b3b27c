// The keyboard alone: Tab walks the controls the window shows, and the control that holds the
// focus always looks different from the same control without it.

#include "window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QStringList>

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
            "txtUnosFormule txtPower optRadiani_1 txtKvadratna_2 txtKvadratna_1 txtKvadratna_0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan::testing
