#pragma once
// The window-system services of the model, done with Qt: the locale's decimal separator, a clock
// seed, the event pump, the topmost state of the main window, file and print dialogs, the
// clipboard, the printer, the help and the user's browser.

#include "workspace/window_services.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QPrinter>
#include <QStringList>

#include <functional>
#include <map>
#include <string>

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
    // Qt's file dialogs. Dialogs of one filter text start in the folder last used with it; a name
    // saved without an extension gets the one of the chosen filter ("day" as "day.txt").
    std::optional<std::string> showOpenDialog(std::string_view filter, int preselected) override;
    std::optional<std::string> showSaveDialog(std::string_view filter, int preselected) override;
    OpenedFile openFile(const std::string& path) override;
    // Written beside the file, flushed and renamed over it once everything is on the disk.
    ServiceOutcome writeFile(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> dataFolders() override;
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::string clipboardText() override;
    // Qt's print dialog; with no printer installed it still offers printing to a PDF file.
    std::optional<int> showPrintDialog() override;
    void printLine(std::string_view line) override;
    // Each document is its own print job, laid out as a document with margins and a heading.
    // Printed to a PDF file, the second and later copies go to files named with "-2", "-3"...
    // before the extension, so that no copy overwrites another.
    ServiceOutcome endDocument() override;
    // A warning message box over the main window, shown after the window has caught up with the
    // model, so that a batch stopped by a read error shows the rows it ran behind the message.
    void reportError(std::string_view title, std::string_view text) override;
    void showHelpContents() override;
    void openUrl(std::string_view url) override;
    void exitProgram() override;
    std::string platformName() override;

    // The printer the dialog set up; tests point it at a PDF file.
    QPrinter& printer() { return m_printer; }
    void startPrintJobs() {
        m_documents = 0;
        m_printedAt = QDateTime::currentDateTime();
    }
    // Runs for Help Topics.
    void setHelpHandler(std::function<void()> handler) { m_showHelp = std::move(handler); }
    // Runs at most every 50 ms from the event pump, so that a batch shows its progress without
    // paying for a repaint per line.
    void setPumpHandler(std::function<void()> handler) { m_onPump = std::move(handler); }

private:
    ServiceOutcome printFailure();

    QWidget& m_window;
    QLocale m_locale;
    QPrinter m_printer;
    QString m_outputFile;                     // the PDF file chosen in the dialog, or empty
    std::map<std::string, QString> m_folders; // by filter text: the folder of the file last chosen
    int m_documents = 0;                      // documents ended since the dialog
    QDateTime m_printedAt; // when the dialog was accepted: the time in every copy's heading
    QStringList m_lines;   // of the current document
    std::function<void()> m_showHelp;
    std::function<void()> m_onPump;
    QElapsedTimer m_sincePump;
};

} // namespace zolvan
