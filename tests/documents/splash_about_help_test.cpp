#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

using testing::StartedWorkspace;

// Events on the splash: T a timer tick, C a click or key. Whether it is still shown, and whether
// the main window has been handed over to.
struct SplashCase {
    const char* name;
    bool fromMenu;
    const char* events;
    bool splashShown;
    bool mainShown;
};

class Splash : public ::testing::TestWithParam<SplashCase> {};

TEST_P(Splash, HandsOverAfterFourTicksOrTheFirstClick) {
    const SplashCase& c = GetParam();
    StartedWorkspace s;
    SplashAboutHelp& splash = s.model.splashAboutHelp;
    c.fromMenu ? splash.mnuSplash_Click() : splash.splashForm_Load();
    EXPECT_EQ(splash.frmSplash.lblVersion.caption, "Version 1.8.38");
    EXPECT_EQ(splash.frmSplash.lblPlatform.caption, "Test system");
    for (const char* e = c.events; *e != '\0'; ++e) {
        *e == 'T' ? splash.Timer1_Timer() : splash.closeSplash();
    }
    EXPECT_EQ(splash.frmSplash.loaded, c.splashShown);
    EXPECT_EQ(splash.mainWindowShown, c.mainShown);
}

INSTANTIATE_TEST_SUITE_P(
    Events, Splash,
    ::testing::Values(SplashCase{"ThreeTicksWait", false, "TTT", true, false},
                      SplashCase{"FourTicksHandOver", false, "TTTT", false, true},
                      SplashCase{"KeyHandsOverAtOnce", false, "TC", false, true},
                      SplashCase{"FromMenuIgnoresTicks", true, "TTTTTTTT", true, false},
                      SplashCase{"FromMenuClosesOnClick", true, "TTTTTC", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Splash, ReopenedStartsCountingAgain) {
    StartedWorkspace s;
    SplashAboutHelp& splash = s.model.splashAboutHelp;
    splash.splashForm_Load();
    splash.Timer1_Timer();
    splash.Timer1_Timer();
    splash.closeSplash();
    splash.splashForm_Load();
    splash.Timer1_Timer();
    splash.Timer1_Timer();
    splash.Timer1_Timer();
    EXPECT_TRUE(splash.frmSplash.loaded);
}

TEST(AboutHelpLink, AboutOpensAndAnyClickCloses) {
    StartedWorkspace s;
    SplashAboutHelp& about = s.model.splashAboutHelp;
    about.imgKorvid_Click();
    EXPECT_TRUE(about.frmAbout.loaded);
    EXPECT_EQ(about.frmAbout.caption, "About Zolvan");
    EXPECT_EQ(about.frmAbout.lblVersion.caption, "Version 1.8.38");
    EXPECT_NE(about.frmAbout.lblDescription.caption.find("URL: " + std::string(kWebAddress)),
              std::string::npos);
    about.aboutForm_Click();
    EXPECT_FALSE(about.frmAbout.loaded);
}

TEST(AboutHelpLink, LinkColoursWhilePressedAndOpensTheAddress) {
    StartedWorkspace s;
    SplashAboutHelp& link = s.model.splashAboutHelp;
    link.lblURL_MouseDown();
    EXPECT_EQ(link.lblURL.foreColour, kBlueColour);
    link.lblURL_MouseUp();
    EXPECT_EQ(link.lblURL.foreColour, (Rgb{255, 255, 255}));
    link.lblURL_Click();
    link.mnuUsage_Click();
    EXPECT_EQ(s.services.urlsOpened, std::vector<std::string>{std::string(kWebAddress)});
    EXPECT_EQ(s.services.helpShown, 1);
}

TEST(AboutHelpLink, ExitEndsTheProgramAndARunningBatch) {
    StartedWorkspace s;
    s.services.files["Example.tsk"] = "1\n2\n3";
    s.services.onEvents = [&](int pump) {
        if (pump == 2) {
            s.model.splashAboutHelp.mnuExit_Click();
        }
    };
    s.model.taskLists.mnuExample_Click();
    EXPECT_EQ(s.services.exits, 1);
    EXPECT_EQ(s.w.cmbLista.items.size(), 1u);
}

} // namespace
} // namespace zolvan
