// The window-system services done with Qt, the translation of Qt keys into the handlers' key
// codes, and the caret conversion between characters and UTF-16 units.

#include "ui/key_preview.h"
#include "ui/view_sync.h"
#include "window_fixture.h"

#include <QKeyEvent>

#include <optional>

namespace zolvan::testing {
namespace {

struct SeparatorCase {
    const char* locale;
    const char* result; // of 5/2
};

class DecimalSeparator : public ::testing::TestWithParam<SeparatorCase> {};

// The window takes the decimal separator from the locale it was given.
TEST_P(DecimalSeparator, ShowsResultsInTheUserNumberFormat) {
    ShownWindow w{QLocale(q(GetParam().locale))};
    w.enter("5/2");
    EXPECT_EQ(w.text("lblRezultat_0"), q(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalSeparator,
                         ::testing::Values(SeparatorCase{"en_US", "2.5"},
                                           SeparatorCase{"de_DE", "2,5"}),
                         [](const auto& info) { return std::string(info.param.locale); });

TEST(QtServices, TopmostKeepsTheWindowWhereItIsAndActive) {
    QWidget window;
    window.setGeometry(50, 60, 200, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QRect before = window.geometry();
    QtServices services(window, QLocale::c());
    for (bool on : {true, false}) {
        services.setTopmost(on);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(window.geometry(), before);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
}

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

// With Shift held a digit key reports its symbol; its scan code still tells the digit.
INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslation,
    ::testing::Values(
        KeyCase{"F1", Qt::Key_F1, Qt::NoModifier, 0, VirtualKey{112, 0}},
        KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, 0, VirtualKey{27, 0}},
        KeyCase{"AltDigit", Qt::Key_3, Qt::AltModifier, 0, VirtualKey{51, 4}},
        KeyCase{"ShiftedSymbol", Qt::Key_NumberSign, kShiftCtrl, 12, VirtualKey{51, 3}},
        KeyCase{"ShiftedZero", Qt::Key_ParenRight, Qt::ShiftModifier, 19, VirtualKey{48, 1}},
        KeyCase{"KeypadDigit", Qt::Key_3, kCtrl | Qt::KeypadModifier, 89, std::nullopt},
        KeyCase{"Letter", Qt::Key_A, kCtrl, 38, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// U+1D70B (mathematical italic pi) takes two UTF-16 units.
TEST(CaretConversion, CountsCharactersNotUnits) {
    const QString text = QString::fromUtf8("2\xF0\x9D\x9C\x8B+1");
    for (auto [codePoints, utf16] : {std::pair{1, 1}, {2, 3}, {4, 5}}) {
        EXPECT_EQ(utf16Index(text, codePoints), utf16) << codePoints;
        EXPECT_EQ(codePointIndex(text, utf16), codePoints) << utf16;
    }
}

} // namespace
} // namespace zolvan::testing
