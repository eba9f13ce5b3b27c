#pragma once
// The main window Vescal: a coordinator between the model of the window (Workspace) and its Qt
// widgets. A widget event runs one model handler through handle(), which first takes the user's
// edits into the model and afterwards shows the whole model again with refresh(). The window
// computes nothing itself.

#include "documents/window_model.h"
#include "ui/menus.h"
#include "ui/qt_services.h"

#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <utility>
#include <vector>

class QPushButton;

namespace zolvan {

class AboutView;
class CompositionView;
class AnglePowerPanel;
class BusyPanel;
class HelpView;
class SplashView;
class DisplayView;
class InputView;
class KeyPreview;
class NumberFormatFrame;
class PanelsView;
class WindowZoom;
struct VirtualKey;

class Vescal : public QMainWindow {
    Q_OBJECT
public:
    // `locale` gives the decimal separator, as the user's number format does at start-up.
    explicit Vescal(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
    ~Vescal() override;

    const WindowModel& model() const { return m_model; }
    QtServices& services() { return m_services; }
    SplashView& splash() { return *m_splash; }

    // Start-up through the splash window, which hands over to this window.
    void startWithSplash();

    // Runs one model handler and shows the model again. Widget signals raised while the model is
    // being shown run nothing.
    void handle(const std::function<void()>& handler);
    void refresh();

protected:
    // Menu shortcuts win over the input line's own keys; the editing keys stay with other text
    // fields.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new desktop theme: the design's text colours are fitted to the new backgrounds.
    void changeEvent(QEvent* event) override;

private:
    void buildDocumentWindows();
    void buildZoom();
    void syncDocuments();
    void buildCalculator(QWidget* central);
    void buildSidePanel(QWidget* central);
    void connectDisplay();
    void connectInput();
    void connectSettings();
    void connectPanels();
    void connectSidePanel();
    void connectComposition();
    void bindModelMenuItems();
    void runMenuCommand(MenuCommand command, QAction* action);
    void previewKey(VirtualKey key);

    void buildKeyboardWalk();
    void syncCoveredKeys();
    void syncSpokenResult();
    void syncWindow();
    void syncMenus();
    void applyFocus();

    QtServices m_services;
    WindowModel m_model;
    Workspace& m_ws; // m_model.workspace

    TopMenus m_menus;
    MenuActions m_actions;
    struct {
        QWidget* fraCalculator = nullptr; // the calculator: display, input line, keypad area
        QWidget* fraExpand = nullptr;     // right-hand panels, seen in the expanded width
        DisplayView* display = nullptr;
        InputView* input = nullptr;
        NumberFormatFrame* numberFormat = nullptr;
        AnglePowerPanel* anglePower = nullptr;
        QPushButton* cmdEnter = nullptr;
        PanelsView* panels = nullptr;
        CompositionView* composition = nullptr;
    } m_views;
    std::vector<QWidget*> m_calculatorKeys; // on the keyboard walk unless the frame covers them
    // Menu items whose commands and check marks the model's units own.
    std::vector<std::pair<QAction*, MenuItem*>> m_modelItems;
    KeyPreview* m_keyPreview = nullptr;
    SplashView* m_splash = nullptr;
    AboutView* m_about = nullptr;
    HelpView* m_help = nullptr;
    BusyPanel* m_busy = nullptr;

    WindowZoom* m_zoom = nullptr;

    bool m_syncing = false;
    QSize m_shownSize; // window size last applied, zoomed
};

} // namespace zolvan
