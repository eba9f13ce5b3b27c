#include "ui/vescal.h"

#include "ui/composition_view.h"
#include "ui/display_view.h"
#include "ui/document_windows.h"
#include "ui/editing_keys.h"
#include "ui/geometry.h"
#include "ui/input_view.h"
#include "ui/key_preview.h"
#include "ui/panels_view.h"
#include "ui/settings_view.h"
#include "ui/tab_order.h"
#include "ui/view_sync.h"
#include "ui/window_zoom.h"
#include "ui/wrapped_tooltips.h"
#include "workspace/window_sizes.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
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
constexpr int kEnterKey = 13;

constexpr QRect kEnterRect{px(kKeypadColumnLeft[4]), px(kKeypadRowTop[6]), px(kEnterWidth),
                           px(kKeypadRowHeight[6])};
constexpr int kEnterKeyAscii = 13;

// Mouse buttons as the model numbers them: 1 left, 2 right, 4 middle.
constexpr int kRightButton = 2;

QFont windowFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

Vescal::Vescal(const QLocale& locale, QWidget* parent)
    : QMainWindow(parent), m_services(*this, locale), m_model(m_services), m_ws(m_model.workspace) {
    setObjectName(QStringLiteral("Vescal"));
    setFont(windowFont());
    m_menus = buildMenuBar(*menuBar(), m_actions, [this](MenuCommand command, QAction* action) {
        runMenuCommand(command, action);
    });

    m_ws.Form_Load();
    const QSize normal = clientSize(m_ws.windowWidth, m_ws.windowHeight);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("fraWindow"));
    central->resize(normal.width(), normal.height());
    setCentralWidget(central);
    buildCalculator(central);
    buildSidePanel(central);
    connectDisplay();
    connectInput();
    connectSettings();
    connectPanels();
    connectSidePanel();
    connectComposition();
    bindModelMenuItems();
    m_views.fraCalculator->setMouseTracking(true);
    m_views.fraCalculator->installEventFilter(this);
    buildDocumentWindows();
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }
    m_keyPreview = new KeyPreview(*this, [this](VirtualKey key) { previewKey(key); });
    new WrappedToolTips(*this);
    buildZoom();
    refresh();
    m_views.input->line().setFocus();
}

// The widgets go first, while the model they report to still exists: a widget that takes the
// focus as another is deleted would otherwise run a handler on a model already gone.
Vescal::~Vescal() {
    m_services.setHelpHandler({});
    m_services.setPumpHandler({});
    delete m_keyPreview;
    delete m_splash;
    delete m_about;
    delete m_help;
    delete takeCentralWidget();
}

void Vescal::buildDocumentWindows() {
    SplashAboutHelp& windows = m_model.splashAboutHelp;
    m_splash = new SplashView(nullptr);
    connect(m_splash, &SplashView::ticked, this,
            [this, &windows] { handle([&] { windows.Timer1_Timer(); }); });
    connect(m_splash, &SplashView::closeRequested, this,
            [this, &windows] { handle([&] { windows.closeSplash(); }); });
    // The about and help windows are built when first asked for: start-up does not pay for them.
    m_services.setHelpHandler([this] {
        if (m_help == nullptr) {
            m_help = new HelpView(nullptr);
        }
        m_help->showContents();
    });
    m_services.setPumpHandler([this] { refresh(); });

    m_busy = new BusyPanel(m_views.fraCalculator);
    m_busy->setGeometry(m_views.display->geometry().adjusted(0, px(195), 0, 0));
}

// The zoom's items end the View menu; its own actions, they work in every mode.
void Vescal::buildZoom() {
    m_zoom =
        new WindowZoom(*this, clientSize(window_size::ExpandedWidth, window_size::NormalHeight));
    m_menus.mnuView->addSeparator();
    for (QAction* action : m_zoom->actions()) {
        m_menus.mnuView->addAction(action);
    }
    connect(m_zoom, &WindowZoom::changed, this, &Vescal::refresh);
}

void Vescal::startWithSplash() {
    handle([&] { m_model.splashAboutHelp.splashForm_Load(); });
}

void Vescal::syncDocuments() {
    const SplashAboutHelp& windows = m_model.splashAboutHelp;
    m_busy->sync(m_model.taskLists);
    m_splash->sync(windows.frmSplash);
    if (m_about == nullptr && windows.frmAbout.loaded) {
        SplashAboutHelp& model = m_model.splashAboutHelp;
        m_about = new AboutView(nullptr);
        connect(m_about, &AboutView::clicked, this,
                [this, &model] { handle([&] { model.aboutForm_Click(); }); });
        connect(m_about, &AboutView::linkClicked, this,
                [this, &model] { handle([&] { model.lblURL_Click(); }); });
    }
    if (m_about != nullptr) {
        m_about->sync(windows.frmAbout, std::string(kWebAddress));
    }
    if (windows.mainWindowShown && !isVisible()) {
        show();
        activateWindow();
    }
}

void Vescal::buildCalculator(QWidget* central) {
    auto* calculator = new QWidget(central);
    calculator->setObjectName(QStringLiteral("fraCalculator"));
    calculator->setGeometry(0, 0, px(kCalculatorWidth), central->height());
    m_views.fraCalculator = calculator;

    m_views.display = new DisplayView(calculator);
    m_views.display->move(px(kDisplayLeft), px(kDisplayTop));

    m_views.input =
        new InputView(calculator, m_views.display->width(), m_ws.cmbLista, m_ws.lstRezultat);
    m_views.input->move(px(kDisplayLeft), m_views.display->geometry().bottom() + 1 + px(kGap));

    // The keypad comes here; until then only its "=" key stands in its place.
    auto* enter = new QPushButton(QStringLiteral("="), calculator);
    enter->setObjectName(QStringLiteral("cmdEnter"));
    enter->setAccessibleName(QStringLiteral("Calculate"));
    enter->setToolTip(QStringLiteral(" Enter "));
    enter->setGeometry(kEnterRect);
    QFont large(QStringLiteral("DejaVu Sans"));
    large.setPointSizeF(12.0);
    enter->setFont(large);
    QPalette green = enter->palette();
    green.setColor(QPalette::Button, QColor(192, 255, 192));
    green.setColor(QPalette::ButtonText, Qt::black); // the key stays light in a dark theme
    enter->setPalette(green);
    m_views.cmdEnter = enter;

    m_views.numberFormat = new NumberFormatFrame(calculator);
    // It covers the keys from the image bar down to the bottom row, whose "=" stays in reach.
    const int margin = px(kKeypadColumnLeft[0]);
    m_views.numberFormat->setGeometry(
        QRect(QPoint(margin, px(kNumberFrameTop)),
              QPoint(calculator->width() - 1 - margin, kEnterRect.top() - 2)));
}

void Vescal::buildSidePanel(QWidget* central) {
    const QSize expanded = clientSize(window_size::ExpandedWidth, m_ws.windowHeight);
    auto* side = new QWidget(central);
    side->setObjectName(QStringLiteral("fraExpand"));
    side->setGeometry(px(kCalculatorWidth), 0, expanded.width() - px(kCalculatorWidth),
                      central->height());
    m_views.fraExpand = side;

    auto* function = new QWidget(side);
    function->setObjectName(QStringLiteral("picFunction"));
    function->setGeometry(0, 0, side->width(), side->height());
    m_views.anglePower = new AnglePowerPanel(function);
    m_views.anglePower->setGeometry(0, px(kFunctionPanelTop), px(kAnglePowerWidth),
                                    px(kAnglePowerHeight));
    m_views.panels = new PanelsView(*m_views.fraCalculator, *function, *side);
    m_views.composition = new CompositionView(*side);
    m_views.numberFormat->raise(); // the number-format frame opens over the keypad
    buildKeyboardWalk();
}

// After the input line and the number-format frame come the image bar and the keypad, then the
// side panel: its tab buttons, then the function panel's keys and fields or the list on show.
void Vescal::buildKeyboardWalk() {
    m_calculatorKeys = m_views.panels->calculatorKeys();
    m_calculatorKeys.push_back(m_views.cmdEnter);
    makeTabReachable(m_calculatorKeys);
    makeTabReachable(m_views.panels->sideKeys());
    makeTabReachable({&m_views.composition->tab()});
    QWidget* last = chainInReadingOrder(&m_views.numberFormat->closeButton(), m_calculatorKeys);
    std::vector<QWidget*> side;
    for (QWidget* widget : m_views.fraExpand->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            side.push_back(widget);
        }
    }
    chainInReadingOrder(last, side);
}

// Keys hidden under the open number-format frame are off the walk.
void Vescal::syncCoveredKeys() {
    const bool open = !m_views.numberFormat->isHidden();
    const QRect frame = m_views.numberFormat->geometry();
    for (QWidget* key : m_calculatorKeys) {
        const QRect place(key->mapTo(m_views.fraCalculator, QPoint(0, 0)), key->size());
        key->setFocusPolicy(open && frame.intersects(place) ? Qt::NoFocus : Qt::TabFocus);
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
    QLineEdit& line = m_views.input->line();
    if (line.accessibleDescription() != told) {
        line.setAccessibleDescription(told);
    }
}

void Vescal::connectDisplay() {
    DisplayView* display = m_views.display;
    connect(display, &DisplayView::resultClicked, this,
            [this](int i) { handle([&] { m_ws.lblRezultat_Click(i); }); });
    connect(display, &DisplayView::echoClicked, this,
            [this](int i) { handle([&] { m_ws.lblUnosFormule_Click(i); }); });
    connect(display, &DisplayView::indicatorClicked, this,
            [this](int i) { handle([&] { m_ws.lblInfo_Click(i); }); });
    connect(display, &DisplayView::hintClicked, this,
            [this] { handle([&] { m_ws.dismissHints(); }); });
}

void Vescal::connectInput() {
    InputView* input = m_views.input;
    connect(input, &InputView::enterPressed, this,
            [this] { handle([&] { m_ws.txtUnosFormule_KeyPress(kEnterKey); }); });
    connect(input, &InputView::borderClicked, this,
            [this] { handle([&] { m_ws.txtBlank_Click(); }); });
    connect(input, &InputView::historyChosen, this,
            [this](int i) { handle([&] { m_ws.cmbLista_Click(i); }); });
    connect(input, &InputView::historyStep, this, [this](bool older) {
        handle([&] {
            m_ws.browseHistory(older ? HistoryBrowser::Step::Older : HistoryBrowser::Step::Newer);
        });
    });
    connect(input, &InputView::pointerMoved, this,
            [this] { handle([&] { m_ws.txtUnosFormule_MouseMove(); }); });
    connect(m_views.cmdEnter, &QPushButton::clicked, this,
            [this] { handle([&] { m_ws.cmdEnter_Click(); }); });
}

void Vescal::connectSettings() {
    NumberFormatFrame* frame = m_views.numberFormat;
    connect(frame, &NumberFormatFrame::displayModeClicked, this,
            [this](int i) { handle([&] { m_ws.optNumber.select(i); }); });
    connect(frame, &NumberFormatFrame::separatorClicked, this,
            [this](bool on) { handle([&] { m_model.numberSettings.chkTisuca.setChecked(on); }); });
    connect(frame, &NumberFormatFrame::decimalsEdited, this,
            [this] { handle([&] { m_views.numberFormat->takeDecimals(m_model); }); });
    connect(frame, &NumberFormatFrame::decimalsScrolled, this, [this](int value) {
        handle([&] { m_model.numberSettings.vsbDecimala.setValue(value); });
    });
    connect(frame, &NumberFormatFrame::angleClicked, this,
            [this](int i) { handle([&] { m_ws.optRadDeg.select(i); }); });
    connect(frame, &NumberFormatFrame::closeClicked, this,
            [this] { handle([&] { m_model.numberSettings.cmdHide_Click(); }); });

    AnglePowerPanel* panel = m_views.anglePower;
    connect(panel, &AnglePowerPanel::angleClicked, this,
            [this](int i) { handle([&] { m_ws.optRadiani.select(i); }); });
    connect(panel, &AnglePowerPanel::powerEdited, this,
            [this] { handle([&] { m_views.anglePower->takePower(m_model); }); });
    connect(panel, &AnglePowerPanel::powerScrolled, this, [this](int value) {
        handle([&] { m_model.numberSettings.vsbPower.setValue(value); });
    });
    connect(panel, &AnglePowerPanel::powerFocused, this,
            [this] { handle([&] { m_model.numberSettings.txtPower_GotFocus(); }); });
}

void Vescal::connectPanels() {
    PanelsView* panels = m_views.panels;
    Keypad& keypad = m_model.keypad;
    connect(panels, &PanelsView::keyClicked, this,
            [this, &keypad](int i) { handle([&] { keypad.cmdNum_Click(i); }); });
    connect(panels, &PanelsView::keyRightReleased, this,
            [this, &keypad](int i) { handle([&] { keypad.cmdNum_MouseUp(i, kRightButton); }); });
    connect(panels, &PanelsView::keyHovered, this,
            [this, &keypad](int i) { handle([&] { keypad.cmdNum_MouseMove(i); }); });
    connect(panels, &PanelsView::inverseClicked, this,
            [this, &keypad](bool on) { handle([&] { keypad.chkInverse.setChecked(on); }); });
    InsertMenu& bar = m_model.insertMenu;
    connect(panels, &PanelsView::imageClicked, this,
            [this, &bar](int i) { handle([&] { bar.imgMenu_Click(i); }); });
    connect(panels, &PanelsView::imagePressed, this,
            [this, &bar](int i) { handle([&] { bar.imgMenu_MouseDown(i); }); });
    connect(panels, &PanelsView::imageReleased, this,
            [this, &bar](int i) { handle([&] { bar.imgMenu_MouseUp(i); }); });
    connect(panels, &PanelsView::imageHovered, this,
            [this, &bar](int i) { handle([&] { bar.imgMenu_MouseMove(i); }); });
    FunctionPanel& function = m_model.functionPanel;
    connect(panels, &PanelsView::functionClicked, this,
            [this, &function](int i) { handle([&] { function.cmdFunction_Click(i); }); });
    connect(panels, &PanelsView::functionHovered, this,
            [this, &function](int i) { handle([&] { function.cmdFunction_MouseMove(i); }); });
}

void Vescal::connectSidePanel() {
    PanelsView* panels = m_views.panels;
    SquareEquationPanel& square = m_model.squareEquationPanel;
    connect(panels, &PanelsView::squareClicked, this,
            [this, &square] { handle([&] { square.cmdKvadratna_Click(); }); });
    connect(panels, &PanelsView::squareEnter, this, [this, &square](int i) {
        handle([&] { square.txtKvadratna_KeyPress(i, kEnterKeyAscii); });
    });
    connect(panels, &PanelsView::squareFocused, this,
            [this, &square](int i) { handle([&] { square.txtKvadratna_GotFocus(i); }); });
    ConstantsPanel& constants = m_model.constantsPanel;
    connect(panels, &PanelsView::tabClicked, this,
            [this, &constants](int i) { handle([&] { constants.cmdConstant_Click(i); }); });
    connect(panels, &PanelsView::listActivated, this,
            [this, &constants](int i) { handle([&] { constants.lstConstants_DblClick(i); }); });
}

void Vescal::connectComposition() {
    CompositionView* view = m_views.composition;
    CompositionPanel& composition = m_model.compositionPanel;
    connect(view, &CompositionView::tabClicked, this,
            [this, &composition] { handle([&] { composition.cmdComposition_Click(); }); });
    connect(view, &CompositionView::copyClicked, this,
            [this, &composition] { handle([&] { composition.cmdCopy_Click(); }); });
    // The fields reach the model when handle() pulls them; the mass follows at once.
    connect(view, &CompositionView::formEdited, this, [this] { handle([] {}); });
}

// Items named like the model's arrays ("mnuIoni_12", "mnuConstants_1") run the model's item.
void Vescal::bindModelMenuItems() {
    for (const auto& [action, command] : m_actions.commands) {
        if (command != MenuCommand::Model) {
            continue;
        }
        const QString name = action->objectName();
        const int index = name.section(QLatin1Char('_'), 1).toInt();
        MenuItem* item = nullptr;
        if (name.startsWith(QStringLiteral("mnuIoni_"))) {
            item = &m_model.insertMenu.mnuIoni[static_cast<std::size_t>(index)];
        } else if (name.startsWith(QStringLiteral("mnuConstants_"))) {
            item = &m_model.constantsPanel.mnuConstants[static_cast<std::size_t>(index)];
        } else if (name == QStringLiteral("mnuSeparator")) {
            item = &m_model.insertMenu.mnuSeparator;
        } else if (name == QStringLiteral("mnuComposition")) {
            item = &m_model.compositionPanel.mnuComposition;
        }
        if (item != nullptr) {
            m_modelItems.emplace_back(action, item);
        }
    }
}

bool Vescal::eventFilter(QObject* watched, QEvent* event) {
    // The pointer on the calculator frame, outside the image menu bar whose buttons pass their
    // moves on to it, hides the hover frame.
    if (watched == m_views.fraCalculator && event->type() == QEvent::MouseMove) {
        const QWidget* bar = m_views.fraCalculator->findChild<QWidget*>(QStringLiteral("picMenu"));
        const QPoint at = m_views.fraCalculator->mapFromGlobal(
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (bar != nullptr && !bar->geometry().contains(at)) {
            handle([this] { m_model.keypad.fraCalculator_MouseMove(); });
        }
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination stroke = static_cast<QKeyEvent*>(event)->keyCombination();
        if (fieldOwnsEditingKey(watched, m_views.input->line(), stroke)) {
            event->accept(); // the field takes the key as a key press: the menu item does not run
            return true;
        }
        const QKeySequence pressed(stroke);
        for (const auto& [action, command] : m_actions.commands) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore(); // not taken by the line edit: the menu shortcut runs
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Vescal::runMenuCommand(MenuCommand command, QAction* action) {
    switch (command) {
    case MenuCommand::New:
        handle([&] { m_model.taskLists.mnuNew_Click(); });
        break;
    case MenuCommand::Open:
        handle([&] { m_model.taskLists.mnuOpen_Click(); });
        break;
    case MenuCommand::Save:
        handle([&] { m_model.taskLists.mnuSave_Click(); });
        break;
    case MenuCommand::Print:
        handle([&] { m_model.printing.mnuPrint_Click(); });
        break;
    case MenuCommand::Exit:
        handle([&] { m_model.splashAboutHelp.mnuExit_Click(); });
        break;
    case MenuCommand::Cut:
        handle([&] { m_model.editCommands.mnuCut_Click(); });
        break;
    case MenuCommand::Copy:
        handle([&] { m_model.editCommands.mnuCopy_Click(); });
        break;
    case MenuCommand::Paste:
        handle([&] { m_model.editCommands.mnuPaste_Click(); });
        break;
    case MenuCommand::Delete:
        handle([&] { m_model.editCommands.mnuDelete_Click(); });
        break;
    case MenuCommand::SelectAll:
        handle([&] { m_model.editCommands.mnuSelect_Click(); });
        break;
    case MenuCommand::ClearDisplay:
        handle([&] { m_model.editCommands.mnuClear_Click(); });
        break;
    case MenuCommand::HelpTopics:
        handle([&] { m_model.splashAboutHelp.mnuUsage_Click(); });
        break;
    case MenuCommand::Example:
        handle([&] { m_model.taskLists.mnuExample_Click(); });
        break;
    case MenuCommand::Splash:
        handle([&] { m_model.splashAboutHelp.mnuSplash_Click(); });
        break;
    case MenuCommand::About:
        handle([&] { m_model.splashAboutHelp.mnuAbout_Click(); });
        break;
    case MenuCommand::Expand:
        handle([&] { m_ws.mnuExpand.click(); });
        break;
    case MenuCommand::DisplayOnly:
        handle([&] { m_ws.mnuShort.click(); });
        break;
    case MenuCommand::AlwaysOnTop:
        handle([&] { m_ws.mnuTop.click(); });
        break;
    case MenuCommand::NumberFormat:
        handle([&] { m_model.numberSettings.mnuNumber_Click(); });
        break;
    case MenuCommand::Model:
        for (const auto& [bound, item] : m_modelItems) {
            if (bound == action) {
                handle([item] { item->click(); });
            }
        }
        break;
    case MenuCommand::NotYet:
        break;
    }
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
    m_views.input->pull(m_ws);
    m_views.numberFormat->pull(m_model);
    m_views.anglePower->pull(m_model);
    m_views.panels->pull(m_model);
    m_views.composition->pull(m_model.compositionPanel);
    handler();
    refresh();
}

void Vescal::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The window hears of the change before its children take the new palette: the colours are
    // fitted once the change has reached them all.
    if (event->type() == QEvent::PaletteChange && m_views.display != nullptr && !m_syncing) {
        QMetaObject::invokeMethod(this, &Vescal::refresh, Qt::QueuedConnection);
    }
}

void Vescal::refresh() {
    m_syncing = true;
    syncWindow();
    syncMenus();
    m_views.display->sync(m_ws);
    m_views.input->sync(m_ws);
    m_views.numberFormat->sync(m_model);
    m_views.anglePower->sync(m_model);
    m_views.panels->sync(m_model);
    m_views.composition->sync(m_model.compositionPanel);
    syncDocuments();
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
    const bool anyMenu = m_ws.mnuFile.visible || m_ws.mnuEdit.visible || m_ws.mnuInsert.visible ||
                         m_ws.mnuView.visible || m_ws.mnuHelp.visible;
    menuBar()->setVisible(anyMenu);
    const QSize size = m_zoom->scaled(clientSize(m_ws.windowWidth, m_ws.windowHeight));
    if (size != m_shownSize) {
        setFixedSize(size);
        m_shownSize = size;
    }
    m_views.fraExpand->setVisible(m_ws.windowWidth > window_size::NormalWidth);
}

void Vescal::syncMenus() {
    const std::pair<QMenu*, const MenuItem*> tops[] = {
        {m_menus.mnuFile, &m_ws.mnuFile},     {m_menus.mnuEdit, &m_ws.mnuEdit},
        {m_menus.mnuInsert, &m_ws.mnuInsert}, {m_menus.mnuView, &m_ws.mnuView},
        {m_menus.mnuHelp, &m_ws.mnuHelp},
    };
    for (const auto& [menu, item] : tops) {
        menu->menuAction()->setVisible(item->visible);
    }
    // Items of a hidden menu must not run by their shortcuts, so that their keys reach the key
    // preview. Qt checks only that the menu bar is visible, not each top-level menu: disabling
    // the items makes it hold for any menu hidden.
    for (const auto& [action, command] : m_actions.commands) {
        const auto* menu = qobject_cast<const QMenu*>(action->parent());
        const bool reachable = menu != nullptr && menu->menuAction()->isVisible();
        action->setEnabled(command != MenuCommand::NotYet && reachable);
    }
    const auto reachable = [](const QAction* action) { return action->isEnabled(); };
    syncMenuItem(*m_actions.mnuExpand, m_ws.mnuExpand, reachable(m_actions.mnuExpand));
    syncMenuItem(*m_actions.mnuShort, m_ws.mnuShort, reachable(m_actions.mnuShort));
    syncMenuItem(*m_actions.mnuTop, m_ws.mnuTop, reachable(m_actions.mnuTop));
    for (const auto& [action, item] : m_modelItems) {
        const QSignalBlocker blocker(action);
        action->setChecked(item->checked);
    }
}

void Vescal::applyFocus() {
    const FocusTarget target = m_ws.focus;
    m_ws.focus = FocusTarget::None;
    switch (target) {
    case FocusTarget::txtUnosFormule:
        m_views.input->line().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::txtDecimala:
        m_views.numberFormat->decimals().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::txtPower:
        m_views.anglePower->power().setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::None:
        break;
    }
}

} // namespace zolvan
