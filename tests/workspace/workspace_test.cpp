#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <random>

namespace zolvan {
namespace {

using testing::FakeServices;
using testing::StartedWorkspace;

struct StartCase {
    const char* name;
    char localeSeparator;
    unsigned seed;
    char expectedSeparator;
};

class FormLoad : public ::testing::TestWithParam<StartCase> {};

TEST_P(FormLoad, SetsTheWindowAndTheFewNonZeroValues) {
    const StartCase& c = GetParam();
    FakeServices services;
    services.separator = c.localeSeparator;
    services.seed = c.seed;
    Workspace w(services);
    w.Form_Load();

    EXPECT_EQ(w.caption, "Korvid. Zolvan 1.8");
    EXPECT_EQ(w.windowWidth, 3690);
    EXPECT_EQ(w.windowHeight, 5950);
    EXPECT_TRUE(w.keyPreview);
    EXPECT_EQ(w.hoverIndex, -1);
    EXPECT_EQ(w.imgButonMaskLeft, -350);
    EXPECT_EQ(w.DecimalDigits, "00");
    EXPECT_TRUE(w.engine.ShowSeparators);
    EXPECT_EQ(w.engine.DecimalSeparator, c.expectedSeparator);
    std::minstd_rand expected(c.seed);
    EXPECT_EQ(w.engine.Random(), expected()) << "the generator is seeded from the clock";
}

INSTANTIATE_TEST_SUITE_P(Locales, FormLoad,
                         ::testing::Values(StartCase{"PointLocale", '.', 7u, '.'},
                                           StartCase{"CommaLocale", ',', 99u, ','},
                                           StartCase{"OddAnswerFallsBackToPoint", '\0', 3u, '.'}),
                         [](const auto& info) { return std::string(info.param.name); });

struct IndicatorCase {
    std::size_t index;
    const char* caption;
    const char* toolTip;
    Rgb colour;
};

TEST(StartState, IndicatorsShowAutoAndRadiansInTheDesignColour) {
    StartedWorkspace s;
    const IndicatorCase table[] = {
        {0, "AUTO", " Number Format (F5) ", kDesignColour},
        {1, "SCI", " Number Format (F5) ", kGreyColour},
        {2, "FIX", " Number Format (F5) ", kGreyColour},
        {3, "MEM", " Memory (F6-store / F7-recall) ", kGreyColour},
        {4, "RAD", " Radians (F8) ", kDesignColour},
        {5, "DEG", " Degrees (F8) ", kGreyColour},
        {6, "GRAD", " Grads (F8) ", kGreyColour},
    };
    for (const IndicatorCase& row : table) {
        SCOPED_TRACE(row.caption);
        const Label& label = s.w.lblInfo[row.index];
        EXPECT_EQ(label.caption, row.caption);
        EXPECT_EQ(label.toolTip, row.toolTip);
        EXPECT_EQ(label.foreColour, row.colour);
    }
}

TEST(StartState, AnsIsEmptyBeforeTheFirstCalculation) {
    StartedWorkspace s;
    const LineReport report = s.enter(":ans");
    EXPECT_EQ(report.result, "");
    ASSERT_EQ(s.w.lstRezultat.items.size(), 1u);
    EXPECT_EQ(s.w.lstRezultat.items[0], "");
}

TEST(HoverReset, HidesTheMaskOnceAndThenDoesNothing) {
    StartedWorkspace s;
    Workspace& w = s.w;
    w.maskShown = true;
    w.hoverIndex = 4;
    w.imgButonMaskLeft = 1400;
    w.txtUnosFormule_MouseMove();
    EXPECT_FALSE(w.maskShown);
    EXPECT_EQ(w.hoverIndex, -1);
    EXPECT_EQ(w.imgButonMaskLeft, -350);

    w.hoverIndex = 2; // a move without the mask shown leaves everything alone
    w.txtUnosFormule_MouseMove();
    EXPECT_EQ(w.hoverIndex, 2);
}

TEST(InputFrame, ClickPutsTheCaretBeforeTheFirstCharacter) {
    StartedWorkspace s;
    s.w.txtUnosFormule.setText("H2SO4");
    s.w.txtUnosFormule.select(3, 2);
    s.w.txtBlank_Click();
    EXPECT_EQ(s.w.txtUnosFormule.selStart(), 0);
    EXPECT_EQ(s.w.txtUnosFormule.selLength(), 0);
    EXPECT_EQ(s.w.focus, FocusTarget::txtUnosFormule);
}

} // namespace
} // namespace zolvan
