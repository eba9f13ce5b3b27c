#include "ui/document_windows.h"

#include "documents/splash_about_help.h"
#include "documents/task_lists.h"
#include "ui/click_widgets.h"
#include "ui/view_sync.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace zolvan {

namespace {

void setText(QLabel& label, const std::string& text) {
    const QString shown = toQString(text);
    if (label.text() != shown) {
        label.setText(shown);
    }
}

QLabel* addLabel(QWidget& parent, QBoxLayout& layout, const char* name, int pointSize, bool bold,
                 Qt::Alignment alignment = Qt::AlignCenter) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    // Clicks fall through to the window, which closes on any of them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout.addWidget(label);
    return label;
}

} // namespace

SplashView::SplashView(SplashAboutHelp& model, RunHandler run)
    : QWidget(nullptr, Qt::SplashScreen), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Zolvan"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 64, 48));
    colours.setColor(QPalette::WindowText, QColor(255, 255, 255));
    setPalette(colours);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    auto* logo = addLabel(*this, *layout, "imgLogo_0", 30, true);
    logo->setText(QStringLiteral("Zn"));
    logo->setStyleSheet(QStringLiteral("color: white; border: 2px solid white; padding: 6px;"));
    m_lblProductName = addLabel(*this, *layout, "lblProductName", 18, true);
    m_lblLicenseTo1 = addLabel(*this, *layout, "lblLicenseTo_1", 10, false);
    m_lblVersion = addLabel(*this, *layout, "lblVersion", 10, true);
    m_lblPlatform = addLabel(*this, *layout, "lblPlatform", 9, false);
    m_lblLicenseTo0 = addLabel(*this, *layout, "lblLicenseTo_0", 8, false);
    setMinimumWidth(380);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kSplashInterval);
    connect(m_timer, &QTimer::timeout, this, [this] { m_run([this] { m_model.Timer1_Timer(); }); });
}

void SplashView::sync() {
    const SplashWindow& model = m_model.frmSplash;
    setText(*m_lblProductName, model.lblProductName.caption);
    setText(*m_lblLicenseTo0, model.lblLicenseTo0.caption);
    setText(*m_lblLicenseTo1, model.lblLicenseTo1.caption);
    setText(*m_lblPlatform, model.lblPlatform.caption);
    setText(*m_lblVersion, model.lblVersion.caption);
    if (model.timerEnabled != m_timer->isActive()) {
        model.timerEnabled ? m_timer->start() : m_timer->stop();
    }
    if (model.loaded != isVisible()) {
        if (model.loaded) {
            adjustSize();
            show();
            raise();
            activateWindow();
            setFocus();
        } else {
            hide();
        }
    }
}

void SplashView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_run([this] { m_model.closeSplash(); });
}

void SplashView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    m_run([this] { m_model.closeSplash(); });
}

AboutView::AboutView(SplashAboutHelp& model, RunHandler run)
    : QWidget(nullptr, Qt::Dialog), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("frmAbout"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    auto* icon = addLabel(*this, *layout, "picIcon", 24, true);
    icon->setText(QStringLiteral("Zn"));
    m_lblTitle = addLabel(*this, *layout, "lblTitle", 14, true);
    m_lblVersion = addLabel(*this, *layout, "lblVersion", 9, false);
    m_lblDescription = addLabel(*this, *layout, "lblDescription", 9, false, Qt::AlignLeft);
    m_lblURL = new ClickableLabel(this);
    m_lblURL->setObjectName(QStringLiteral("lblURL"));
    m_lblURL->setCursor(Qt::PointingHandCursor);
    m_lblURL->setAccessibleDescription(QStringLiteral("Project web address"));
    QPalette link = m_lblURL->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_lblURL->setPalette(link);
    layout->addWidget(m_lblURL);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.aboutForm_Click(); }); });
    connect(m_lblURL, &ClickableLabel::clicked, this,
            [this] { m_run([this] { m_model.lblURL_Click(); }); });
    setMinimumWidth(340);
}

void AboutView::sync() {
    const AboutWindow& model = m_model.frmAbout;
    setWindowTitle(toQString(model.caption));
    setText(*m_lblTitle, model.lblTitle.caption);
    setText(*m_lblVersion, model.lblVersion.caption);
    setText(*m_lblDescription, model.lblDescription.caption);
    setText(*m_lblURL, std::string(kWebAddress));
    if (model.loaded != isVisible()) {
        model.loaded ? show() : hide();
    }
}

void AboutView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_run([this] { m_model.aboutForm_Click(); });
}

// The window's own close button unloads it as a click does.
void AboutView::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_run([this] { m_model.aboutForm_Click(); });
}

HelpView::HelpView(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Zolvan Help"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    layout->addLayout(buttons);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    layout->addWidget(m_browser);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    resize(640, 560);
}

void HelpView::showContents() {
    m_browser->home();
    show();
    raise();
    activateWindow();
}

BusyPanel::BusyPanel(QWidget* parent, const TaskLists& model) : QFrame(parent), m_model(model) {
    setObjectName(QStringLiteral("fraWait"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(colours);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    const char* names[] = {"lblWait_0", "lblWait_1", "lblWait_2"};
    for (std::size_t i = 0; i < m_lblWait.size(); ++i) {
        m_lblWait[i] = addLabel(*this, *layout, names[i], i == 0 ? 10 : 8, i == 0);
    }
    hide();
}

void BusyPanel::sync() {
    const TaskLists& model = m_model;
    for (std::size_t i = 0; i < m_lblWait.size(); ++i) {
        setText(*m_lblWait[i], model.lblWait[i].caption);
    }
    if (model.fraWait.visible != isVisible()) {
        setVisible(model.fraWait.visible);
        if (isVisible()) {
            raise();
        }
    }
}

DocumentWindows::DocumentWindows(QWidget& mainWindow, SplashAboutHelp& model, RunHandler run)
    : m_mainWindow(mainWindow), m_model(model), m_run(std::move(run)),
      m_splash(std::make_unique<SplashView>(model, m_run)) {}

DocumentWindows::~DocumentWindows() = default;

void DocumentWindows::showHelp() {
    if (m_help == nullptr) {
        m_help = std::make_unique<HelpView>(nullptr);
    }
    m_help->showContents();
}

void DocumentWindows::sync() {
    m_splash->sync();
    if (m_about == nullptr && m_model.frmAbout.loaded) {
        m_about = std::make_unique<AboutView>(m_model, m_run);
    }
    if (m_about != nullptr) {
        m_about->sync();
    }
    if (m_model.mainWindowShown && !m_mainWindow.isVisible()) {
        m_mainWindow.show();
        m_mainWindow.activateWindow();
    }
}

} // namespace zolvan
