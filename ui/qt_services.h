#pragma once
// The window-system services of the model, done with Qt: the locale's decimal separator, a clock
// seed, the event pump, and the topmost state of the main window.

#include "workspace/window_services.h"

#include <QLocale>

class QWidget;

namespace zolvan {

class QtServices final : public WindowServices {
public:
    // `window` is the window made topmost; it need not be built yet.
    QtServices(QWidget& window, QLocale locale);

    char localeDecimalSeparator() override;
    unsigned clockSeed() override;
    void doEvents() override;
    // Keeps the window where it is and as large as it is, and does not take the focus from
    // another window; an active window stays active.
    void setTopmost(bool on) override;

private:
    QWidget& m_window;
    QLocale m_locale;
};

} // namespace zolvan
