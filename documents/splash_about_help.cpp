#include "documents/splash_about_help.h"

#include "workspace/workspace.h"

namespace zolvan {

namespace {

constexpr std::string_view kVersion = "Version 1.8.38";
constexpr std::string_view kTitle = "Zolvan";
constexpr int kSplashTicks = 4;
constexpr Rgb kWhiteColour{255, 255, 255};

} // namespace

SplashAboutHelp::SplashAboutHelp(Workspace& workspace) : m_ws(workspace) {
    lblURL.caption = std::string(kWebAddress);
    lblURL.foreColour = kWhiteColour;
    lblCopyright.caption = " Korvid. Software  Zolvan project";
    mnuUsage = menuItem("Help &Topics", "F1");
    mnuSplash = menuItem("&Splash Screen");
    mnuAbout = menuItem("&About Zolvan");
    mnuExit = menuItem("E&xit", "Ctrl+Q");
    mnuUsage.onClick = [this] { mnuUsage_Click(); };
    mnuSplash.onClick = [this] { mnuSplash_Click(); };
    mnuAbout.onClick = [this] { mnuAbout_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
}

void SplashAboutHelp::splashForm_Load() {
    frmSplash.loaded = true;
    frmSplash.lblProductName.caption = "Korvid. Zolvan";
    frmSplash.lblLicenseTo1.caption = "Program for fast calculation molecular weight of compounds";
    frmSplash.lblLicenseTo0.caption = "Free software of the Zolvan project";
    frmSplash.lblPlatform.caption = m_ws.services().platformName();
    frmSplash.lblVersion.caption = std::string(kVersion);
    frmSplash.tickCount = 0;
    frmSplash.timerEnabled = true;
}

void SplashAboutHelp::Timer1_Timer() {
    if (!frmSplash.timerEnabled) {
        return;
    }
    if (++frmSplash.tickCount >= kSplashTicks) {
        frmSplash.timerEnabled = false;
        closeSplash();
    }
}

void SplashAboutHelp::closeSplash() {
    mainWindowShown = true;
    frmSplash.loaded = false;
    frmSplash.timerEnabled = false;
}

void SplashAboutHelp::mnuSplash_Click() {
    splashForm_Load();
    frmSplash.timerEnabled = false;
}

void SplashAboutHelp::mnuAbout_Click() {
    frmAbout.loaded = true;
    frmAbout.caption = "About " + std::string(kTitle);
    frmAbout.lblTitle.caption = std::string(kTitle);
    frmAbout.lblVersion.caption = std::string(kVersion);
    frmAbout.lblDescription.caption = "A scientific and molecular-weight calculator.\r\n"
                                      "Free software of the Zolvan project.\r\n"
                                      "\r\n"
                                      "URL: " +
                                      std::string(kWebAddress);
}

void SplashAboutHelp::mnuUsage_Click() {
    m_ws.services().showHelpContents();
}

void SplashAboutHelp::lblURL_MouseDown() {
    lblURL.foreColour = kBlueColour;
}

void SplashAboutHelp::lblURL_MouseUp() {
    lblURL.foreColour = kWhiteColour;
}

void SplashAboutHelp::lblURL_Click() {
    m_ws.services().openUrl(kWebAddress);
}

// Ends a running batch too, so that nothing runs on after the window is gone.
void SplashAboutHelp::mnuExit_Click() {
    m_ws.cancelRequested = true;
    m_ws.services().exitProgram();
}

} // namespace zolvan
