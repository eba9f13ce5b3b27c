#include "ui/vescal.h"

#include "ui/composition_view.h"
#include "ui/constants_view.h"
#include "ui/display_view.h"
#include "ui/document_windows.h"
#include "ui/editing_keys.h"
#include "ui/function_panel_view.h"
#include "ui/geometry.h"
#include "ui/image_menu_view.h"
#include "ui/input_view.h"
#include "ui/key_preview.h"
#include "ui/keypad_view.h"
#include "ui/menus.h"
#include "ui/settings_view.h"
#include "ui/square_equation_view.h"
#include "ui/tab_order.h"
#include "ui/view_sync.h"
#include "ui/window_model.h"
#include "ui/window_zoom.h"
#include "ui/wrapped_tooltips.h"
#include "workspace/window_sizes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace zolvan {

namespace {

constexpr int kCalculatorWidth = window_size::NormalWidth - kFrameWidth * kTwipsPerPixel;
constexpr int kDisplayLeft = 60;
constexpr int kDisplayTop = 45;
constexpr int kGap = 45;
constexpr int kNumberFrameTop = 1740;
constexpr int kFunctionPanelTop = 330 + 1700; // the function panel's first row, below the tabs
constexpr int kAnglePowerWidth = 1260;
constexpr int kAnglePowerHeight = 1320;

QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

Vescal::Vescal(const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), m_services(*this, locale),
      m_model(std::make_unique<WindowModel>(m_services)), m_ws(m_model->workspace) {
    setObjectName(QStringLiteral("Vescal"));
    setFont(windowFont());
    const RunHandler run = [this](const std::function<void()>& handler) { handle(handler); };
    m_menus = std::make_unique<MenuBar>(*this, *m_model, run);
    m_views.push_back(m_menus.get());

    m_ws.Form_Load();
    const QSize normal = clientSize(m_ws.windowWidth, m_ws.windowHeight);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("fraWindow"));
    central->resize(normal.width(), normal.height());
    setCentralWidget(central);
    buildCalculator(*central);
    buildSidePanel(*central);

    m_documents = std::make_unique<DocumentWindows>(*this, m_model->splashAboutHelp, run);
    m_views.push_back(m_documents.get());
    m_services.setHelpHandler([this] { m_documents->showHelp(); });
    m_services.setPumpHandler([this] { refresh(); });
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }
    m_keyPreview = new KeyPreview(*this, [this](VirtualKey key) { previewKey(key); });
    new WrappedToolTips(*this);
    WindowModes& modes = m_model->windowModes;
    m_zoom =
        new WindowZoom(*this, clientSize(window_size::ExpandedWidth, window_size::NormalHeight),
                       modes.mnuZoomIn, modes.mnuZoomOut, modes.mnuActualSize);
    connect(m_zoom, &WindowZoom::changed, this, &Vescal::refresh);
    refresh();
    m_widgets.input->line().setFocus();
}

// The widgets go first, while the model they report to still exists: a widget that takes the
// focus as another is deleted would otherwise run a handler on a model already gone.
Vescal::~Vescal() {
    m_services.setHelpHandler({});
    m_services.setPumpHandler({});
    delete m_keyPreview;
    m_views.clear();
    m_documents.reset();
    delete takeCentralWidget();
}

SplashView& Vescal::splash() {
    return m_documents->splash();
}

void Vescal::startWithSplash() {
    handle([&] { m_model->splashAboutHelp.splashForm_Load(); });
}

void Vescal::buildCalculator(QWidget& central) {
    const RunHandler run = [this](const std::function<void()>& handler) { handle(handler); };
    auto* calculator = new QWidget(&central);
    calculator->setObjectName(QStringLiteral("fraCalculator"));
    calculator->setGeometry(0, 0, px(kCalculatorWidth), central.height());
    m_widgets.fraCalculator = calculator;

    auto* display = new DisplayView(calculator, m_ws, run);
    display->move(px(kDisplayLeft), px(kDisplayTop));
    auto* input = new InputView(calculator, display->width(), m_ws, run);
    input->move(px(kDisplayLeft), display->geometry().bottom() + 1 + px(kGap));
    // It covers the keys from the image bar down to the bottom row, whose "=" stays in reach.
    auto* numberFormat = new NumberFormatFrame(calculator, m_ws.numberSettings, run);
    const int margin = px(kKeypadColumnLeft[0]);
    numberFormat->setGeometry(QRect(
        QPoint(margin, px(kNumberFrameTop)),
        QPoint(calculator->width() - 1 - margin, px(kKeypadRowTop[kKeypadRowTop.size() - 1]) - 2)));
    auto* imageMenu = new ImageMenuView(*calculator, m_model->insertMenu, m_ws, run);
    auto* keypad = new KeypadView(*calculator, imageMenu->bar(), m_model->keypad, m_ws, run);
    auto* busy = new BusyPanel(calculator, m_model->taskLists);
    busy->setGeometry(display->geometry().adjusted(0, px(195), 0, 0));
    numberFormat->raise(); // the number-format frame opens over the keypad

    m_widgets.display = display;
    m_widgets.input = input;
    m_widgets.numberFormat = numberFormat;
    m_views.insert(m_views.end(), {display, input, numberFormat, imageMenu, keypad, busy});
    m_calculatorKeys = imageMenu->keys();
    for (QWidget* key : keypad->keys()) {
        m_calculatorKeys.push_back(key);
    }
}

void Vescal::buildSidePanel(QWidget& central) {
    const RunHandler run = [this](const std::function<void()>& handler) { handle(handler); };
    const QSize expanded = clientSize(window_size::ExpandedWidth, m_ws.windowHeight);
    auto* side = new QWidget(&central);
    side->setObjectName(QStringLiteral("fraExpand"));
    side->setGeometry(px(kCalculatorWidth), 0, expanded.width() - px(kCalculatorWidth),
                      central.height());
    m_widgets.fraExpand = side;

    auto* function = new QWidget(side);
    function->setObjectName(QStringLiteral("picFunction"));
    function->setGeometry(0, 0, side->width(), side->height());
    auto* anglePower = new AnglePowerPanel(function, m_ws.numberSettings, run);
    anglePower->setGeometry(0, px(kFunctionPanelTop), px(kAnglePowerWidth), px(kAnglePowerHeight));
    auto* functionPanel = new FunctionPanelView(*function, m_model->functionPanel, run);
    auto* square = new SquareEquationView(*function, m_model->squareEquationPanel, run);
    auto* constants = new ConstantsView(*side, *function, m_model->constantsPanel, run);
    auto* composition = new CompositionView(*side, m_model->compositionPanel, run);

    m_widgets.anglePower = anglePower;
    m_views.insert(m_views.end(), {anglePower, functionPanel, square, constants, composition});
    std::vector<QWidget*> sideKeys = constants->tabs();
    for (QWidget* key : functionPanel->keys()) {
        sideKeys.push_back(key);
    }
    sideKeys.push_back(&square->button());
    sideKeys.push_back(&composition->tab());
    buildKeyboardWalk(sideKeys);
}

// After the input line and the number-format frame come the image bar and the keypad, then the
// side panel: its tab buttons, then the function panel's keys and fields or the list on show.
void Vescal::buildKeyboardWalk(const std::vector<QWidget*>& sideKeys) {
    makeTabReachable(m_calculatorKeys);
    makeTabReachable(sideKeys);
    QWidget* last = chainInReadingOrder(&m_widgets.numberFormat->closeButton(), m_calculatorKeys);
    std::vector<QWidget*> side;
    for (QWidget* widget : m_widgets.fraExpand->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            side.push_back(widget);
        }
    }
    chainInReadingOrder(last, side);
}

// Keys hidden under the open number-format frame are off the walk.
void Vescal::syncCoveredKeys() {
    const bool open = !m_widgets.numberFormat->isHidden();
    const QRect frame = m_widgets.numberFormat->geometry();
    for (QWidget* key : m_calculatorKeys) {
        const QRect place(key->mapTo(m_widgets.fraCalculator, QPoint(0, 0)), key->size());
        const Qt::FocusPolicy policy = open && frame.intersects(place) ? Qt::NoFocus : Qt::TabFocus;
        if (key->focusPolicy() != policy) {
            key->setFocusPolicy(policy);
        }
    }
}

// A screen reader tells the description of the control with the focus when asked where it is
// and when the focus comes back to it: the input line's says what the display now tells, and the
// hints after it.
void Vescal::syncSpokenResult() {
    QString told = DisplayView::spokenResult(m_ws);
    for (const std::string& hint : m_ws.hints) {
        told += QStringLiteral(". Hint: ") + toQString(hint);
    }
    QLineEdit& line = m_widgets.input->line();
    if (line.accessibleDescription() != told) {
        line.setAccessibleDescription(told);
    }
}

bool Vescal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination stroke = static_cast<QKeyEvent*>(event)->keyCombination();
        if (fieldOwnsEditingKey(watched, m_widgets.input->line(), stroke)) {
            event->accept(); // the field takes the key as a key press: the menu item does not run
            return true;
        }
        if (m_menus->claims(QKeySequence(stroke))) {
            event->ignore(); // not taken by the line edit: the menu shortcut runs
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Vescal::previewKey(VirtualKey key) {
    if (m_ws.keyPreview) {
        handle([&] { m_ws.Form_KeyDown(key.code, key.shift); });
    }
}

void Vescal::handle(const std::function<void()>& handler) {
    if (m_syncing) {
        return;
    }
    ++m_handledEvents;
    for (UnitView* view : m_views) {
        view->pull();
    }
    handler();
    refresh();
}

void Vescal::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The window hears of the change before its children take the new palette: the colours are
    // fitted once the change has reached them all.
    if (event->type() == QEvent::PaletteChange && m_widgets.display != nullptr && !m_syncing) {
        QMetaObject::invokeMethod(this, &Vescal::refresh, Qt::QueuedConnection);
    }
}

void Vescal::refresh() {
    m_syncing = true;
    syncWindow();
    for (UnitView* view : m_views) {
        view->sync();
    }
    syncCoveredKeys();
    syncSpokenResult();
    m_syncing = false;
    applyFocus();
}

void Vescal::syncWindow() {
    const QString title = toQString(m_ws.caption);
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    const QSize size = m_zoom->scaled(clientSize(m_ws.windowWidth, m_ws.windowHeight));
    if (size != m_shownSize) {
        setFixedSize(size);
        m_shownSize = size;
    }
    const bool expanded = m_ws.windowWidth > window_size::NormalWidth;
    if (m_widgets.fraExpand->isVisibleTo(this) != expanded) {
        m_widgets.fraExpand->setVisible(expanded);
    }
}

void Vescal::applyFocus() {
    const FocusTarget target = m_ws.focus;
    m_ws.focus = FocusTarget::None;
    switch (target) {
    case FocusTarget::txtUnosFormule:
        m_widgets.input->line().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::txtDecimala:
        m_widgets.numberFormat->decimals().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::txtPower:
        m_widgets.anglePower->power().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::None:
        break;
    }
}

} // namespace zolvan
