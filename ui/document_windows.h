#pragma once
// The small windows and panels of the document commands: the start-up window frmSplash, the about
// window frmAbout, the help browser and the busy panel fraWait. Each shows its part of the model
// and runs its handlers for clicks, keys and timer ticks; none decides anything.

#include "ui/unit_view.h"

#include <QFrame>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QTextBrowser;
class QTimer;

namespace zolvan {

class ClickableLabel;
class SplashAboutHelp;
class TaskLists;

class SplashView : public QWidget {
public:
    // Its timer ticks, and a click anywhere or a key, run the splash's handlers.
    SplashView(SplashAboutHelp& model, RunHandler run);
    void sync();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_lblProductName = nullptr;
    QLabel* m_lblLicenseTo0 = nullptr;
    QLabel* m_lblLicenseTo1 = nullptr;
    QLabel* m_lblPlatform = nullptr;
    QLabel* m_lblVersion = nullptr;
    QTimer* m_timer = nullptr;
    SplashAboutHelp& m_model;
    RunHandler m_run;
};

class AboutView : public QWidget {
public:
    // A click anywhere closes it; the web address opens in the browser.
    AboutView(SplashAboutHelp& model, RunHandler run);
    void sync();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDescription = nullptr;
    ClickableLabel* m_lblURL = nullptr;
    SplashAboutHelp& m_model;
    RunHandler m_run;
};

// The help document from the program's resources, with its contents page as home.
class HelpView : public QWidget {
public:
    explicit HelpView(QWidget* parent);
    // Shows the window at the contents page.
    void showContents();
    QTextBrowser& browser() { return *m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

class BusyPanel : public QFrame, public UnitView {
public:
    BusyPanel(QWidget* parent, const TaskLists& model);
    void sync() override;

private:
    std::array<QLabel*, 3> m_lblWait{};
    const TaskLists& m_model;
};

// The windows of the splash, about and help commands, each a top-level window of its own: the
// about and help windows are built when first asked for, so that start-up does not pay for them.
// The main window is shown once the splash hands over to it.
class DocumentWindows : public UnitView {
public:
    DocumentWindows(QWidget& mainWindow, SplashAboutHelp& model, RunHandler run);
    ~DocumentWindows() override;

    void sync() override;
    SplashView& splash() { return *m_splash; }
    void showHelp();

private:
    QWidget& m_mainWindow;
    SplashAboutHelp& m_model;
    RunHandler m_run;
    std::unique_ptr<SplashView> m_splash;
    std::unique_ptr<AboutView> m_about;
    std::unique_ptr<HelpView> m_help;
};

} // namespace zolvan
