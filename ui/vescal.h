#pragma once
// The main window Vescal: a coordinator between the plain model of the window and the views of
// its units. Each view runs its unit's handlers for widget events through handle(), which first
// takes the user's edits into the model, runs the handler once and then shows what changed with
// refresh(). The window computes nothing itself.

#include "ui/qt_services.h"

#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

namespace zolvan {

class AnglePowerPanel;
class DisplayView;
class DocumentWindows;
class InputView;
class KeyPreview;
class MenuBar;
class NumberFormatFrame;
class SplashView;
class UnitView;
class WindowZoom;
class Workspace;
struct VirtualKey;
struct WindowModel;

class Vescal : public QMainWindow {
    Q_OBJECT
public:
    // `locale` gives the decimal separator, as the user's number format does at start-up.
    explicit Vescal(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
    ~Vescal() override;

    QtServices& services() { return m_services; }
    SplashView& splash();

    // Start-up through the splash window, which hands over to this window.
    void startWithSplash();

    // Runs one model handler and shows the model again. Widget signals raised while the model is
    // being shown run nothing.
    void handle(const std::function<void()>& handler);
    void refresh();
    // The handlers run so far, each one cycle of pulling edits, running and showing the model.
    unsigned handledEvents() const { return m_handledEvents; }

protected:
    // Menu shortcuts win over the input line's own keys; the editing keys stay with other text
    // fields.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new desktop theme: the design's text colours are fitted to the new backgrounds.
    void changeEvent(QEvent* event) override;

private:
    void buildCalculator(QWidget& central);
    void buildSidePanel(QWidget& central);
    void buildKeyboardWalk(const std::vector<QWidget*>& sideKeys);
    void previewKey(VirtualKey key);
    void syncCoveredKeys();
    void syncSpokenResult();
    void syncWindow();
    void applyFocus();

    QtServices m_services;
    std::unique_ptr<WindowModel> m_model;
    Workspace& m_ws; // m_model->workspace

    std::unique_ptr<MenuBar> m_menus;
    std::unique_ptr<DocumentWindows> m_documents;
    std::vector<UnitView*> m_views; // every unit's view, pulled and synced in this order
    struct {
        QWidget* fraCalculator = nullptr; // the calculator: display, input line, keypad area
        QWidget* fraExpand = nullptr;     // right-hand panels, seen in the expanded width
        DisplayView* display = nullptr;
        InputView* input = nullptr;
        NumberFormatFrame* numberFormat = nullptr;
        AnglePowerPanel* anglePower = nullptr;
    } m_widgets;
    std::vector<QWidget*> m_calculatorKeys; // on the keyboard walk unless the frame covers them
    KeyPreview* m_keyPreview = nullptr;
    WindowZoom* m_zoom = nullptr;

    bool m_syncing = false;
    unsigned m_handledEvents = 0;
    QSize m_shownSize; // window size last applied, zoomed
};

} // namespace zolvan
