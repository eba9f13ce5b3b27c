#include "ui/settings_view.h"

#include "ui/view_sync.h"
#include "workspace/number_settings.h"

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

#include <functional>

namespace zolvan {

namespace {

constexpr int kNumberBoxWidth = 30;
constexpr int kSpinHeight = 22;
constexpr int kSpinWidth = 16;

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
void makeOptionGroup(std::array<QRadioButton*, 3>& buttons, const char* name, QWidget* parent,
                     QBoxLayout* layout, std::function<void(int)> clicked) {
    auto* group = new QButtonGroup(parent);
    auto* focus = new SelectedOptionFocus(group);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QRadioButton(parent);
        buttons[i]->setObjectName(arrayName(name, i));
        buttons[i]->installEventFilter(focus);
        group->addButton(buttons[i], static_cast<int>(i));
        layout->addWidget(buttons[i]);
    }
    QObject::connect(group, &QButtonGroup::idClicked, parent, std::move(clicked));
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

} // namespace

NumberFormatFrame::NumberFormatFrame(QWidget* parent, NumberSettings& model, RunHandler run)
    : QGroupBox(parent), m_model(model), m_run(std::move(run)) {
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
    connect(m_cmdHide, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdHide_Click(); }); });
}

QWidget* NumberFormatFrame::buildDisplayModes() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraSciFix"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(2);
    makeOptionGroup(m_optNumber, "optNumber", frame, layout,
                    [this](int i) { m_run([&] { m_model.optNumber.select(i); }); });

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

    // The user's edit raises the box's change handler, as typing does.
    connect(m_txtDecimala, &QLineEdit::textEdited, this,
            [this] { m_run([this] { editTextBox(*m_txtDecimala, m_model.txtDecimala); }); });
    connect(m_vsbDecimala, &QScrollBar::valueChanged, this,
            [this](int value) { m_run([&] { m_model.vsbDecimala.setValue(value); }); });
    connect(m_chkTisuca, &QCheckBox::clicked, this,
            [this](bool on) { m_run([&] { m_model.chkTisuca.setChecked(on); }); });
    return frame;
}

QWidget* NumberFormatFrame::buildAngleUnits() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraRadDeg"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(2);
    makeOptionGroup(m_optRadDeg, "optRadDeg", frame, layout,
                    [this](int i) { m_run([&] { m_model.optRadDeg.select(i); }); });
    return frame;
}

void NumberFormatFrame::pull() {
    pullSelection(*m_txtDecimala, m_model.txtDecimala);
}

void NumberFormatFrame::sync() {
    const QString title = toQString(m_model.frmNumber.caption);
    if (this->title() != title) {
        setTitle(title);
    }
    for (std::size_t i = 0; i < m_optNumber.size(); ++i) {
        syncCaption(*m_optNumber[i], m_model.optNumber.buttons[i].caption);
        syncCaption(*m_optRadDeg[i], m_model.optRadDeg.buttons[i].caption);
    }
    syncOptionButtons(m_optNumber, m_model.optNumber);
    syncOptionButtons(m_optRadDeg, m_model.optRadDeg);
    syncLabel(*m_lblDecimala, m_model.lblDecimala);
    pushTextBox(*m_txtDecimala, m_model.txtDecimala);
    syncScrollBar(*m_vsbDecimala, m_model.vsbDecimala);
    syncCaption(*m_chkTisuca, m_model.chkTisuca.caption);
    syncCheckBox(*m_chkTisuca, m_model.chkTisuca);
    if (isVisibleTo(parentWidget()) != m_model.frmNumber.visible) {
        setVisible(m_model.frmNumber.visible);
        if (m_model.frmNumber.visible) {
            raise(); // over the keypad
        }
    }
}

AnglePowerPanel::AnglePowerPanel(QWidget* parent, NumberSettings& model, RunHandler run)
    : QWidget(parent), m_model(model), m_run(std::move(run)) {
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
    makeOptionGroup(m_optRadiani, "optRadiani", this, layout,
                    [this](int i) { m_run([&] { m_model.optRadiani.select(i); }); });
    layout->addStretch();

    connect(m_txtPower, &QLineEdit::textEdited, this,
            [this] { m_run([this] { editTextBox(*m_txtPower, m_model.txtPower); }); });
    connect(m_vsbPower, &QScrollBar::valueChanged, this,
            [this](int value) { m_run([&] { m_model.vsbPower.setValue(value); }); });
}

bool AnglePowerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtPower && event->type() == QEvent::FocusIn) {
        m_run([this] { m_model.txtPower_GotFocus(); });
    }
    return false;
}

void AnglePowerPanel::pull() {
    pullSelection(*m_txtPower, m_model.txtPower);
}

void AnglePowerPanel::sync() {
    for (std::size_t i = 0; i < m_optRadiani.size(); ++i) {
        syncCaption(*m_optRadiani[i], m_model.optRadiani.buttons[i].caption);
    }
    syncOptionButtons(m_optRadiani, m_model.optRadiani);
    pushTextBox(*m_txtPower, m_model.txtPower);
    syncScrollBar(*m_vsbPower, m_model.vsbPower);
}

} // namespace zolvan
