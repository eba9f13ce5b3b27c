// The number-format frame and the angle and power controls: what the user sets reaches the
// display at once, the indicators follow, and text that is no acceptable number changes nothing.

#include "window_fixture.h"

#include <QCheckBox>
#include <QPushButton>

#include <functional>

namespace zolvan::testing {
namespace {

const QColor kActive(0, 92, 64);
const QColor kGrey(192, 192, 192);
const QColor kDesign(64, 64, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

// A window with the number-format frame shown and the right-hand panels in view.
struct SettingsWindow : ShownWindow {
    SettingsWindow() {
        key(Qt::Key_F, Qt::ControlModifier);
        key(Qt::Key_F9);
    }
    // Replaces the text of a box as a user does: select everything, type over it.
    void retype(const char* box, const char* text) {
        QLineEdit* edit = line(box);
        edit->setFocus();
        edit->selectAll();
        if (*text == '\0') {
            key(Qt::Key_Delete);
        }
        type(q(text));
    }
    QString result() { return label(q("lblRezultat_0"))->text(); }
};

TEST(NumberFrame, MenuShowsAndHidesCloseHides) {
    ShownWindow w;
    QWidget* frame = w.find<QWidget>(q("frmNumber"));
    w.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(w.line()->hasFocus());
    w.click(q("cmdHide"));
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(w.line()->hasFocus());
    w.key(Qt::Key_F, Qt::ControlModifier);
    w.key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

TEST(NumberFrame, ScrollBarRanges) {
    SettingsWindow w;
    auto* decimals = w.find<QScrollBar>(q("vsbDecimala"));
    auto* power = w.find<QScrollBar>(q("vsbPower"));
    EXPECT_EQ(decimals->minimum(), 0);
    EXPECT_EQ(decimals->maximum(), 12);
    EXPECT_EQ(decimals->value(), 2);
    EXPECT_EQ(power->minimum(), 0);
    EXPECT_EQ(power->maximum(), 308);
    EXPECT_EQ(power->value(), 3);
    EXPECT_EQ(w.line("txtDecimala")->text(), q("2"));
    EXPECT_EQ(w.line("txtPower")->text(), q("3"));
}

struct IndicatorStep {
    const char* name;
    std::function<void(SettingsWindow&)> act;
    std::array<QColor, 7> indicators;
    std::array<QColor, 3> radiani;
};

// One window, changed step by step; after each step every indicator and the caption colours of
// the function panel's angle buttons are checked.
TEST(Indicators, FollowEverySettingChange) {
    const auto click = [](const char* name) {
        return [name](SettingsWindow& w) { w.click(q(name)); };
    };
    const auto press = [](Qt::Key key) { return [key](SettingsWindow& w) { w.key(key); }; };
    const IndicatorStep steps[] = {
        {"Scientific",
         click("optNumber_1"),
         {kGrey, kActive, kGrey, kGrey, kDesign, kGrey, kGrey},
         {kBlue, kBlack, kBlack}},
        {"Fixed",
         click("optNumber_2"),
         {kGrey, kGrey, kActive, kGrey, kDesign, kGrey, kGrey},
         {kBlue, kBlack, kBlack}},
        {"AutoIndicator",
         click("lblInfo_0"),
         {kActive, kGrey, kGrey, kGrey, kDesign, kGrey, kGrey},
         {kBlue, kBlack, kBlack}},
        {"F5",
         press(Qt::Key_F5),
         {kGrey, kActive, kGrey, kGrey, kDesign, kGrey, kGrey},
         {kBlue, kBlack, kBlack}},
        {"F8",
         press(Qt::Key_F8),
         {kGrey, kActive, kGrey, kGrey, kGrey, kActive, kGrey},
         {kBlack, kBlue, kBlack}},
        {"GradInFrame",
         click("optRadDeg_2"),
         {kGrey, kActive, kGrey, kGrey, kGrey, kGrey, kActive},
         {kBlack, kBlack, kBlue}},
        {"RadiansOnPanel",
         click("optRadiani_0"),
         {kGrey, kActive, kGrey, kGrey, kActive, kGrey, kGrey},
         {kBlue, kBlack, kBlack}},
        {"DegIndicator",
         click("lblInfo_5"),
         {kGrey, kActive, kGrey, kGrey, kGrey, kActive, kGrey},
         {kBlack, kBlue, kBlack}},
        {"MemoryStore",
         [](SettingsWindow& w) {
             w.enter(q("3*4"));
             w.key(Qt::Key_F6);
         },
         {kGrey, kActive, kGrey, kActive, kGrey, kActive, kGrey},
         {kBlack, kBlue, kBlack}},
    };
    SettingsWindow w;
    for (const IndicatorStep& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(w);
        for (std::size_t i = 0; i < step.indicators.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(ShownWindow::colour(w.label(QStringLiteral("lblInfo_%1").arg(i))),
                      step.indicators[i]);
        }
        for (std::size_t i = 0; i < step.radiani.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(ShownWindow::colour(w.find<QWidget>(QStringLiteral("optRadiani_%1").arg(i))),
                      step.radiani[i]);
        }
    }
    EXPECT_EQ(w.label(q("lblInfo_3"))->toolTip(), q(" 12 "));
}

TEST(Indicators, AngleGroupsAgree) {
    SettingsWindow w;
    w.click(q("optRadiani_2"));
    EXPECT_TRUE(w.find<QRadioButton>(q("optRadDeg_2"))->isChecked());
    EXPECT_TRUE(w.line()->hasFocus());
    w.click(q("optRadDeg_1"));
    EXPECT_TRUE(w.find<QRadioButton>(q("optRadiani_1"))->isChecked());
    EXPECT_FALSE(w.find<QRadioButton>(q("optRadiani_2"))->isChecked());
}

struct FormatStep {
    const char* name;
    std::function<void(SettingsWindow&)> act;
    const char* result; // nullptr: as the engine first showed it in automatic mode
    const char* decimalsText;
    bool decimalsEnabled;
    bool separatorEnabled;
};

// Every change of a display setting shows the current result again in the new format.
TEST(DisplaySettings, CurrentResultFollowsEachChange) {
    const auto click = [](const char* name) {
        return [name](SettingsWindow& w) { w.click(q(name)); };
    };
    const FormatStep steps[] = {
        {"Fixed", click("optNumber_2"), "0.33", "2", true, true},
        {"FourPlaces", [](SettingsWindow& w) { w.retype("txtDecimala", "4"); }, "0.3333", "4", true,
         true},
        {"ScrollUp",
         [](SettingsWindow& w) {
             w.find<QScrollBar>(q("vsbDecimala"))
                 ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         },
         "0.33333", "5", true, true},
        {"Separator", click("chkTisuca"), "0.33", "2", true, true},
        {"ScientificKeepsTheTick", click("optNumber_1"), "3.33 E-01", "2", true, false},
        {"FixedWithSeparator", click("optNumber_2"), "0.33", "2", false, true},
        {"SeparatorOff", click("chkTisuca"), "0.33", "2", false, true},
        {"Automatic", click("optNumber_0"), nullptr, "2", false, false},
    };
    SettingsWindow w;
    w.enter(q("1/3"));
    const QString automatic = w.result();
    for (const FormatStep& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(w);
        EXPECT_EQ(w.result(), step.result != nullptr ? q(step.result) : automatic);
        EXPECT_EQ(w.line("txtDecimala")->text(), q(step.decimalsText));
        EXPECT_EQ(w.line("txtDecimala")->isEnabled(), step.decimalsEnabled);
        EXPECT_EQ(w.find<QWidget>(q("chkTisuca"))->isEnabled(), step.separatorEnabled);
    }
    EXPECT_TRUE(w.find<QCheckBox>(q("chkTisuca"))->isChecked() == false);
}

struct TypedNumber {
    const char* name;
    const char* box;
    const char* bar;
    const char* typed;
    const char* shown; // text of the box afterwards
    int value;         // of the scroll bar afterwards
};

class TypedSetting : public ::testing::TestWithParam<TypedNumber> {};

// Decimals start from 4 accepted places in fixed mode, the power from 3. Typing goes key by key,
// so "400" passes through 4 and 40 on its way.
TEST_P(TypedSetting, KeepsTheLastAcceptedValue) {
    const TypedNumber& c = GetParam();
    SettingsWindow w;
    w.enter(q("1/3"));
    w.click(q("optNumber_2"));
    w.retype("txtDecimala", "4");
    const QString before = w.result();
    w.retype(c.box, c.typed);
    EXPECT_EQ(w.line(c.box)->text(), q(c.shown));
    EXPECT_EQ(w.find<QScrollBar>(q(c.bar))->value(), c.value);
    if (q(c.box) == q("txtDecimala") && c.value == 4) {
        EXPECT_EQ(w.result(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedSetting,
    ::testing::Values(TypedNumber{"DecimalsLetters", "txtDecimala", "vsbDecimala", "x", "x", 4},
                      TypedNumber{"DecimalsEmpty", "txtDecimala", "vsbDecimala", "", "", 4},
                      TypedNumber{"DecimalsNegative", "txtDecimala", "vsbDecimala", "-3", "-3", 4},
                      TypedNumber{"DecimalsAboveTwelve", "txtDecimala", "vsbDecimala", "15", "12",
                                  12},
                      TypedNumber{"DecimalsInRange", "txtDecimala", "vsbDecimala", "7", "7", 7},
                      TypedNumber{"PowerInRange", "txtPower", "vsbPower", "12", "12", 12},
                      TypedNumber{"PowerTooLarge", "txtPower", "vsbPower", "400", "400", 40},
                      TypedNumber{"PowerFraction", "txtPower", "vsbPower", "2.5", "2.5", 2},
                      TypedNumber{"PowerLetters", "txtPower", "vsbPower", "e", "e", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplaySettings, TypingDecimalsKeepsTheCaretWhereTheUserTypes) {
    SettingsWindow w;
    w.click(q("optNumber_2"));
    w.retype("txtDecimala", "1");
    w.type(q("0"));
    EXPECT_EQ(w.line("txtDecimala")->text(), q("10"));
    EXPECT_EQ(w.find<QScrollBar>(q("vsbDecimala"))->value(), 10);
}

TEST(PowerField, ScrollBarWritesTheTextAndFocusSelectsIt) {
    SettingsWindow w;
    w.find<QScrollBar>(q("vsbPower"))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QLineEdit* power = w.line("txtPower");
    EXPECT_EQ(power->text(), q("4"));
    power->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(power->selectedText(), q("4"));
}

} // namespace
} // namespace zolvan::testing
