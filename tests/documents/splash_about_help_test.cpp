#include "tests/panels/panel_test.h"

namespace zolvan::testing {
namespace {

// Events on the splash: T a timer tick, C a click or key, L loaded again at start-up. Whether it
// is still shown, and whether the main window has been handed over to.
struct SplashCase {
    std::string name;
    bool fromMenu;
    std::string events;
    bool splashShown, mainShown;
};

const SplashCase kSplashes[] = {
    {"ThreeTicksWait", false, "TTT", true, false},
    {"FourTicksHandOver", false, "TTTT", false, true},
    {"KeyHandsOverAtOnce", false, "TC", false, true},
    {"FromMenuIgnoresTicks", true, "TTTTTTTT", true, false},
    {"FromMenuClosesOnClick", true, "TTTTTC", false, true},
    {"ReloadedCountsAgain", false, "TTCLTTT", true, true},
};

class Splash : public ::testing::TestWithParam<SplashCase> {};

TEST_P(Splash, HandsOverAfterFourTicksOrTheFirstClick) {
    const SplashCase& c = GetParam();
    StartedWorkspace s;
    SplashAboutHelp& splash = s.model.splashAboutHelp;
    c.fromMenu ? splash.mnuSplash_Click() : splash.splashForm_Load();
    EXPECT_EQ(splash.frmSplash.lblPlatform.caption, "Test system");
    for (const char e : c.events) {
        e == 'T'   ? splash.Timer1_Timer()
        : e == 'C' ? splash.closeSplash()
                   : splash.splashForm_Load();
    }
    EXPECT_EQ(splash.frmSplash.loaded, c.splashShown);
    EXPECT_EQ(splash.mainWindowShown, c.mainShown);
}

INSTANTIATE_TEST_SUITE_P(Events, Splash, ::testing::ValuesIn(kSplashes), rowName);

TEST(HelpAndLink, OpenTheContentsAndTheAddress) {
    StartedWorkspace s;
    SplashAboutHelp& link = s.model.splashAboutHelp;
    link.lblURL_Click();
    link.mnuUsage_Click();
    EXPECT_EQ(s.services.urlsOpened, std::vector<std::string>{std::string(kWebAddress)});
    EXPECT_EQ(s.services.helpShown, 1);
}

} // namespace
} // namespace zolvan::testing
