#include "ui/square_equation_view.h"

#include "panels/square_equation_panel.h"
#include "ui/geometry.h"
#include "ui/view_sync.h"
#include "ui/window_zoom.h"
#include "workspace/key_codes.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace zolvan {

namespace {

constexpr int kSquareTop = 1250; // the coefficient row

} // namespace

SquareEquationView::SquareEquationView(QWidget& function, SquareEquationPanel& panel,
                                       RunHandler run)
    : QObject(&function), m_panel(panel), m_run(std::move(run)) {
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
    connect(m_cmdKvadratna, &QPushButton::clicked, this,
            [this] { m_run([this] { m_panel.cmdKvadratna_Click(); }); });
}

bool SquareEquationView::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_txtKvadratna.begin(), m_txtKvadratna.end(), watched);
    if (found == m_txtKvadratna.end()) {
        return false;
    }
    const int index = static_cast<int>(found - m_txtKvadratna.begin());
    if (event->type() == QEvent::FocusIn) {
        // After the press that gave the focus has placed the caret, or the selection of the whole
        // text would be undone by it at once.
        QTimer::singleShot(0, this,
                           [this, index] { m_run([&] { m_panel.txtKvadratna_GotFocus(index); }); });
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_run([&] { m_panel.txtKvadratna_KeyPress(index, keys::Enter); });
            return true;
        }
    }
    return false;
}

void SquareEquationView::pull() {
    for (std::size_t i = 0; i < m_txtKvadratna.size(); ++i) {
        pullTextBox(*m_txtKvadratna[i], m_panel.txtKvadratna[i]);
    }
}

void SquareEquationView::sync() {
    for (std::size_t i = 0; i < m_txtKvadratna.size(); ++i) {
        pushTextBox(*m_txtKvadratna[i], m_panel.txtKvadratna[i]);
    }
}

} // namespace zolvan
