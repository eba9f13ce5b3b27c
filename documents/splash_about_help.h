#pragma once
// The start-up window frmSplash, the about window frmAbout, the help, the web link and Exit.
// The splash hands over to the main window after four ticks of its 250 ms timer or at the first
// click or key; opened again from the Help menu it waits for a click. Only the model changes here;
// the window shows the two small windows as their `loaded` flags say.

#include "workspace/controls.h"

#include <string>
#include <string_view>

namespace zolvan {

class Workspace;

inline constexpr int kSplashInterval = 250; // milliseconds between splash timer ticks
inline constexpr std::string_view kWebAddress = "https://zolvan.example.org/";

struct SplashWindow {
    bool loaded = false;
    Label lblProductName;
    Label lblLicenseTo0; // copyright line
    Label lblLicenseTo1; // what the program is for
    Label lblPlatform;
    Label lblVersion;
    bool timerEnabled = false; // Timer1
    int tickCount = 0;
};

struct AboutWindow {
    bool loaded = false;
    std::string caption;
    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
};

class SplashAboutHelp {
public:
    explicit SplashAboutHelp(Workspace& workspace);
    SplashAboutHelp(const SplashAboutHelp&) = delete;
    SplashAboutHelp& operator=(const SplashAboutHelp&) = delete;

    SplashWindow frmSplash;
    AboutWindow frmAbout;
    bool mainWindowShown = false; // the main window has been handed over to
    Label lblURL;                 // the web link on the info panel
    Label lblCopyright;
    // The Help menu's own items and File > Exit.
    MenuItem mnuUsage, mnuSplash, mnuAbout, mnuExit;

    // Start-up: the splash loads with its timer running.
    void splashForm_Load();
    void Timer1_Timer();
    // Any click on the splash or a key pressed in it.
    void closeSplash();

    void mnuSplash_Click();
    void mnuAbout_Click();
    void imgKorvid_Click() { mnuAbout_Click(); }
    // Any click on the about window or one of its labels.
    void aboutForm_Click() { frmAbout.loaded = false; }
    void mnuUsage_Click();
    void lblURL_MouseDown();
    void lblURL_MouseUp();
    void lblURL_Click();
    void mnuExit_Click();

private:
    Workspace& m_ws;
};

} // namespace zolvan
