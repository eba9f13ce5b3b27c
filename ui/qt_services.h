#pragma once
// The window-system services of the model, done with Qt: the locale's decimal separator, a clock
// seed, the event pump, and the topmost state of the main window.

#include "workspace/window_services.h"

#include <QLocale>
#include <QStringList>

class QWidget;

namespace zolvan {

// Qt's name filters for a filter text of description and pattern pairs joined by "|". A pattern
// list "*.tsk;*.txt" becomes "*.tsk *.txt", added in brackets unless the description shows it.
QStringList nameFilters(std::string_view filter);

class QtServices final : public WindowServices {
public:
    // `window` is the window made topmost; it need not be built yet.
    QtServices(QWidget& window, QLocale locale);

    char localeDecimalSeparator() override;
    unsigned clockSeed() override;
    void doEvents() override;
    // Changes the existing native window in place: it keeps its position, size and focus.
    void setTopmost(bool on) override;
    void showPopupMenu(const MenuItem& menu) override;
    std::optional<std::string> showOpenDialog(std::string_view filter, int preselected) override;
    std::optional<std::string> showSaveDialog(std::string_view filter, int preselected) override;
    std::optional<std::string> readFile(const std::string& path) override;
    // Through QSaveFile: the file is replaced only once everything is written.
    bool writeFile(const std::string& path, std::string_view bytes) override;

private:
    QWidget& m_window;
    QLocale m_locale;
};

} // namespace zolvan
