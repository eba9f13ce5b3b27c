#include "ui/settings_view.h"

#include "documents/window_model.h"
#include "ui/view_sync.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zolvan {

namespace {

constexpr int kNumberBoxWidth = 30;
constexpr int kSpinHeight = 22;
constexpr int kSpinWidth = 16;

QString arrayName(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Tab into an option group lands on its selected button, from where the arrow keys go on, as
// it does in other desktop programs; Qt would otherwise give the focus to the group's first.
class SelectedOptionFocus : public QObject {
public:
    explicit SelectedOptionFocus(QButtonGroup* group) : QObject(group), m_group(group) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QAbstractButton* selected = m_group->checkedButton();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            selected != nullptr && selected != watched && selected->isEnabled()) {
            selected->setFocus(reason);
        }
        return false;
    }

private:
    QButtonGroup* m_group;
};

// Three option buttons of one group; a click reports the button's index.
template <typename Signal, typename Owner>
void makeOptionGroup(std::array<QRadioButton*, 3>& buttons, const char* name, QWidget* parent,
                     QBoxLayout* layout, Owner* owner, Signal signal) {
    auto* group = new QButtonGroup(parent);
    auto* focus = new SelectedOptionFocus(group);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QRadioButton(parent);
        buttons[i]->setObjectName(arrayName(name, i));
        buttons[i]->installEventFilter(focus);
        group->addButton(buttons[i], static_cast<int>(i));
        layout->addWidget(buttons[i]);
    }
    QObject::connect(group, &QButtonGroup::idClicked, owner, signal);
}

// A vertical scroll bar used as a spin control: up raises the value.
QScrollBar* makeSpin(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setAccessibleName(accessibleName);
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(false);
    bar->setPageStep(1);
    bar->setFixedSize(kSpinWidth, kSpinHeight);
    return bar;
}

QLineEdit* makeNumberBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFixedSize(kNumberBoxWidth, kSpinHeight);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void syncCaption(QAbstractButton& button, const std::string& caption) {
    const QString text = toQString(caption);
    if (button.text() != text) {
        button.setText(text);
    }
}

} // namespace

NumberFormatFrame::NumberFormatFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("frmNumber"));
    // It opens over the keypad: without its own background the keys would show through.
    setAutoFillBackground(true);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->addWidget(buildDisplayModes(), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(buildAngleUnits());
    right->addStretch();
    m_cmdHide = new QPushButton(QStringLiteral("&Close"), this);
    m_cmdHide->setObjectName(QStringLiteral("cmdHide"));
    right->addWidget(m_cmdHide);
    columns->addLayout(right, 2);
    connect(m_cmdHide, &QPushButton::clicked, this, &NumberFormatFrame::closeClicked);
}

QWidget* NumberFormatFrame::buildDisplayModes() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraSciFix"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(2);
    makeOptionGroup(m_optNumber, "optNumber", frame, layout, this,
                    &NumberFormatFrame::displayModeClicked);

    m_lblDecimala = new QLabel(frame);
    m_lblDecimala->setObjectName(QStringLiteral("lblDecimala"));
    m_txtDecimala =
        makeNumberBox(frame, QStringLiteral("txtDecimala"), QStringLiteral("Decimal places"));
    m_lblDecimala->setBuddy(m_txtDecimala);
    m_vsbDecimala =
        makeSpin(frame, QStringLiteral("vsbDecimala"), QStringLiteral("Decimal places up or down"));
    layout->addWidget(m_lblDecimala);
    auto* decimals = new QHBoxLayout;
    decimals->setSpacing(1);
    decimals->addWidget(m_txtDecimala);
    decimals->addWidget(m_vsbDecimala);
    decimals->addStretch();
    layout->addLayout(decimals);

    m_chkTisuca = new QCheckBox(frame);
    m_chkTisuca->setObjectName(QStringLiteral("chkTisuca"));
    layout->addWidget(m_chkTisuca);

    connect(m_txtDecimala, &QLineEdit::textEdited, this, &NumberFormatFrame::decimalsEdited);
    connect(m_vsbDecimala, &QScrollBar::valueChanged, this, &NumberFormatFrame::decimalsScrolled);
    connect(m_chkTisuca, &QCheckBox::clicked, this, &NumberFormatFrame::separatorClicked);
    return frame;
}

QWidget* NumberFormatFrame::buildAngleUnits() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraRadDeg"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(2);
    makeOptionGroup(m_optRadDeg, "optRadDeg", frame, layout, this,
                    &NumberFormatFrame::angleClicked);
    return frame;
}

void NumberFormatFrame::pull(WindowModel& model) const {
    pullSelection(*m_txtDecimala, model.workspace.txtDecimala);
}

void NumberFormatFrame::takeDecimals(WindowModel& model) const {
    editTextBox(*m_txtDecimala, model.workspace.txtDecimala);
}

void NumberFormatFrame::sync(const WindowModel& model) {
    const QString title = toQString(model.numberSettings.frmNumber.caption);
    if (this->title() != title) {
        setTitle(title);
    }
    for (std::size_t i = 0; i < m_optNumber.size(); ++i) {
        syncCaption(*m_optNumber[i], model.workspace.optNumber.buttons[i].caption);
        syncCaption(*m_optRadDeg[i], model.workspace.optRadDeg.buttons[i].caption);
    }
    syncOptionButtons(m_optNumber, model.workspace.optNumber);
    syncOptionButtons(m_optRadDeg, model.workspace.optRadDeg);
    syncLabel(*m_lblDecimala, model.numberSettings.lblDecimala);
    pushTextBox(*m_txtDecimala, model.workspace.txtDecimala);
    syncScrollBar(*m_vsbDecimala, model.numberSettings.vsbDecimala);
    syncCaption(*m_chkTisuca, model.numberSettings.chkTisuca.caption);
    syncCheckBox(*m_chkTisuca, model.numberSettings.chkTisuca);
    if (isVisibleTo(parentWidget()) != model.numberSettings.frmNumber.visible) {
        setVisible(model.numberSettings.frmNumber.visible);
        if (model.numberSettings.frmNumber.visible) {
            raise(); // over the keypad
        }
    }
}

AnglePowerPanel::AnglePowerPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraAnglePower"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(2);

    m_txtPower = makeNumberBox(this, QStringLiteral("txtPower"),
                               QStringLiteral("Exponent of the power keys"));
    m_txtPower->installEventFilter(this);
    m_vsbPower = makeSpin(this, QStringLiteral("vsbPower"), QStringLiteral("Exponent up or down"));
    auto* power = new QHBoxLayout;
    power->setSpacing(1);
    power->addWidget(m_txtPower);
    power->addWidget(m_vsbPower);
    power->addStretch();
    layout->addLayout(power);
    makeOptionGroup(m_optRadiani, "optRadiani", this, layout, this, &AnglePowerPanel::angleClicked);
    layout->addStretch();

    connect(m_txtPower, &QLineEdit::textEdited, this, &AnglePowerPanel::powerEdited);
    connect(m_vsbPower, &QScrollBar::valueChanged, this, &AnglePowerPanel::powerScrolled);
}

bool AnglePowerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtPower && event->type() == QEvent::FocusIn) {
        emit powerFocused();
    }
    return false;
}

void AnglePowerPanel::pull(WindowModel& model) const {
    pullSelection(*m_txtPower, model.numberSettings.txtPower);
}

void AnglePowerPanel::takePower(WindowModel& model) const {
    editTextBox(*m_txtPower, model.numberSettings.txtPower);
}

void AnglePowerPanel::sync(const WindowModel& model) {
    for (std::size_t i = 0; i < m_optRadiani.size(); ++i) {
        syncCaption(*m_optRadiani[i], model.workspace.optRadiani.buttons[i].caption);
    }
    syncOptionButtons(m_optRadiani, model.workspace.optRadiani);
    pushTextBox(*m_txtPower, model.numberSettings.txtPower);
    syncScrollBar(*m_vsbPower, model.numberSettings.vsbPower);
}

} // namespace zolvan
