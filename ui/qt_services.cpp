#include "ui/qt_services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QWidget>

namespace zolvan {

QtServices::QtServices(QWidget& window, QLocale locale)
    : m_window(window), m_locale(std::move(locale)) {}

// One half in the user's number format: a "." in it means a decimal point, anything else a comma.
char QtServices::localeDecimalSeparator() {
    return m_locale.toString(0.5f).contains(QLatin1Char('.')) ? '.' : ',';
}

unsigned QtServices::clockSeed() {
    return static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch());
}

void QtServices::doEvents() {
    QCoreApplication::processEvents();
}

void QtServices::setTopmost(bool on) {
    if (m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    const QRect geometry = m_window.geometry();
    const bool shown = m_window.isVisible();
    const bool active = m_window.isActiveWindow();
    // Changing a window flag hides the window; show it again where it was.
    m_window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    m_window.setGeometry(geometry);
    if (shown) {
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, !active);
        m_window.show();
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, false);
        if (active) {
            m_window.activateWindow();
        }
    }
}

} // namespace zolvan
