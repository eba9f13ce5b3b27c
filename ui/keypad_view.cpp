#include "ui/keypad_view.h"

#include "panels/keypad.h"
#include "ui/geometry.h"
#include "ui/panel_buttons.h"
#include "ui/view_sync.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace zolvan {

namespace {

// Mouse buttons as the model numbers them: 1 left, 2 right, 4 middle.
constexpr int kRightButton = 2;

QRect cell(const ButtonLook& look, int width) {
    const auto row = static_cast<std::size_t>(look.row - 1);
    return twipRect(kKeypadColumnLeft[static_cast<std::size_t>(look.column - 1)],
                    kKeypadRowTop[row], width, kKeypadRowHeight[row]);
}

} // namespace

KeypadView::KeypadView(QWidget& calculator, const QWidget& imageBar, Keypad& keypad,
                       Workspace& workspace, RunHandler run)
    : QObject(&calculator), m_keypad(keypad), m_run(std::move(run)), m_calculator(calculator),
      m_imageBar(imageBar) {
    buildKeys(calculator, workspace);
    m_chkInverse = new QCheckBox(QStringLiteral("Inv"), &calculator);
    m_chkInverse->setObjectName(QStringLiteral("chkInverse"));
    m_chkInverse->setToolTip(QStringLiteral(" Inverse Function "));
    m_chkInverse->setAccessibleName(QStringLiteral("Inverse function"));
    QFont small = buttonFont(ButtonFont::Small);
    small.setPointSizeF(8.25);
    m_chkInverse->setFont(small);
    m_chkInverse->setGeometry(cell(kInverseLook, kKeypadKeyWidth).adjusted(2, 0, 0, 0));
    connect(m_chkInverse, &QCheckBox::clicked, this,
            [this](bool on) { m_run([&] { m_keypad.chkInverse.setChecked(on); }); });
    calculator.setMouseTracking(true);
    calculator.installEventFilter(this);
}

void KeypadView::buildKeys(QWidget& calculator, Workspace& workspace) {
    // "=" first: the key beside it overlaps its edge and is drawn over it.
    m_cmdEnter = new QPushButton(&calculator);
    m_cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    dressButton(*m_cmdEnter, "=", " Enter ", kEnterLook);
    m_cmdEnter->setAccessibleName(QStringLiteral("Calculate"));
    m_cmdEnter->setGeometry(cell(kEnterLook, kEnterWidth));
    connect(m_cmdEnter, &QPushButton::clicked, this,
            [this, &workspace] { m_run([&] { workspace.cmdEnter_Click(); }); });
    for (std::size_t i = 0; i < m_cmdNum.size(); ++i) {
        const KeypadKey& key = kKeypad[i];
        auto* button = new PanelButton(&calculator);
        button->setObjectName(arrayName("cmdNum", i));
        dressButton(*button, key.caption, key.toolTip, key.look);
        button->setGeometry(cell(key.look, kKeypadKeyWidth));
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, index] { m_run([&] { m_keypad.cmdNum_Click(index); }); });
        connect(button, &PanelButton::rightReleased, this,
                [this, index] { m_run([&] { m_keypad.cmdNum_MouseUp(index, kRightButton); }); });
        connect(button, &PanelButton::pointerMoved, this,
                [this, index] { m_run([&] { m_keypad.cmdNum_MouseMove(index); }); });
        m_cmdNum[i] = button;
    }
}

std::vector<QWidget*> KeypadView::keys() const {
    std::vector<QWidget*> keys(m_cmdNum.begin(), m_cmdNum.end());
    keys.push_back(m_chkInverse);
    keys.push_back(m_cmdEnter);
    return keys;
}

// The pointer on the calculator frame, outside the image menu bar whose buttons pass their moves
// on to it, hides the hover frame. The keys take their own moves.
bool KeypadView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_calculator && event->type() == QEvent::MouseMove) {
        const QPoint at = m_calculator.mapFromGlobal(
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (!m_imageBar.geometry().contains(at)) {
            m_run([this] { m_keypad.fraCalculator_MouseMove(); });
        }
    }
    return false;
}

void KeypadView::sync() {
    for (std::size_t i = 0; i < m_cmdNum.size(); ++i) {
        syncCaption(*m_cmdNum[i], m_keypad.cmdNum[i].caption);
    }
    const QSignalBlocker blocker(m_chkInverse);
    m_chkInverse->setChecked(m_keypad.chkInverse.checked());
}

} // namespace zolvan
