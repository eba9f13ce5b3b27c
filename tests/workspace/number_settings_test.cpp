#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

namespace zolvan::testing {
namespace {

// A text typed into the decimals box (starts at 2) or the power box (starts at 3).
struct TypedCase {
    std::string name;
    bool fixedWithSeparator, power;
    std::string typed, text;
    int scroll;
};

const TypedCase kTyped[] = {
    {"DecimalsFifteenBecomeTwelve", false, false, "15", "12", 12},
    {"DecimalsHalfRoundsToEven", false, false, "4.5", "4", 4},
    {"FixedWithSeparatorForcesTwo", true, false, "5", "2", 2},
    {"FixedWithSeparatorFifteenEndsAtTwo", true, false, "15", "2", 2},
    {"DecimalsEmptyKeepsLastValue", false, false, "", "", 2},
    {"PowerLargest", false, true, "308", "308", 308},
    {"PowerTooLargeKept", false, true, "309", "309", 3},
    {"PowerWholeNumberWrittenPlain", false, true, "7.0", "7", 7},
};

class TypedNumber : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedNumber, IsAcceptedLimitedOrKept) {
    const TypedCase& c = GetParam();
    StartedWorkspace s;
    Workspace& w = s.w;
    NumberSettings& n = s.w.numberSettings;
    w.numberSettings.optNumber.select(c.fixedWithSeparator ? 2 : 0);
    n.chkTisuca.setChecked(c.fixedWithSeparator);
    TextBox& box = c.power ? n.txtPower : w.numberSettings.txtDecimala;
    box.setText(c.typed);
    EXPECT_EQ(box.text(), c.text);
    EXPECT_EQ((c.power ? n.vsbPower : n.vsbDecimala).value(), c.scroll);
    EXPECT_EQ(w.DecimalDigits, std::string(static_cast<std::size_t>(n.vsbDecimala.value()), '0'));
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedNumber, ::testing::ValuesIn(kTyped), rowName);

// Each step sets the 1000 separator, selects a display mode and checks what the mode enables,
// which indicator it lights and how it shows the result again.
TEST(DisplayModeOption, EnablesItsControlsLightsItsIndicatorAndRedisplays) {
    const struct {
        const char* name;
        bool thousands;
        int mode;
        bool decimalsEnabled, checkEnabled;
        const char* shown;
    } steps[] = {
        {"Scientific", false, 1, true, false, "1.234568 E+03"},
        {"Fixed", false, 2, true, true, "1234.567800"},
        {"ScientificKeepsTheTick", true, 1, true, false, "1.23 E+03"},
        {"FixedWithSeparator", true, 2, false, true, "1,234.57"},
        {"Automatic", true, 0, false, false, "1234.5678"},
    };
    StartedWorkspace s;
    Workspace& w = s.w;
    NumberSettings& n = s.w.numberSettings;
    w.engine.ResultText = "1234.5678";
    w.numberSettings.txtDecimala.setText("6");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        n.chkTisuca.setChecked(step.thousands);
        w.numberSettings.optNumber.select(step.mode);
        EXPECT_EQ(w.numberSettings.txtDecimala.enabled + n.lblDecimala.enabled +
                      n.vsbDecimala.enabled,
                  step.decimalsEnabled ? 3 : 0);
        EXPECT_EQ(n.chkTisuca.enabled, step.checkEnabled);
        EXPECT_EQ(w.lblRezultat[0].caption, step.shown);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(w.lblInfo[k].foreColour, k == step.mode ? kActiveColour : kGreyColour) << k;
        }
    }
}

TEST(OptionEvents, ShownOptionRunsNothingAndAngleGroupsFollowEachOther) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.lblRezultat[0].caption = "untouched";
    w.lblInfo_Click(0); // automatic is already selected
    EXPECT_EQ(w.lblInfo[0].foreColour, kDesignColour) << "no handler repainted it";
    EXPECT_EQ(w.lblRezultat[0].caption, "untouched") << "nor redisplayed";

    w.focus = FocusTarget::None;
    w.numberSettings.optRadiani.select(1); // "Degrees" on the function panel
    EXPECT_EQ(w.focus, FocusTarget::txtUnosFormule);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(w.lblInfo[4 + k].foreColour, k == 1 ? kActiveColour : kGreyColour) << k;
        EXPECT_EQ(w.numberSettings.optRadiani.buttons[k].foreColour,
                  k == 1 ? kBlueColour : kBlackColour)
            << k;
    }
    EXPECT_EQ(w.lblRezultat[0].caption, "untouched") << "the unit applies from the next line";
}

} // namespace
} // namespace zolvan::testing
