#include "ui/qt_services.h"

#include "ui/data_folder.h"
#include "ui/print_layout.h"
#include "workspace/controls.h"
#include "workspace/local_files.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QSysInfo>
#include <QUrl>

#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace zolvan {

QStringList nameFilters(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
            .split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString& description = parts[i];
        filters.append(description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))
                           ? description
                           : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

namespace {

// The extension named by a filter of the dialog ("Text Files (*.txt)" gives "txt"), or nothing
// for a filter that lists files of any extension.
QString filterSuffix(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const QString patterns = nameFilter.mid(open + 1).section(QLatin1Char(')'), 0, 0);
    const QString first = patterns.section(QLatin1Char(' '), 0, 0);
    const QString suffix = first.startsWith(QStringLiteral("*.")) ? first.mid(2) : QString();
    return suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')) ? QString()
                                                                                  : suffix;
}

// `folder` is where the dialog starts, when known, and becomes the folder of the chosen file. A
// name typed without an extension gets the one of the filter chosen when saving.
std::optional<std::string> runFileDialog(QWidget& window, QFileDialog::AcceptMode mode,
                                         std::string_view filter, int preselected,
                                         QString& folder) {
    QFileDialog dialog(&window);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(filter);
    dialog.setNameFilters(filters);
    if (preselected >= 1 && preselected <= filters.size()) {
        dialog.selectNameFilter(filters[preselected - 1]);
    }
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& chosen) { dialog.setDefaultSuffix(filterSuffix(chosen)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    folder = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

} // namespace

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
    constexpr qint64 kPumpRefreshMs = 50;
    if (m_onPump && (!m_sincePump.isValid() || m_sincePump.elapsed() >= kPumpRefreshMs)) {
        m_sincePump.start();
        m_onPump();
    }
    QCoreApplication::processEvents();
}

// The menu is found by its title among the window's menus. It opens without blocking: the
// handler that asked for it ends first, and a chosen item runs as a command of its own.
void QtServices::showPopupMenu(const MenuItem& menu) {
    const QString title = QString::fromStdString(menu.caption);
    for (QMenu* candidate : m_window.findChildren<QMenu*>()) {
        if (candidate->title() == title) {
            candidate->popup(QCursor::pos());
            return;
        }
    }
}

// QWidget::setWindowFlags would destroy and re-create the native window: it would lose the
// keyboard focus and could flicker or move. The flag is changed on the existing native window
// instead, which asks the window manager to keep it above others; the widget's own record of its
// flags follows without touching the window system.
void QtServices::setTopmost(bool on) {
    if (m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) {
        return;
    }
    m_window.overrideWindowFlags(m_window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
    if (QWindow* native = m_window.windowHandle()) {
        native->setFlag(Qt::WindowStaysOnTopHint, on);
    }
}

std::optional<std::string> QtServices::showOpenDialog(std::string_view filter, int preselected) {
    return runFileDialog(m_window, QFileDialog::AcceptOpen, filter, preselected,
                         m_folders[std::string(filter)]);
}

std::optional<std::string> QtServices::showSaveDialog(std::string_view filter, int preselected) {
    return runFileDialog(m_window, QFileDialog::AcceptSave, filter, preselected,
                         m_folders[std::string(filter)]);
}

// Files are local files: the same code as the headless services, which never blocks on a FIFO
// and never leaves a half-written file, where QFile would block and QSaveFile could miss a
// write error that only shows when the file is closed.
OpenedFile QtServices::openFile(const std::string& path) {
    return openRegularFile(path);
}

ServiceOutcome QtServices::writeFile(const std::string& path, std::string_view bytes) {
    return replaceFile(path, bytes);
}

void QtServices::reportError(std::string_view title, std::string_view text) {
    if (m_onPump) {
        m_onPump();
    }
    QMessageBox::warning(&m_window,
                         QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::vector<std::string> QtServices::dataFolders() {
    std::vector<std::string> folders;
    for (const QString& folder : zolvan::dataFolders()) {
        folders.push_back(folder.toStdString());
    }
    return folders;
}

void QtServices::clipboardClear() {
    QGuiApplication::clipboard()->clear();
}

void QtServices::clipboardSetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string QtServices::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

std::optional<int> QtServices::showPrintDialog() {
    QPrintDialog dialog(&m_printer, &m_window);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // The copies are printed as documents of their own, each with one copy.
    const int copies = std::max(1, m_printer.copyCount());
    m_printer.setCopyCount(1);
    startPrintJobs();
    return copies;
}

void QtServices::printLine(std::string_view line) {
    m_lines.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

namespace {

// "list.pdf" for the first document, "list-2.pdf" for the second...
QString copyFileName(const QString& file, int document) {
    if (document <= 1 || file.isEmpty()) {
        return file;
    }
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('-') +
           QString::number(document) + suffix;
}

} // namespace

// Qt tells only that printing failed. Printed to a PDF file, the reason is the file's own, which
// opening it for writing tells; a printer gives none.
ServiceOutcome QtServices::printFailure() {
    const QString file = m_printer.outputFileName();
    if (file.isEmpty()) {
        const QString printer = m_printer.printerName();
        return ServiceOutcome::failed(
            (printer.isEmpty() ? QStringLiteral("the printer") : printer).toStdString() +
            ": The printer did not accept the document");
    }
    QFile probe(file);
    const bool existed = probe.exists();
    QString reason = QStringLiteral("The file could not be written");
    if (!probe.open(QIODevice::Append)) {
        reason = probe.errorString();
    } else if (!existed) {
        probe.remove();
    }
    return ServiceOutcome::failed(
        (QFileInfo(file).fileName() + QStringLiteral(": ") + reason).toStdString());
}

ServiceOutcome QtServices::endDocument() {
    const QStringList lines = std::exchange(m_lines, {});
    ++m_documents;
    if (m_documents == 1) {
        m_outputFile = m_printer.outputFileName();
    }
    if (!m_outputFile.isEmpty()) {
        m_printer.setOutputFileName(copyFileName(m_outputFile, m_documents));
    }
    prepareDocument(m_printer);
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        return printFailure();
    }
    const bool painted = paintTaskList(painter, m_printer, m_printedAt, lines);
    return painter.end() && painted ? ServiceOutcome{} : printFailure();
}

void QtServices::showHelpContents() {
    if (m_showHelp) {
        m_showHelp();
    }
}

void QtServices::openUrl(std::string_view url) {
    QDesktopServices::openUrl(
        QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

void QtServices::exitProgram() {
    QCoreApplication::quit();
}

std::string QtServices::platformName() {
    return QSysInfo::prettyProductName().toStdString();
}

} // namespace zolvan
