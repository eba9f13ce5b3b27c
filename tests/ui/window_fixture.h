#pragma once
// A shown, active main window and the user's ways of working it: keys through the window system
// (as the desktop delivers them, menu shortcuts included), clicks on widgets found by name,
// answers to its modal dialogs, and the text of a printed PDF file.

#include "ui/vescal.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <ostream>
#include <stdexcept>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zolvan::testing {

inline QString q(const char* text) {
    return QString::fromUtf8(text);
}

// Names the rows of a table by their `name` field.
inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

class ShownWindow {
public:
    explicit ShownWindow(const QLocale& locale = QLocale::c()) : vescal(locale) {
        vescal.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&vescal)) << "the window did not become active";
    }

    // A missing widget ends the test with its name rather than with a null pointer.
    template <typename T = QWidget> T* find(const char* name) {
        T* widget = vescal.findChild<T*>(q(name));
        if (widget == nullptr) {
            throw std::invalid_argument(std::string("no widget ") + name);
        }
        return widget;
    }
    QLineEdit* line(const char* name = "txtUnosFormule") { return find<QLineEdit>(name); }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QColor colour(const char* name) {
        const QWidget* widget = find(name);
        return widget->palette().color(QPalette::Active, widget->foregroundRole());
    }
    QStringList history() {
        auto* box = find<QComboBox>("cmbLista");
        QStringList items;
        for (int i = 0; i < box->count(); ++i) {
            items << box->itemText(i);
        }
        return items;
    }

    // A key pressed and released on the keyboard, delivered to the focused control.
    void key(QKeyCombination stroke) {
        QTest::keyClick(vescal.windowHandle(), stroke.key(), stroke.keyboardModifiers());
    }
    void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(vescal.windowHandle(), c.toLatin1());
        }
    }
    // Pastes `text` into the input line through the real clipboard, as a long line is entered.
    void paste(const QString& text) {
        line()->setFocus();
        QGuiApplication::clipboard()->setText(text);
        key(Qt::CTRL | Qt::Key_V);
    }
    // Types a line into the input line and presses Enter.
    void enter(const QString& text) {
        line()->setFocus();
        type(text);
        key(Qt::Key_Return);
    }
    // A click where a user aims: the middle of a widget, or the round or square mark of an option
    // button or check box, whose label may end well before the widget does.
    void click(const char* name) {
        QWidget* widget = find(name);
        QPoint point = widget->rect().center();
        if (widget->inherits("QRadioButton") || widget->inherits("QCheckBox")) {
            point.setX(8);
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    }
    // What a screen reader says for a widget: its name, then its meaning after " | ".
    static QString spoken(QObject* widget) {
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
        const QString description = item->text(QAccessible::Description);
        const QString name = item->text(QAccessible::Name);
        return description.isEmpty() ? name : name + QStringLiteral(" | ") + description;
    }
    QString spoken(const char* name) { return spoken(find(name)); }
    // The offscreen platform gives the focus back to no window when a dialog closes.
    void reactivate() {
        vescal.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&vescal));
    }

    Vescal vescal;
};

// A sum of `terms` glucose molecules, a line wider than the display and the paper.
inline QString glucose(int terms) {
    QStringList sum;
    for (int i = 0; i < terms; ++i) {
        sum << QStringLiteral("C6H12O6");
    }
    return sum.join(QLatin1Char('+'));
}

// Runs `answer` on the next modal dialog of that type once its own event loop runs: the dialog
// has to be seen open on two looks 20 ms apart, since an answer given while the dialog is still
// being shown would leave its loop waiting for nothing.
template <typename Dialog> void whenDialogOpens(std::function<void(Dialog&)> answer) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, seen = 0]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        seen = dialog != nullptr && dialog->isVisible() ? seen + 1 : 0;
        if (seen == 2) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start();
}

// Presses the keys that open a file dialog, which then chooses `path` as typing it and pressing
// Save or Open does, without the dialog's own checks of the file system, which its background
// file information may delay.
inline void answerFileDialog(const QString& path) {
    whenDialogOpens<QFileDialog>([path](QFileDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
}
inline void chooseFile(ShownWindow& w, std::initializer_list<QKeyCombination> keys,
                       const QString& path) {
    answerFileDialog(path);
    for (QKeyCombination stroke : keys) {
        w.key(stroke);
    }
}

// Writes `bytes` into the file `name` of `dir`, and gives its path.
inline QString writtenFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(q(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// Loads a constants file into the custom list by View > New Custom Constant's access keys.
inline void loadConstants(ShownWindow& w, const QString& path) {
    chooseFile(w, {Qt::ALT | Qt::Key_V, Qt::Key_N}, path);
    w.reactivate();
}

// Prints the list with Ctrl+P, the print dialog accepted, into PDF files named after `file`.
inline void printToPdf(ShownWindow& w, const QString& file, int copies = 1) {
    QPrinter& printer = w.vescal.services().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setCopyCount(copies);
    whenDialogOpens<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    w.key(Qt::CTRL | Qt::Key_P);
}

// What a tool of poppler-utils prints for a PDF file. The set-up installs them.
inline QString popplerOutput(const char* tool, QStringList arguments) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty()) {
        return QStringLiteral("(%1 is missing: install poppler-utils)").arg(QLatin1String(tool));
    }
    QProcess run;
    run.start(program, arguments);
    run.waitForFinished(10000); // else the output is missing
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The non-empty lines of a PDF file's text, trimmed; the first is the heading.
inline QStringList pdfLines(const QString& file) {
    QStringList lines =
        popplerOutput("pdftotext", {QStringLiteral("-layout"), file, QStringLiteral("-")})
            .split('\n');
    for (QString& line : lines) {
        line = line.trimmed();
    }
    lines.removeAll(QString());
    return lines;
}

} // namespace zolvan::testing
