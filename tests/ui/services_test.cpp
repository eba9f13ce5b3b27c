// The window-system services done with Qt, the translation of Qt keys into the handlers' key
// codes, and the caret conversion between characters and UTF-16 units.

#include "ui/key_preview.h"
#include "ui/qt_services.h"
#include "ui/view_sync.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace zolvan {
namespace {

struct SeparatorCase {
    const char* name;
    QLocale locale;
    char separator;
};

class DecimalSeparator : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparator, IsFoundByWritingOneHalf) {
    QWidget window;
    QtServices services(window, GetParam().locale);
    EXPECT_EQ(services.localeDecimalSeparator(), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DecimalSeparator,
    ::testing::Values(
        SeparatorCase{"C", QLocale::c(), '.'},
        SeparatorCase{"English", QLocale(QLocale::English, QLocale::UnitedStates), '.'},
        SeparatorCase{"German", QLocale(QLocale::German, QLocale::Germany), ','},
        SeparatorCase{"SwissGerman", QLocale(QLocale::German, QLocale::Switzerland), '.'},
        SeparatorCase{"French", QLocale(QLocale::French, QLocale::France), ','},
        SeparatorCase{"Japanese", QLocale(QLocale::Japanese, QLocale::Japan), '.'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtServices, EventPumpRunsPendingEvents) {
    QWidget window;
    QtServices services(window, QLocale::c());
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    services.doEvents();
    EXPECT_TRUE(ran);
}

TEST(QtServices, TopmostKeepsAShownWindowWhereItIs) {
    QWidget window;
    window.setGeometry(50, 60, 200, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.geometry();
    QtServices services(window, QLocale::c());
    for (bool on : {true, true, false, false}) {
        services.setTopmost(on);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.geometry(), before);
    }
}

TEST(QtServices, TopmostOfAHiddenWindowDoesNotShowIt) {
    QWidget window;
    QtServices services(window, QLocale::c());
    services.setTopmost(true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.isVisible());
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

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslation,
    ::testing::Values(KeyCase{"F1", Qt::Key_F1, kNone, 0, VirtualKey{112, 0}},
                      KeyCase{"F2", Qt::Key_F2, kNone, 0, VirtualKey{113, 0}},
                      KeyCase{"F8", Qt::Key_F8, kNone, 0, VirtualKey{119, 0}},
                      KeyCase{"F12", Qt::Key_F12, kNone, 0, VirtualKey{123, 0}},
                      KeyCase{"Escape", Qt::Key_Escape, kNone, 0, VirtualKey{27, 0}},
                      KeyCase{"Digit1", Qt::Key_1, kNone, 0, VirtualKey{49, 0}},
                      KeyCase{"CtrlDigit9", Qt::Key_9, Qt::ControlModifier, 0, VirtualKey{57, 2}},
                      KeyCase{"AltDigit3", Qt::Key_3, Qt::AltModifier, 0, VirtualKey{51, 4}},
                      KeyCase{"ShiftCtrlDigit", Qt::Key_2, Qt::ShiftModifier | Qt::ControlModifier,
                              0, VirtualKey{50, 3}},
                      KeyCase{"ShiftedSymbolOfDigitKey", Qt::Key_NumberSign,
                              Qt::ShiftModifier | Qt::ControlModifier, 12, VirtualKey{51, 3}},
                      KeyCase{"ShiftedSymbolOfDigitKeyZero", Qt::Key_ParenRight, Qt::ShiftModifier,
                              19, VirtualKey{48, 1}},
                      KeyCase{"KeypadDigit", Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier,
                              89, std::nullopt},
                      KeyCase{"Letter", Qt::Key_A, Qt::ControlModifier, 38, std::nullopt},
                      KeyCase{"Return", Qt::Key_Return, kNone, 36, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct CaretCase {
    const char* name;
    QString text;
    int codePoints;
    int utf16;
};

class CaretConversion : public ::testing::TestWithParam<CaretCase> {};

TEST_P(CaretConversion, CountsCharactersNotUnits) {
    const CaretCase& c = GetParam();
    EXPECT_EQ(utf16Index(c.text, c.codePoints), c.utf16);
    EXPECT_EQ(codePointIndex(c.text, c.utf16), c.codePoints);
}

// U+1D70B (mathematical italic pi) takes two UTF-16 units.
const QString kWide = QString::fromUtf8("2\xF0\x9D\x9C\x8B+1");

INSTANTIATE_TEST_SUITE_P(
    Texts, CaretConversion,
    ::testing::Values(CaretCase{"Start", kWide, 0, 0}, CaretCase{"BeforeWide", kWide, 1, 1},
                      CaretCase{"AfterWide", kWide, 2, 3}, CaretCase{"End", kWide, 4, 5},
                      CaretCase{"PlainText", QStringLiteral("abc"), 2, 2},
                      CaretCase{"Umlaut", QString::fromUtf8("\xC3\xA4x"), 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan
