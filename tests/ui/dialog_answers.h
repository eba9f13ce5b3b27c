#pragma once
// Answers to the window's modal dialogs, given from inside their own event loops as a user would,
// and the text of a printed PDF file.

#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace zolvan::testing {

// Runs `answer` on the next modal dialog of that type once its own event loop runs: the dialog
// has to be seen open on two looks 20 ms apart, since an answer given while the dialog is still
// being shown would leave its loop waiting for nothing.
template <typename Dialog> void whenDialogOpens(std::function<void(Dialog&)> answer) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    auto seen = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, seen] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        *seen = dialog != nullptr && dialog->isVisible() ? *seen + 1 : 0;
        if (*seen == 2) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start();
}

// The next file dialog chooses `path`, as typing it and pressing Save or Open does, without the
// dialog's own checks of the file system, which its background file information may delay.
inline void whenFileDialogOpensChoose(const QString& path,
                                      const QString& expectedFilter = QString()) {
    whenDialogOpens<QFileDialog>([path, expectedFilter](QFileDialog& dialog) {
        if (!expectedFilter.isEmpty()) {
            EXPECT_EQ(dialog.selectedNameFilter(), expectedFilter);
        }
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
}

// The offscreen platform gives the focus back to no window when a dialog closes.
inline void reactivate(ShownWindow& w) {
    w.vescal.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.vescal));
}

// The non-empty lines of a PDF file's text, trimmed; nothing when pdftotext is missing.
inline std::optional<QStringList> pdfLines(const QString& file) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        return std::nullopt;
    }
    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!run.waitForFinished(10000)) {
        return QStringList{QStringLiteral("(pdftotext did not finish)")};
    }
    QStringList lines;
    for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split('\n')) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line.trimmed());
        }
    }
    return lines;
}

} // namespace zolvan::testing
