#include "ui/window_zoom.h"

#include "workspace/controls.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace zolvan {

namespace {

int scaledLength(int design, double factor) {
    return static_cast<int>(std::lround(design * factor));
}

QSize scaledSize(QSize design, double factor) {
    const auto side = [factor](int length) {
        return length >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : scaledLength(length, factor);
    };
    return {side(design.width()), side(design.height())};
}

// Edges are scaled, not sizes, so that widgets side by side stay side by side.
QRect scaledRect(QRect design, double factor) {
    const int left = scaledLength(design.left(), factor);
    const int top = scaledLength(design.top(), factor);
    return {left, top, scaledLength(design.left() + design.width(), factor) - left,
            scaledLength(design.top() + design.height(), factor) - top};
}

QFont scaledFont(QFont font, double factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(scaledLength(font.pixelSize(), factor));
    }
    return font;
}

bool layoutHolds(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget ||
            (item->layout() != nullptr && layoutHolds(*item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

bool placedByCode(const QWidget& widget, const QWidget& central) {
    const QWidget* parent = widget.parentWidget();
    return !widget.isWindow() && central.isAncestorOf(&widget) && parent != nullptr &&
           (parent->layout() == nullptr || !layoutHolds(*parent->layout(), widget));
}

} // namespace

WindowZoom::WindowZoom(QMainWindow& window, QSize largest, MenuItem& zoomIn, MenuItem& zoomOut,
                       MenuItem& actualSize)
    : QObject(&window), m_window(window), m_largest(largest), m_zoomIn(zoomIn), m_zoomOut(zoomOut),
      m_actualSize(actualSize) {
    setObjectName(QStringLiteral("windowZoom"));
    m_zoomIn.onClick = [this] { this->zoomIn(); };
    m_zoomOut.onClick = [this] { this->zoomOut(); };
    m_actualSize.onClick = [this] { this->actualSize(); };
    enableItems();
}

WindowZoom::~WindowZoom() {
    if (m_toolTipFont) {
        QToolTip::setFont(*m_toolTipFont);
    }
}

QSize WindowZoom::scaled(QSize design) const {
    return scaledSize(design, factor());
}

QRect WindowZoom::scaled(QRect design) const {
    return scaledRect(design, factor());
}

void WindowZoom::zoomIn() {
    setStep(std::min(m_step + 1, largestStepOnScreen()));
}

void WindowZoom::zoomOut() {
    setStep(m_step == 0 ? 0 : m_step - 1);
}

void WindowZoom::actualSize() {
    setStep(0);
}

double WindowZoom::factorOf(const QWidget& widget) {
    const QWidget* window = widget.window();
    const auto* zoom = window == nullptr
                           ? nullptr
                           : window->findChild<WindowZoom*>(QString(), Qt::FindDirectChildrenOnly);
    return zoom == nullptr ? 1.0 : zoom->factor();
}

void WindowZoom::setStep(std::size_t step) {
    if (step == m_step) {
        return;
    }
    m_step = step;
    apply();
    enableItems();
    emit changed();
    keepOnScreen();
}

// The step whose window, widest and tallest, still fits the screen with its frame; 100% always.
std::size_t WindowZoom::largestStepOnScreen() const {
    const QScreen* screen = m_window.screen();
    if (screen == nullptr) {
        return 0;
    }
    const QSize room = screen->availableGeometry().size() -
                       (m_window.frameGeometry().size() - m_window.geometry().size());
    std::size_t step = 0;
    while (step + 1 < kSteps.size() &&
           scaledSize(m_largest, kSteps[step + 1] / 100.0).boundedTo(room) ==
               scaledSize(m_largest, kSteps[step + 1] / 100.0)) {
        ++step;
    }
    return step;
}

void WindowZoom::enableItems() {
    m_zoomIn.enabled = m_step < largestStepOnScreen();
    m_zoomOut.enabled = m_step > 0;
    m_actualSize.enabled = m_step > 0;
}

// A widget first seen is at its design: nothing was scaled until the first zoom, and widgets
// made later are made at their design too.
WindowZoom::Design& WindowZoom::designOf(QWidget& widget) {
    Design& design = m_designs[&widget];
    if (design.widget == &widget) {
        return design;
    }
    design = Design{};
    design.widget = &widget;
    design.placed =
        m_window.centralWidget() != nullptr && placedByCode(widget, *m_window.centralWidget());
    design.geometry = widget.geometry();
    design.minimum = widget.minimumSize();
    design.maximum = widget.maximumSize();
    if (&widget == &m_window || widget.isWindow() || widget.testAttribute(Qt::WA_SetFont)) {
        design.font = widget.font();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        design.iconSize = button->iconSize();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget);
        label != nullptr && label->property(kPictureProperty).isValid()) {
        design.picture = label->pixmap().deviceIndependentSize().toSize();
    }
    return design;
}

void WindowZoom::applyTo(QWidget& widget, const Design& design) const {
    const double f = factor();
    if (design.font) {
        widget.setFont(scaledFont(*design.font, f));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget); button && design.iconSize) {
        button->setIconSize(scaledSize(*design.iconSize, f));
    }
    if (auto* label = qobject_cast<QLabel*>(&widget); label && !design.picture.isEmpty()) {
        label->setPixmap(QIcon(label->property(kPictureProperty).toString())
                             .pixmap(scaledSize(design.picture, f), widget.devicePixelRatioF()));
    }
    if (design.minimum != QSize(0, 0) ||
        design.maximum != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
        widget.setMinimumSize(0, 0);
        widget.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget.setMinimumSize(scaledSize(design.minimum, f));
        widget.setMaximumSize(scaledSize(design.maximum, f));
    }
    if (design.placed) {
        widget.setGeometry(scaledRect(design.geometry, f));
    }
}

void WindowZoom::applyToLayouts() {
    for (QLayout* layout : m_window.findChildren<QLayout*>()) {
        if (layout == m_window.layout()) {
            continue; // the main window's own, which places the menu bar and the central widget
        }
        LayoutDesign& design = m_layouts[layout];
        if (design.layout != layout) {
            design = {layout, layout->contentsMargins(), layout->spacing()};
        }
        const double f = factor();
        const QMargins m = design.margins;
        layout->setContentsMargins(scaledLength(m.left(), f), scaledLength(m.top(), f),
                                   scaledLength(m.right(), f), scaledLength(m.bottom(), f));
        if (design.spacing >= 0) {
            layout->setSpacing(scaledLength(design.spacing, f));
        }
    }
}

void WindowZoom::apply() {
    std::vector<QWidget*> widgets{&m_window};
    const QList<QWidget*> children = m_window.findChildren<QWidget*>();
    widgets.insert(widgets.end(), children.begin(), children.end());
    for (QWidget* widget : widgets) {
        designOf(*widget); // all recorded before any is changed
    }
    for (QWidget* widget : widgets) {
        applyTo(*widget, designOf(*widget));
    }
    applyToLayouts();
    if (!m_toolTipFont) {
        m_toolTipFont = QToolTip::font();
    }
    QToolTip::setFont(scaledFont(*m_toolTipFont, factor()));
}

// A window grown past the screen's edge is moved back onto it.
void WindowZoom::keepOnScreen() {
    const QScreen* screen = m_window.screen();
    if (screen == nullptr || !m_window.isVisible()) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect frame = m_window.frameGeometry();
    const int dx = std::max(room.left() - frame.left(), std::min(0, room.right() - frame.right()));
    const int dy = std::max(room.top() - frame.top(), std::min(0, room.bottom() - frame.bottom()));
    if (dx != 0 || dy != 0) {
        m_window.move(m_window.pos() + QPoint(dx, dy));
    }
}

QRect zoomed(const QWidget& widget, QRect design) {
    return scaledRect(design, WindowZoom::factorOf(widget));
}

} // namespace zolvan
