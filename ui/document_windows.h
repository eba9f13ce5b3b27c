#pragma once
// The small windows and panels of the document commands: the start-up window frmSplash, the about
// window frmAbout, the help browser and the busy panel fraWait. Each shows its part of the model
// and reports clicks, keys and timer ticks; none decides anything.

#include <QFrame>
#include <QWidget>

#include <array>

class QLabel;
class QTextBrowser;
class QTimer;

namespace zolvan {

class ClickableLabel;
class TaskLists;
struct AboutWindow;
struct SplashWindow;

class SplashView : public QWidget {
    Q_OBJECT
public:
    explicit SplashView(QWidget* parent);
    void sync(const SplashWindow& model);

signals:
    void ticked();         // Timer1
    void closeRequested(); // a click anywhere or a key

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
};

class AboutView : public QWidget {
    Q_OBJECT
public:
    explicit AboutView(QWidget* parent);
    void sync(const AboutWindow& model, const std::string& webAddress);

signals:
    void clicked();     // anywhere on the window: it closes
    void linkClicked(); // the web address

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDescription = nullptr;
    ClickableLabel* m_lblURL = nullptr;
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

class BusyPanel : public QFrame {
public:
    explicit BusyPanel(QWidget* parent);
    void sync(const TaskLists& model);

private:
    std::array<QLabel*, 3> m_lblWait{};
};

} // namespace zolvan
