#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// Caption and height after start-up are checked by the window-mode sequences, the kept ":" marks
// of function names by the golden sessions.
TEST(FormLoad, PreparesTheWindowAndTakesTheSeparatorFromTheLocale) {
    const char separators[][2] = {{'.', '.'}, {',', ','}, {'\0', '.'}}; // locale answer, taken
    for (const auto& row : separators) {
        StartedWorkspace s(row[0]);
        EXPECT_EQ(s.w.engine.DecimalSeparator, row[1]) << "an odd answer falls back to a point";
        EXPECT_EQ(s.w.windowWidth, 3690);
        EXPECT_TRUE(s.w.keyPreview);
        EXPECT_EQ(s.w.hoverIndex, -1);
        EXPECT_EQ(s.w.imgButonMaskLeft, -350);
        EXPECT_EQ(s.w.engine.Random(), std::minstd_rand(s.services.seed)()) << "clock seed";
    }
}

TEST(StartState, IndicatorsShowTheirCaptionsAndTooltipsAndAnsIsEmpty) {
    StartedWorkspace s;
    std::string shown;
    for (const Label& label : s.w.lblInfo) {
        shown += label.caption + label.toolTip + "|";
    }
    EXPECT_EQ(shown, "AUTO Number Format (F5) |SCI Number Format (F5) |FIX Number Format (F5) |"
                     "MEM Memory (F6-store / F7-recall) |RAD Radians (F8) |DEG Degrees (F8) |"
                     "GRAD Grads (F8) |");
    EXPECT_EQ(s.enter(":ans").result, "");
}

TEST(HoverReset, HidesTheMaskOnceAndThenDoesNothing) {
    StartedWorkspace s;
    s.w.maskShown = true;
    s.w.hoverIndex = 4;
    s.w.imgButonMaskLeft = 1400;
    s.w.txtUnosFormule_MouseMove();
    EXPECT_FALSE(s.w.maskShown);
    EXPECT_EQ(s.w.hoverIndex, -1);
    EXPECT_EQ(s.w.imgButonMaskLeft, -350);
    s.w.hoverIndex = 2; // a move without the mask shown leaves everything alone
    s.w.txtUnosFormule_MouseMove();
    EXPECT_EQ(s.w.hoverIndex, 2);
}

} // namespace
} // namespace zolvan
