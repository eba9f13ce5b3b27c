#include "ui/panels_view.h"

#include "documents/window_model.h"
#include "ui/geometry.h"
#include "ui/view_sync.h"
#include "ui/window_zoom.h"

#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>
#include <QToolTip>

namespace zolvan {

namespace {

constexpr int kPanelTop = 330;   // the function panel's rows count from just below the tabs
constexpr int kSquareTop = 1250; // the coefficient row
constexpr int kLabel1Top = 1800; // the note above the statistics rows
constexpr int kTabHeight = 325;
constexpr std::array<int, 4> kTabLeft{0, 890, 1780, 2680};
constexpr std::array<int, 4> kTabWidth{900, 910, 925, 900};
// The lists start below the second row of tabs, where the Composition tab stands.
constexpr QRect kListRect{px(105), px(450 + kTabHeight), px(3375), px(4680 - kTabHeight)};

QString arrayName(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QColor buttonColour(ButtonColour colour) {
    switch (colour) {
    case ButtonColour::LightGrey:
        return {224, 224, 224};
    case ButtonColour::ToolTip:
        return QToolTip::palette().color(QPalette::ToolTipBase);
    case ButtonColour::Grey:
        return {192, 192, 192};
    case ButtonColour::LightRed:
        return {255, 192, 192};
    case ButtonColour::LightGreen:
        return {192, 255, 192};
    case ButtonColour::Default:
        break;
    }
    return {};
}

QFont buttonFont(ButtonFont kind) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(kind == ButtonFont::Large || kind == ButtonFont::LargeBold ? 12.0 : 9.0);
    font.setBold(kind == ButtonFont::LargeBold);
    return font;
}

// Caption or picture, colour, font and the words a screen reader says.
void dressButton(QPushButton& button, std::string_view caption, std::string_view toolTip,
                 const ButtonLook& look) {
    button.setToolTip(text(toolTip));
    button.setAccessibleName(text(spokenName(caption, toolTip)));
    button.setFont(buttonFont(look.font));
    if (look.picture.empty()) {
        button.setText(text(caption));
    } else {
        button.setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(text(look.picture))));
        button.setIconSize(QSize(36, 22));
    }
    const QColor colour = buttonColour(look.colour);
    if (colour.isValid()) {
        QPalette palette = button.palette();
        palette.setColor(QPalette::Button, colour);
        // The face keeps its light design colour in a dark theme too: its text stays dark.
        palette.setColor(QPalette::ButtonText, Qt::black);
        button.setPalette(palette);
    }
}

void syncCaption(QAbstractButton& button, const std::string& caption) {
    const QString wanted = toQString(caption);
    if (!button.icon().isNull() || button.text() == wanted) {
        return;
    }
    button.setText(wanted);
}

} // namespace

std::vector<QWidget*> PanelsView::calculatorKeys() const {
    std::vector<QWidget*> keys(m_imgMenu.begin(), m_imgMenu.end());
    keys.insert(keys.end(), m_cmdNum.begin(), m_cmdNum.end());
    keys.push_back(m_chkInverse);
    return keys;
}

std::vector<QWidget*> PanelsView::sideKeys() const {
    std::vector<QWidget*> keys(m_cmdConstant.begin(), m_cmdConstant.end());
    keys.insert(keys.end(), m_cmdFunction.begin(), m_cmdFunction.end());
    keys.push_back(m_cmdKvadratna);
    return keys;
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        QStylePainter painter(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

PanelButton::PanelButton(QWidget* parent) : QPushButton(parent) {
    setMouseTracking(true);
}

void PanelButton::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    QPushButton::mouseMoveEvent(event);
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightReleased();
    }
    QPushButton::mouseReleaseEvent(event);
}

PanelsView::PanelsView(QWidget& calculator, QWidget& function, QWidget& side)
    : QObject(&calculator), m_picFunction(&function) {
    buildKeypad(calculator);
    buildImageMenu(calculator);
    buildFunctionPanel(function);
    buildSquarePanel(function);
    buildSide(side);
}

void PanelsView::buildKeypad(QWidget& calculator) {
    const auto cell = [](const ButtonLook& look, int width) {
        const auto row = static_cast<std::size_t>(look.row - 1);
        return twipRect(kKeypadColumnLeft[static_cast<std::size_t>(look.column - 1)],
                        kKeypadRowTop[row], width, kKeypadRowHeight[row]);
    };
    for (std::size_t i = 0; i < m_cmdNum.size(); ++i) {
        const KeypadKey& key = kKeypad[i];
        auto* button = new PanelButton(&calculator);
        button->setObjectName(arrayName("cmdNum", i));
        dressButton(*button, key.caption, key.toolTip, key.look);
        button->setGeometry(cell(key.look, kKeypadKeyWidth));
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { emit keyClicked(index); });
        connect(button, &PanelButton::rightReleased, this,
                [this, index] { emit keyRightReleased(index); });
        connect(button, &PanelButton::pointerMoved, this,
                [this, index] { emit keyHovered(index); });
        m_cmdNum[i] = button;
    }
    m_chkInverse = new QCheckBox(QStringLiteral("Inv"), &calculator);
    m_chkInverse->setObjectName(QStringLiteral("chkInverse"));
    m_chkInverse->setToolTip(QStringLiteral(" Inverse Function "));
    m_chkInverse->setAccessibleName(QStringLiteral("Inverse function"));
    QFont small = buttonFont(ButtonFont::Small);
    small.setPointSizeF(8.25);
    m_chkInverse->setFont(small);
    m_chkInverse->setGeometry(cell(kInverseLook, kKeypadKeyWidth).adjusted(2, 0, 0, 0));
    connect(m_chkInverse, &QCheckBox::clicked, this, &PanelsView::inverseClicked);
}

void PanelsView::buildImageMenu(QWidget& calculator) {
    auto* bar = new QWidget(&calculator);
    bar->setObjectName(QStringLiteral("picMenu"));
    bar->setGeometry(twipRect(kImageMenuLeft, kImageMenuTop, kImageMenuWidth, kImageMenuHeight));
    for (std::size_t i = 0; i < m_imgMenu.size(); ++i) {
        auto* button = new PictureButton(bar);
        button->setObjectName(arrayName("imgMenu", i));
        button->setFlat(true);
        button->setMouseTracking(true);
        button->setIconSize(QSize(px(kImageButtonSize) - 4, px(kImageButtonSize) - 4));
        button->setGeometry(twipRect(static_cast<int>(i) * kImageButtonPitch, 0, kImageButtonSize,
                                     kImageButtonSize));
        button->installEventFilter(this);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { emit imageClicked(index); });
        m_imgMenu[i] = button;
    }
    // The frame lets every mouse event through to the button it marks.
    m_imgButonMask = new QFrame(bar);
    m_imgButonMask->setObjectName(QStringLiteral("imgButonMask"));
    m_imgButonMask->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_imgButonMask->setLineWidth(1);
    m_imgButonMask->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_imgButonMask->setGeometry(twipRect(-350, 0, kImageButtonSize, kImageButtonSize));
}

void PanelsView::buildFunctionPanel(QWidget& function) {
    for (std::size_t i = 0; i < m_cmdFunction.size(); ++i) {
        const FunctionKey& key = kFunctionPanel[i];
        auto* button = new PanelButton(&function);
        button->setObjectName(arrayName("cmdFunction", i));
        dressButton(*button, key.caption, key.toolTip, key.look);
        const auto row = static_cast<std::size_t>(key.look.row - 1);
        button->setGeometry(twipRect(
            kFunctionColumnLeft[static_cast<std::size_t>(key.look.column - 1)],
            kFunctionRowTop[row] + kPanelTop, kFunctionKeyWidth - 15, kFunctionRowHeight[row]));
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, index] { emit functionClicked(index); });
        connect(button, &PanelButton::pointerMoved, this,
                [this, index] { emit functionHovered(index); });
        m_cmdFunction[i] = button;
    }
    m_label1 = new QLabel(&function);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setGeometry(0, px(kLabel1Top), function.width(), px(240));
}

void PanelsView::buildSquarePanel(QWidget& function) {
    auto* frame = new QFrame(&function);
    frame->setObjectName(QStringLiteral("fraKvadratna"));
    frame->setGeometry(px(105), px(kSquareTop), px(3375), px(330));
    const char* boxNames[] = {"Coefficient c", "Coefficient b", "Coefficient a"};
    int x = 0;
    const int height = px(300);
    const auto place = [&](QWidget* widget, int width) {
        widget->setGeometry(x, 0, width, height);
        x += width + 2;
    };
    for (int i = 2; i >= 0; --i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(arrayName("txtKvadratna", static_cast<std::size_t>(i)));
        box->setAccessibleName(QString::fromLatin1(boxNames[i]));
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
        m_txtKvadratna[static_cast<std::size_t>(i)] = box;
        place(box, 30);
        QLabel* label = nullptr;
        if (i == 2) {
            label = new QLabel(frame);
            label->setObjectName(QStringLiteral("imgKvadrat"));
            const QString picture = QStringLiteral(":/pictures/x_squared.svg");
            label->setPixmap(QIcon(picture).pixmap(QSize(24, 24), frame->devicePixelRatioF()));
            label->setProperty(kPictureProperty, picture); // drawn again at each zoom
            label->setAccessibleDescription(QStringLiteral("x squared"));
            place(label, 20);
        }
        const char* plus[] = {"= 0", "x +", "+"};
        label = new QLabel(QString::fromLatin1(plus[i]), frame);
        label->setObjectName(arrayName("lblPlus", static_cast<std::size_t>(2 - i)));
        place(label, i == 2 ? 10 : 24);
    }
    m_cmdKvadratna = new QPushButton(QStringLiteral("Calc"), frame);
    m_cmdKvadratna->setObjectName(QStringLiteral("cmdKvadratna"));
    m_cmdKvadratna->setToolTip(QStringLiteral(" Calculate square equation "));
    m_cmdKvadratna->setAccessibleName(QStringLiteral("Calculate square equation"));
    place(m_cmdKvadratna, frame->width() - x);
    connect(m_cmdKvadratna, &QPushButton::clicked, this, &PanelsView::squareClicked);
}

void PanelsView::buildSide(QWidget& side) {
    QFont tabFont(QStringLiteral("DejaVu Sans"));
    tabFont.setPointSizeF(8.25);
    for (std::size_t i = 0; i < m_cmdConstant.size(); ++i) {
        auto* tab = new QPushButton(&side);
        tab->setObjectName(arrayName("cmdConstant", i));
        tab->setFont(tabFont);
        tab->setGeometry(twipRect(kTabLeft[i], 0, kTabWidth[i], kTabHeight));
        const int index = static_cast<int>(i);
        connect(tab, &QPushButton::clicked, this, [this, index] { emit tabClicked(index); });
        m_cmdConstant[i] = tab;
    }
    m_fraOptMaska = new QFrame(&side);
    m_fraOptMaska->setObjectName(QStringLiteral("fraOptMaska"));
    m_fraOptMaska->setAutoFillBackground(true);
    QPalette bar = m_fraOptMaska->palette();
    bar.setColor(QPalette::Window, QColor(0, 92, 64));
    m_fraOptMaska->setPalette(bar);
    const char* names[] = {"SI units", "Physical constants", "SI prefixes", "Custom constants"};
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        auto* list = new QListWidget(&side);
        list->setObjectName(arrayName("lstConstants", i));
        list->setAccessibleName(QString::fromLatin1(names[i]));
        list->setUniformItemSizes(true);
        list->setGeometry(kListRect);
        list->hide();
        list->installEventFilter(this);
        const int index = static_cast<int>(i);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, index] { emit listActivated(index); });
        m_lstConstants[i] = list;
    }
}

bool PanelsView::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < m_imgMenu.size(); ++i) {
        if (watched != m_imgMenu[i]) {
            continue;
        }
        const int index = static_cast<int>(i);
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            emit imageHovered(index);
        } else if (event->type() == QEvent::MouseButtonPress) {
            emit imagePressed(index);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            emit imageReleased(index);
        }
    }
    for (std::size_t i = 0; i < m_txtKvadratna.size(); ++i) {
        if (watched != m_txtKvadratna[i]) {
            continue;
        }
        if (event->type() == QEvent::FocusIn) {
            // After the press that gave the focus has placed the caret, or the selection of
            // the whole text would be undone by it at once.
            const int index = static_cast<int>(i);
            QTimer::singleShot(0, this, [this, index] { emit squareFocused(index); });
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit squareEnter(static_cast<int>(i));
                return true;
            }
        }
    }
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        if (watched == m_lstConstants[i] && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit listActivated(static_cast<int>(i));
                return true;
            }
        }
    }
    return false;
}

void PanelsView::pull(WindowModel& model) const {
    for (std::size_t i = 0; i < m_txtKvadratna.size(); ++i) {
        pullTextBox(*m_txtKvadratna[i], model.squareEquationPanel.txtKvadratna[i]);
    }
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        model.constantsPanel.lstConstants[i].listIndex = m_lstConstants[i]->currentRow();
    }
}

namespace {

void syncListWidget(QListWidget& widget, const ListBox& model) {
    const QSignalBlocker blocker(widget);
    const int count = static_cast<int>(model.items.size());
    bool same = widget.count() == count;
    for (int i = 0; same && i < count; ++i) {
        same = widget.item(i)->text() == toQString(model.items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        QStringList lines;
        lines.reserve(count);
        for (const std::string& line : model.items) {
            lines.append(toQString(line));
        }
        widget.clear();
        widget.addItems(lines);
    }
    if (widget.currentRow() != model.listIndex) {
        widget.setCurrentRow(model.listIndex);
    }
    widget.setVisible(model.visible);
}

} // namespace

void PanelsView::sync(const WindowModel& model) {
    const Workspace& ws = model.workspace;
    for (std::size_t i = 0; i < m_cmdNum.size(); ++i) {
        syncCaption(*m_cmdNum[i], model.keypad.cmdNum[i].caption);
    }
    {
        const QSignalBlocker blocker(m_chkInverse);
        m_chkInverse->setChecked(model.keypad.chkInverse.checked());
    }
    for (std::size_t i = 0; i < m_imgMenu.size(); ++i) {
        QPushButton& button = *m_imgMenu[i];
        const ImageButton& image = ws.imgMenu[i];
        const QString name = toQString(image.picture);
        if (button.property("picture").toString() != name) {
            button.setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)));
            button.setProperty("picture", name);
        }
        button.setToolTip(toQString(image.toolTip));
        button.setAccessibleName(toQString(spokenName({}, image.toolTip)));
        button.setEnabled(model.insertMenu.imageMenuItem(static_cast<int>(i)).enabled);
    }
    m_imgButonMask->move(
        zoomed(*m_imgButonMask, QRect(px(ws.imgButonMaskLeft), 0, 1, 1)).topLeft());
    m_imgButonMask->setFrameShadow(model.insertMenu.imgButonMask == "imgButonDn" ? QFrame::Sunken
                                                                                 : QFrame::Raised);
    m_imgButonMask->raise();

    syncLabel(*m_label1, model.functionPanel.Label1);
    for (std::size_t i = 0; i < m_txtKvadratna.size(); ++i) {
        pushTextBox(*m_txtKvadratna[i], model.squareEquationPanel.txtKvadratna[i]);
    }
    const ConstantsPanel& constants = model.constantsPanel;
    m_picFunction->setVisible(constants.picFunction.visible);
    for (std::size_t i = 0; i < m_cmdConstant.size(); ++i) {
        syncCaption(*m_cmdConstant[i], constants.cmdConstant[i].caption);
    }
    m_fraOptMaska->setGeometry(
        zoomed(*m_fraOptMaska, QRect(px(constants.fraOptMaska.left), px(kTabHeight),
                                     px(constants.fraOptMaska.width), 2)));
    for (std::size_t i = 0; i < m_lstConstants.size(); ++i) {
        syncListWidget(*m_lstConstants[i], constants.lstConstants[i]);
    }
}

} // namespace zolvan
