#include "ui/tab_order.h"

#include <algorithm>

namespace zolvan {

void makeTabReachable(const std::vector<QWidget*>& keys) {
    for (QWidget* key : keys) {
        key->setFocusPolicy(Qt::TabFocus);
    }
}

QWidget* chainInReadingOrder(QWidget* after, std::vector<QWidget*> widgets) {
    const QWidget* window = after->window();
    const auto place = [window](const QWidget* widget) {
        const QPoint topLeft = widget->mapTo(window, QPoint(0, 0));
        return std::pair(topLeft.y(), topLeft.x());
    };
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    for (QWidget* widget : widgets) {
        QWidget::setTabOrder(after, widget);
        after = widget;
    }
    return after;
}

} // namespace zolvan
