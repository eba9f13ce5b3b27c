#include "ui/image_menu_view.h"

#include "panels/insert_menu.h"
#include "ui/geometry.h"
#include "ui/panel_buttons.h"
#include "ui/view_sync.h"
#include "ui/window_zoom.h"
#include "workspace/workspace.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>

#include <algorithm>

namespace zolvan {

ImageMenuView::ImageMenuView(QWidget& calculator, InsertMenu& insertMenu,
                             const Workspace& workspace, RunHandler run)
    : QObject(&calculator), m_insertMenu(insertMenu), m_ws(workspace), m_run(std::move(run)) {
    m_bar = new QWidget(&calculator);
    m_bar->setObjectName(QStringLiteral("picMenu"));
    m_bar->setGeometry(twipRect(kImageMenuLeft, kImageMenuTop, kImageMenuWidth, kImageMenuHeight));
    for (std::size_t i = 0; i < m_imgMenu.size(); ++i) {
        auto* button = new PictureButton(m_bar);
        button->setObjectName(arrayName("imgMenu", i));
        button->setFlat(true);
        button->setMouseTracking(true);
        button->setIconSize(QSize(px(kImageButtonSize) - 4, px(kImageButtonSize) - 4));
        button->setGeometry(twipRect(static_cast<int>(i) * kImageButtonPitch, 0, kImageButtonSize,
                                     kImageButtonSize));
        button->installEventFilter(this);
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, index] { m_run([&] { m_insertMenu.imgMenu_Click(index); }); });
        m_imgMenu[i] = button;
    }
    // The frame lets every mouse event through to the button it marks.
    m_imgButonMask = new QFrame(m_bar);
    m_imgButonMask->setObjectName(QStringLiteral("imgButonMask"));
    m_imgButonMask->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_imgButonMask->setLineWidth(1);
    m_imgButonMask->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_imgButonMask->setGeometry(twipRect(-350, 0, kImageButtonSize, kImageButtonSize));
    m_imgButonMask->raise(); // over the buttons, which never change their order
}

bool ImageMenuView::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_imgMenu.begin(), m_imgMenu.end(), watched);
    if (found == m_imgMenu.end()) {
        return false;
    }
    const int index = static_cast<int>(found - m_imgMenu.begin());
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
        m_run([&] { m_insertMenu.imgMenu_MouseMove(index); });
        break;
    case QEvent::MouseButtonPress:
        m_run([&] { m_insertMenu.imgMenu_MouseDown(index); });
        break;
    case QEvent::MouseButtonRelease:
        m_run([&] { m_insertMenu.imgMenu_MouseUp(index); });
        break;
    default:
        break;
    }
    return false;
}

void ImageMenuView::sync() {
    for (std::size_t i = 0; i < m_imgMenu.size(); ++i) {
        QPushButton& button = *m_imgMenu[i];
        const ImageButton& image = m_ws.imgMenu[i];
        const QString name = toQString(image.picture);
        if (button.property("picture").toString() != name) {
            button.setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)));
            button.setProperty("picture", name);
            button.setToolTip(toQString(image.toolTip));
            button.setAccessibleName(toQString(spokenName({}, image.toolTip)));
        }
        button.setEnabled(m_insertMenu.imageMenuItem(static_cast<int>(i)).enabled);
    }
    m_imgButonMask->move(
        zoomed(*m_imgButonMask, QRect(px(m_ws.imgButonMaskLeft), 0, 1, 1)).topLeft());
    const QFrame::Shadow shadow =
        m_insertMenu.imgButonMask == "imgButonDn" ? QFrame::Sunken : QFrame::Raised;
    if (m_imgButonMask->frameShadow() != shadow) {
        m_imgButonMask->setFrameShadow(shadow);
    }
}

} // namespace zolvan
