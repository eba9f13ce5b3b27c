#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// A text typed into the decimals box after `accepted` was taken, in a display mode.
struct DecimalsCase {
    const char* name;
    char separator;
    int mode;
    bool thousands;
    const char* accepted;
    const char* typed;
    const char* text;
    int places;
};

class DecimalPlacesBox : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(DecimalPlacesBox, AcceptsLimitsOrKeepsTheLastValue) {
    const DecimalsCase& c = GetParam();
    StartedWorkspace s(c.separator);
    Workspace& w = s.w;
    w.engine.ResultText = "3.14159";
    if (c.separator == ',') {
        w.engine.ResultText = "3,14159";
    }
    w.optNumber.select(c.mode);
    w.txtDecimala.setText(c.accepted);
    w.chkTisuca.setChecked(c.thousands);

    w.txtDecimala.setText(c.typed);

    EXPECT_EQ(w.txtDecimala.text(), c.text);
    EXPECT_EQ(w.DecimalPlaces, c.places);
    EXPECT_EQ(w.vsbDecimala.value(), c.places);
    EXPECT_EQ(w.DecimalDigits, std::string(static_cast<std::size_t>(c.places), '0'));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalPlacesBox,
    ::testing::Values(
        DecimalsCase{"Accepted", '.', 1, false, "4", "7", "7", 7},
        DecimalsCase{"FifteenBecomesTwelve", '.', 1, false, "4", "15", "12", 12},
        DecimalsCase{"HugeBecomesTwelve", '.', 2, false, "4", "1e300", "12", 12},
        DecimalsCase{"HalfRoundsDownToEven", '.', 2, false, "4", "2.5", "2", 2},
        DecimalsCase{"HalfRoundsUpToEven", ',', 2, false, "4", "3,5", "4", 4},
        DecimalsCase{"WholeNumberWrittenPlain", '.', 1, false, "4", "7.0", "7", 7},
        DecimalsCase{"ZeroMeansNoPlaces", '.', 2, false, "4", "0", "0", 0},
        DecimalsCase{"FixedWithSeparatorForcesTwo", '.', 2, true, "4", "5", "2", 2},
        DecimalsCase{"FixedWithSeparatorFifteenEndsAtTwo", '.', 2, true, "4", "15", "2", 2},
        DecimalsCase{"LettersKeepLastValue", '.', 1, false, "4", "abc", "abc", 4},
        DecimalsCase{"EmptyKeepsLastValue", '.', 1, false, "4", "", "", 4},
        DecimalsCase{"NegativeKeepsLastValue", '.', 1, false, "4", "-1", "-1", 4},
        DecimalsCase{"OtherSeparatorIsNoNumber", ',', 1, false, "4", "2.5", "2.5", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalPlacesBox, ScrollBarWritesTheBoxWhichRedisplays) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.engine.ResultText = "3.14159";
    w.optNumber.select(2);
    w.vsbDecimala.setValue(3);
    EXPECT_EQ(w.txtDecimala.text(), "3");
    EXPECT_EQ(w.DecimalDigits, "000");
    EXPECT_EQ(w.lblRezultat[0].caption, "3.142");
}

// Which controls a display mode enables, and which indicator it lights.
struct ModeCase {
    const char* name;
    int mode;
    bool thousands;
    bool decimalsEnabled;
    bool checkEnabled;
    const char* decimalsText;
};

class DisplayModeOption : public ::testing::TestWithParam<ModeCase> {};

TEST_P(DisplayModeOption, EnablesItsControlsAndLightsItsIndicator) {
    const ModeCase& c = GetParam();
    StartedWorkspace s;
    Workspace& w = s.w;
    w.optNumber.select(2);
    w.txtDecimala.setText("6");
    w.chkTisuca.setChecked(c.thousands);
    w.optNumber.select(c.mode == 0 ? 1 : 0); // leave, so that the chosen mode is a change
    w.optNumber.select(c.mode);

    EXPECT_EQ(w.DisplayMode, c.mode);
    EXPECT_EQ(w.txtDecimala.enabled, c.decimalsEnabled);
    EXPECT_EQ(w.lblDecimala.enabled, c.decimalsEnabled);
    EXPECT_EQ(w.vsbDecimala.enabled, c.decimalsEnabled);
    EXPECT_EQ(w.chkTisuca.enabled, c.checkEnabled);
    EXPECT_EQ(w.chkTisuca.checked(), c.thousands);
    EXPECT_EQ(w.txtDecimala.text(), c.decimalsText);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(w.lblInfo[k].foreColour, k == c.mode ? kActiveColour : kGreyColour) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayModeOption,
    ::testing::Values(ModeCase{"Automatic", 0, false, false, false, "6"},
                      ModeCase{"Scientific", 1, false, true, false, "6"},
                      ModeCase{"Fixed", 2, false, true, true, "6"},
                      ModeCase{"FixedWithSeparator", 2, true, false, true, "2"},
                      ModeCase{"ScientificKeepsTheTick", 1, true, true, false, "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThousandsSeparator, TickSetsTwoPlacesUntickEnablesTheLabel) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.engine.ResultText = "1234.5678";
    w.optNumber.select(2);
    w.txtDecimala.setText("4");
    EXPECT_EQ(w.lblRezultat[0].caption, "1234.5678");
    w.chkTisuca.setChecked(true);
    EXPECT_TRUE(w.engine.ThousandsSeparator);
    EXPECT_EQ(w.txtDecimala.text(), "2");
    EXPECT_FALSE(w.lblDecimala.enabled);
    EXPECT_EQ(w.lblRezultat[0].caption, "1,234.57");
    w.chkTisuca.setChecked(false);
    EXPECT_FALSE(w.engine.ThousandsSeparator);
    EXPECT_TRUE(w.lblDecimala.enabled);
    EXPECT_EQ(w.lblRezultat[0].caption, "1234.57");
}

TEST(AngleUnit, DegreesOnTheFunctionPanelSelectsEverythingElse) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.engine.ResultText = "0.5";
    w.lblRezultat[0].caption = "0.5";
    w.optRadiani.select(1);
    EXPECT_EQ(w.optRadDeg.selected(), 1);
    EXPECT_EQ(w.engine.AngleUnit, 1);
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
    const std::vector<Rgb> indicators{w.lblInfo[4].foreColour, w.lblInfo[5].foreColour,
                                      w.lblInfo[6].foreColour};
    EXPECT_EQ(indicators, (std::vector<Rgb>{kGreyColour, kActiveColour, kGreyColour}));
    const std::vector<Rgb> captions{w.optRadiani.buttons[0].foreColour,
                                    w.optRadiani.buttons[1].foreColour,
                                    w.optRadiani.buttons[2].foreColour};
    EXPECT_EQ(captions, (std::vector<Rgb>{kBlackColour, kBlueColour, kBlackColour}));
    EXPECT_EQ(w.lblRezultat[0].caption, "0.5") << "the unit applies from the next calculation";
}

TEST(OptionEvents, AngleGroupsCallEachOtherOnceAndAlreadySelectedRunsNothing) {
    StartedWorkspace s;
    Workspace& w = s.w;
    std::vector<int> radDegCalls, radianiCalls;
    auto radDeg = w.optRadDeg.onClick;
    auto radiani = w.optRadiani.onClick;
    w.optRadDeg.onClick = [&, radDeg](int i) {
        radDegCalls.push_back(i);
        radDeg(i);
    };
    w.optRadiani.onClick = [&, radiani](int i) {
        radianiCalls.push_back(i);
        radiani(i);
    };
    w.optRadiani.select(2);
    w.optRadiani.select(2);
    w.optRadDeg.select(2);
    w.optRadDeg.select(0);
    EXPECT_EQ(radDegCalls, (std::vector<int>{2, 0}));
    EXPECT_EQ(radianiCalls, (std::vector<int>{2, 0}));
    EXPECT_EQ(w.optRadiani.buttons[0].foreColour, kBlueColour);
}

TEST(OptionEvents, SelectingTheShownDisplayModeRunsNoHandler) {
    StartedWorkspace s;
    Workspace& w = s.w;
    int calls = 0;
    auto original = w.optNumber.onClick;
    w.optNumber.onClick = [&, original](int i) {
        ++calls;
        original(i);
    };
    w.lblRezultat[0].caption = "untouched";
    w.optNumber.select(0);
    w.lblInfo_Click(0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(w.lblRezultat[0].caption, "untouched");
    EXPECT_EQ(w.lblInfo[0].foreColour, kDesignColour) << "no handler repainted it";
}

TEST(NumberFrame, MenuTogglesAndCloseHides) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.mnuNumber_Click();
    EXPECT_TRUE(w.frmNumber.visible);
    w.mnuNumber_Click();
    EXPECT_FALSE(w.frmNumber.visible);
    w.mnuNumber_Click();
    w.focus = FocusTarget::txtDecimala;
    w.cmdHide_Click();
    EXPECT_FALSE(w.frmNumber.visible);
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
}

struct PowerCase {
    const char* name;
    const char* typed;
    int scroll;
    const char* text;
};

class PowerField : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerField, MovesTheScrollBarOnlyForAWholeNumberInRange) {
    const PowerCase& c = GetParam();
    StartedWorkspace s;
    s.w.txtPower.setText("5");
    s.w.txtPower.setText(c.typed);
    EXPECT_EQ(s.w.vsbPower.value(), c.scroll);
    EXPECT_EQ(s.w.txtPower.text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PowerField,
    ::testing::Values(PowerCase{"Accepted", "12", 12, "12"}, PowerCase{"Zero", "0", 0, "0"},
                      PowerCase{"Largest", "308", 308, "308"},
                      PowerCase{"WholeWithDecimalsWrittenPlain", "7.0", 7, "7"},
                      PowerCase{"TooLargeKept", "309", 5, "309"},
                      PowerCase{"NegativeKept", "-2", 5, "-2"},
                      PowerCase{"FractionKept", "2.5", 5, "2.5"},
                      PowerCase{"LettersKept", "x", 5, "x"}, PowerCase{"EmptyKept", "", 5, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PowerField, ScrollBarWritesTheTextAndFocusSelectsIt) {
    StartedWorkspace s;
    s.w.vsbPower.setValue(42);
    EXPECT_EQ(s.w.txtPower.text(), "42");
    s.w.txtPower_GotFocus();
    EXPECT_EQ(s.w.txtPower.selStart(), 0);
    EXPECT_EQ(s.w.txtPower.selLength(), 2);
}

} // namespace
} // namespace zolvan
