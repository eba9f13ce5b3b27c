// The document commands' bindings: menu shortcuts over the input line's own keys, the real
// clipboard, the file and print dialogs, the splash timer, the about and help windows, and the
// data folders searched for the example task file; and numbers under the user's locale.

#include "window_fixture.h"

#include "ui/data_folder.h"
#include "ui/document_windows.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace zolvan::testing {
namespace {

struct ShortcutCase {
    const char* name;
    QKeyCombination stroke;
    int selStart, selLength; // in "2+30"
    const char* line;
    const char* selected;
    const char* clipboard;
    const char* result; // the current result, 25 before
};

class EditShortcut : public ::testing::TestWithParam<ShortcutCase> {};

// With the input line focused, its own Ctrl+C and the like give way to the menu's commands
// (which the model tests case by case); without a selection, the line edit's keys would do
// nothing or something else. Paste reads the real clipboard.
TEST_P(EditShortcut, RunsTheMenuCommandOnTheRealClipboard) {
    const ShortcutCase& c = GetParam();
    ShownWindow w;
    w.enter("5*5");
    QGuiApplication::clipboard()->setText(q("7"));
    w.type("2+30");
    w.line()->setSelection(c.selStart, c.selLength);
    w.key(c.stroke);
    EXPECT_EQ(w.line()->text(), q(c.line));
    EXPECT_EQ(w.line()->selectedText(), q(c.selected));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), q(c.clipboard));
    EXPECT_EQ(w.text("lblRezultat_0"), q(c.result));
    EXPECT_TRUE(w.line()->hasFocus());
}

const ShortcutCase kShortcuts[] = {
    {"CopyResult", Qt::CTRL | Qt::Key_C, 4, 0, "2+30", "", "25", "25"},
    {"CutAll", Qt::CTRL | Qt::Key_X, 1, 0, "", "", "2+30", "25"},
    {"Paste", Qt::CTRL | Qt::Key_V, 2, 2, "2+7", "", "7", "25"},
    {"DeleteAll", Qt::SHIFT | Qt::Key_Delete, 1, 0, "", "", "7", "25"},
    {"SelectAll", Qt::CTRL | Qt::Key_A, 1, 0, "2+30", "2+30", "7", "25"},
    {"ClearDisplay", Qt::CTRL | Qt::Key_Y, 1, 0, "2+30", "", "7", ""},
};

INSTANTIATE_TEST_SUITE_P(Keys, EditShortcut, ::testing::ValuesIn(kShortcuts), byName);

// Another text field with the focus takes the editing keys itself; the formula line stays as it
// was. Each field holds "4", all of it selected, and the clipboard "7".
struct FieldCase {
    const char* name;
    const char* field;
    std::vector<QKeyCombination> reveal; // the keys that show the field and enable it
    friend void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.name; }
};

struct FieldKeyCase {
    const char* name;
    QKeyCombination stroke;
    const char* text; // the field afterwards
    const char* selected;
    const char* clipboard;
    friend void PrintTo(const FieldKeyCase& c, std::ostream* out) { *out << c.name; }
};

// The decimal places are open to typing in the fixed display mode (F5 twice).
const FieldCase kFields[] = {
    {"DecimalPlaces", "txtDecimala", {Qt::CTRL | Qt::Key_F, Qt::Key_F5, Qt::Key_F5}},
    {"CoefficientC", "txtKvadratna_0", {Qt::Key_F9}},
    {"CoefficientB", "txtKvadratna_1", {Qt::Key_F9}},
    {"CoefficientA", "txtKvadratna_2", {Qt::Key_F9}},
    {"Power", "txtPower", {Qt::Key_F9}},
};

const FieldKeyCase kFieldKeys[] = {
    {"SelectAll", Qt::CTRL | Qt::Key_A, "4", "4", "7"},
    {"Copy", Qt::CTRL | Qt::Key_C, "4", "4", "4"},
    {"Paste", Qt::CTRL | Qt::Key_V, "7", "", "7"},
    {"Cut", Qt::CTRL | Qt::Key_X, "", "", "4"},
    {"ShiftDelete", Qt::SHIFT | Qt::Key_Delete, "", "", "4"},
};

class FieldEditingKey : public ::testing::TestWithParam<std::tuple<FieldCase, FieldKeyCase>> {};

TEST_P(FieldEditingKey, EditsTheFocusedField) {
    const auto& [field, c] = GetParam();
    ShownWindow w;
    w.type("2+30");
    for (QKeyCombination stroke : field.reveal) {
        w.key(stroke);
    }
    QLineEdit* box = w.line(field.field);
    QTest::mouseClick(box, Qt::LeftButton);
    w.key(Qt::Key_End);
    w.key(Qt::SHIFT | Qt::Key_Home);
    w.type("4");
    if (c.stroke == (Qt::CTRL | Qt::Key_A)) {
        w.key(Qt::Key_End); // nothing selected before Select All
    } else {
        w.key(Qt::SHIFT | Qt::Key_Home);
    }
    QGuiApplication::clipboard()->setText(q("7"));
    w.key(c.stroke);
    EXPECT_EQ(box->text(), q(c.text));
    EXPECT_EQ(box->selectedText(), q(c.selected));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), q(c.clipboard));
    EXPECT_EQ(w.line()->text(), q("2+30"));
    EXPECT_FALSE(w.line()->hasSelectedText());
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldEditingKey,
                         ::testing::Combine(::testing::ValuesIn(kFields),
                                            ::testing::ValuesIn(kFieldKeys)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).name;
                         });

// Away from a text field the keys stay the Edit menu's; and its items chosen from the menu work
// on the formula line whichever control has the focus.
TEST(FieldEditingKey, KeypadKeysAndMenuItemsLeaveTheFieldAlone) {
    ShownWindow w;
    w.type("2+30");
    QGuiApplication::clipboard()->setText(q("7"));
    w.find("cmdNum_7")->setFocus();
    w.key(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(w.line()->text(), q("2+307"));

    w.key(Qt::Key_F9);
    QLineEdit* power = w.line("txtPower");
    QTest::mouseClick(power, Qt::LeftButton);
    const QString before = power->text();
    w.find<QAction>("mnuSelect")->trigger();
    EXPECT_EQ(w.line()->selectedText(), q("2+307"));
    EXPECT_EQ(power->text(), before);
}

// Two lines on the real clipboard, pasted with Ctrl+V and with the picture button: each is
// calculated as a line of its own.
TEST(PasteLines, CtrlVAndThePictureButtonCalculateEachLine) {
    ShownWindow w;
    w.paste(q("1+1\n2+2"));
    EXPECT_EQ(w.history(), (QStringList{q("2+2"), q("1+1")}));
    EXPECT_EQ(w.text("lblRezultat_0"), q("4"));
    QGuiApplication::clipboard()->setText(q("3*3\r\n\r\n4*4\r\n"));
    w.click("imgMenu_6");
    EXPECT_EQ(w.history().mid(0, 2), (QStringList{q("4*4"), q("3*3")}));
    EXPECT_EQ(w.line()->text(), QString());
    EXPECT_TRUE(w.line()->hasFocus());
}

// Opens a file dialog with `stroke`, tells the folder and filter it started with, and types
// `name` into it and clicks its Save or Open button, as a user does.
struct DialogStart {
    QString folder;
    QString filter;
};

DialogStart typeIntoFileDialog(ShownWindow& w, QKeyCombination stroke, const QString& name) {
    DialogStart start;
    whenDialogOpens<QFileDialog>([&start, name](QFileDialog& dialog) {
        start = {dialog.directory().absolutePath(), dialog.selectedNameFilter()};
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->clear();
        QTest::keyClicks(edit, name);
        const bool open = dialog.acceptMode() == QFileDialog::AcceptOpen;
        QPushButton* accept = dialog.findChild<QDialogButtonBox*>()->button(
            open ? QDialogButtonBox::Open : QDialogButtonBox::Save);
        // A name the dialog cannot open would stop the test on the dialog's own message box.
        const bool missing = open && !QFileInfo::exists(dialog.directory().filePath(name));
        if (missing || !QTest::qWaitFor([accept] { return accept->isEnabled(); }, 5000)) {
            ADD_FAILURE() << "the dialog cannot take " << name.toStdString();
            dialog.reject();
            return;
        }
        QTest::mouseClick(accept, Qt::LeftButton);
    });
    w.key(stroke);
    w.reactivate();
    return start;
}

// "session" saved under the text files' filter is written as session.txt. Open then starts in
// its folder with that filter, where the bare name finds it and reads the list back; the next
// Save starts there too.
TEST(TaskFileDialogs, SaveAndOpenFindEachOthersFiles) {
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    ShownWindow w;
    w.enter("2h2o");
    const DialogStart save = typeIntoFileDialog(w, Qt::CTRL | Qt::Key_S, folder + q("/session"));
    EXPECT_EQ(save.filter, q("Text Files(*.txt)"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{q("session.txt")});

    w.key(Qt::CTRL | Qt::Key_N);
    const DialogStart open = typeIntoFileDialog(w, Qt::CTRL | Qt::Key_O, q("session.txt"));
    EXPECT_EQ(open.folder, folder);
    EXPECT_EQ(open.filter, q("Text Files(*.txt)"));
    EXPECT_EQ(w.history(), QStringList{q("2*(H2O)")});
    EXPECT_FALSE(w.find("fraWait")->isVisible());

    const DialogStart again = typeIntoFileDialog(w, Qt::CTRL | Qt::Key_S, q("day.tsk"));
    EXPECT_EQ(again.folder, folder);
    EXPECT_EQ(again.filter, q("Text Files(*.txt)"));
    EXPECT_TRUE(QFile::exists(folder + q("/day.tsk")));
}

TEST(TaskFileDialogs, CancelledOpenChangesNothing) {
    ShownWindow w;
    w.enter("1+1");
    whenDialogOpens<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    w.key(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(w.history(), QStringList{q("1+1")});
}

// A file command that fails shows a warning that names the file and the reason, and changes
// nothing else: the history stays and the window goes on working. The file lies in a temporary
// folder that holds a folder "folder" and a FIFO "pipe.tsk" without a writer.
struct FailedFileCase {
    const char* name;
    const char* item; // the menu item chosen
    const char* file;
    const char* message;
};

const FailedFileCase kFailedFiles[] = {
    {"SaveIntoMissingFolder", "mnuSave", "gone/day.tsk",
     "Could not save day.tsk: No such file or directory"},
    {"OpenFolder", "mnuOpen", "folder", "Could not open folder: Is a directory"},
    {"OpenFifo", "mnuOpen", "pipe.tsk", "Could not open pipe.tsk: Not a regular file"},
    {"ConstantsFromFifo", "mnuConstants_4", "pipe.tsk",
     "Could not open pipe.tsk: Not a regular file"},
    {"PrintIntoMissingFolder", "mnuPrint", "gone/list.pdf",
     "Could not print to list.pdf: No such file or directory"},
};

class FailedFileCommand : public ::testing::TestWithParam<FailedFileCase> {};

TEST_P(FailedFileCommand, ShowsAWarningAndKeepsTheHistory) {
    const FailedFileCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(q("folder")));
    ASSERT_EQ(::mkfifo(dir.filePath(q("pipe.tsk")).toLocal8Bit().constData(), 0600), 0);
    ShownWindow w;
    w.enter("1+1");
    QString shown;
    whenDialogOpens<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.text();
        box.accept();
    });
    const QString path = dir.filePath(q(c.file));
    if (std::string_view(c.item) == "mnuPrint") {
        w.vescal.services().printer().setOutputFormat(QPrinter::PdfFormat);
        w.vescal.services().printer().setOutputFileName(path);
        whenDialogOpens<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    } else {
        answerFileDialog(path);
    }
    w.find<QAction>(c.item)->trigger();
    EXPECT_EQ(shown, q(c.message));
    EXPECT_EQ(w.history(), QStringList{q("1+1")});
    w.reactivate();
    w.enter("2+2");
    EXPECT_EQ(w.text("lblRezultat_0"), q("4"));
}

INSTANTIATE_TEST_SUITE_P(Files, FailedFileCommand, ::testing::ValuesIn(kFailedFiles), byName);

// Every word's box on the pages of a PDF file, in points from the top left of its page, and the
// size of the page it is on.
struct PdfWord {
    QString text;
    QRectF box;
    QSizeF page;
};

std::vector<PdfWord> pdfWords(const QString& file) {
    const QString html = popplerOutput("pdftotext", {q("-bbox"), file, q("-")});
    static const QRegularExpression page(q("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression word(q("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                           "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<"));
    std::vector<PdfWord> words;
    QSizeF size;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (const auto found = page.match(line); found.hasMatch()) {
            size = {found.captured(1).toDouble(), found.captured(2).toDouble()};
        } else if (const auto w = word.match(line); w.hasMatch()) {
            words.push_back({w.captured(5),
                             QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                    QPointF(w.captured(3).toDouble(), w.captured(4).toDouble())),
                             size});
        }
    }
    return words;
}

// A long list printed in two copies to PDF files: each copy a document of its own, with a heading
// of the program's name and the time, the title set, every word at least 15 mm (42.5 pt) from the
// paper's edges on both pages, and a row wider than the paper wrapped onto lines of its own,
// nothing of it cut.
TEST(PrintToPdf, IsADocumentWithMarginsHeadingAndWrappedRows) {
    QTemporaryDir dir;
    const QString file = dir.filePath(q("list.pdf"));
    ShownWindow w;
    QStringList lines;
    for (int i = 1; i <= 70; ++i) {
        lines << QString::number(i) + q("+1");
    }
    w.paste(lines.join(QLatin1Char('\n')));
    w.paste(glucose(60));
    w.key(Qt::Key_Return);
    const QString longRow = w.history().first() + q(" = ") + w.text("lblRezultat_0");
    const QDateTime before = QDateTime::currentDateTime();
    printToPdf(w, file, 2);

    EXPECT_TRUE(popplerOutput("pdfinfo", {file})
                    .contains(QRegularExpression(q("^Title: +Zolvan task list$(.|\n)*^Pages: +2$"),
                                                 QRegularExpression::MultilineOption)));
    const QStringList printed = pdfLines(file);
    EXPECT_EQ(pdfLines(dir.filePath(q("list-2.pdf"))).mid(1), printed.mid(1));
    EXPECT_FALSE(QFile::exists(dir.filePath(q("list-3.pdf"))));
    ASSERT_GT(printed.size(), 3);
    const QString stamp = printed.first().section(QLatin1Char(' '), -2);
    EXPECT_TRUE(printed.first().startsWith(q("Zolvan "))) << printed.first().toStdString();
    const QDateTime when = QDateTime::fromString(stamp, q("yyyy-MM-dd HH:mm"));
    EXPECT_LE(std::abs(when.secsTo(before)), 120) << stamp.toStdString();
    // The newest row comes first, on as many lines as it needs.
    QString wrapped;
    int row = 1;
    for (; row < printed.size() && !printed[row].startsWith(q("70+1")); ++row) {
        wrapped += printed[row];
    }
    EXPECT_GT(row, 2) << "the long row was not wrapped";
    EXPECT_EQ(wrapped.remove(QLatin1Char(' ')), QString(longRow).remove(QLatin1Char(' ')));

    constexpr double kMinimumMarginPt = 15.0 / 25.4 * 72.0;
    const std::vector<PdfWord> words = pdfWords(file);
    ASSERT_FALSE(words.empty());
    for (const PdfWord& word : words) {
        const QRectF inside(kMinimumMarginPt, kMinimumMarginPt,
                            word.page.width() - 2 * kMinimumMarginPt,
                            word.page.height() - 2 * kMinimumMarginPt);
        EXPECT_TRUE(inside.contains(word.box)) << word.text.toStdString();
    }
}

TEST(SplashWindow, HandsOverAfterItsTimerOrAKey) {
    for (const bool key : {false, true}) {
        Vescal vescal{QLocale::c()};
        vescal.startWithSplash();
        SplashView& splash = vescal.splash();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        EXPECT_FALSE(splash.findChild<QLabel*>(q("lblPlatform"))->text().isEmpty());
        EXPECT_FALSE(vescal.isVisible());
        if (key) {
            QTest::keyClick(&splash, Qt::Key_Space);
            EXPECT_TRUE(vescal.isVisible());
        } else {
            QTest::qWait(600); // two ticks: the splash is still there
            EXPECT_FALSE(vescal.isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(vescal.isVisible(), 5000);
        }
        EXPECT_FALSE(splash.isVisible());
    }
}

// A widget of any window, the about and help windows being windows of their own.
template <typename T = QWidget> T* anyWidget(const char* name) {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == q(name)) {
            return qobject_cast<T*>(widget);
        }
    }
    return nullptr;
}

// That the splash opened from the menu ignores its timer is the model's.
TEST(AboutAndHelp, SplashAndAboutCloseOnAClickAndF1ShowsTheContents) {
    ShownWindow w;
    w.find<QAction>("mnuSplash")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.vescal.splash()));
    QTest::mouseClick(&w.vescal.splash(), Qt::LeftButton);
    EXPECT_FALSE(w.vescal.splash().isVisible());
    w.reactivate();

    w.find<QAction>("mnuAbout")->trigger();
    QWidget* about = anyWidget("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(about->isVisible());

    w.key(Qt::Key_F1);
    auto* help = anyWidget<QTextBrowser>("helpBrowser");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(q("Task files, printing and the clipboard")));
}

// The installed program looks in the data folder of its own installation first.
TEST(DataFolder, InstalledFolderLiesBesideTheBinaryFolder) {
    const QString first = dataFolders().value(0);
    EXPECT_TRUE(first.endsWith(q("/share/zolvan"))) << first.toStdString();
}

// The window started under the user's locale, as the desktop starts it: numbers are read and
// written with that locale's decimal separator in the input line, the display, the memory
// recall, the history, task files and printing. CTest runs these under a locale with a decimal
// comma and under one with a decimal point, and names the separator it expects; run without
// that, they are skipped.
class SystemLocaleDocuments : public ::testing::Test {
protected:
    void SetUp() override {
        const QByteArray expected = qgetenv("ZOLVAN_EXPECT_DECIMAL_SEPARATOR");
        if (expected.size() != 1) {
            GTEST_SKIP() << "ZOLVAN_EXPECT_DECIMAL_SEPARATOR names no separator";
        }
        m_separator = QLatin1Char(expected.at(0));
        // A locale that was not generated falls back to "C": the run would prove nothing.
        ASSERT_EQ(QLocale::system().decimalPoint(), QString(m_separator))
            << "the locale " << qgetenv("LANG").constData() << " is not installed";
    }
    // The text with every "." written as the locale's separator.
    QString local(const char* text) const { return q(text).replace(QLatin1Char('.'), m_separator); }

    QChar m_separator;
};

struct LineCase {
    const char* name;
    const char* line;     // typed with "." standing for the locale's separator
    const char* expected; // current result, "." likewise
};

class SystemLocale : public SystemLocaleDocuments,
                     public ::testing::WithParamInterface<LineCase> {};

// The echo and the history keep the line as the user's format wrote it; the memory, stored with
// F6 and recalled with F7, is written back in that format too.
TEST_P(SystemLocale, DisplayHistoryAndMemoryUseTheLocaleSeparator) {
    const LineCase& c = GetParam();
    ShownWindow w{QLocale::system()};
    w.enter(local(c.line));
    EXPECT_EQ(w.text("lblRezultat_0"), local(c.expected));
    EXPECT_EQ(w.text("lblUnosFormule_0"), local(c.line));
    EXPECT_EQ(w.history(), QStringList{local(c.line)});
    w.key(Qt::Key_F6);
    w.key(Qt::Key_F7);
    EXPECT_EQ(w.line()->text(), local(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Lines, SystemLocale,
                         ::testing::Values(LineCase{"TypedFraction", "1.5+1", "2.5"},
                                           LineCase{"MolecularWeight", "H2O", "18.0153"},
                                           LineCase{"Percent", "2.5%10", "0.25"}),
                         byName);

// Printed and saved rows keep the user's separator; on Open, a line written with the other
// separator (a file from another desktop, or a constant inserted from a list) is read too.
TEST_F(SystemLocaleDocuments, PrintingAndTaskFilesKeepTheSeparator) {
    QTemporaryDir dir;
    const QString path = dir.filePath(q("day.tsk"));
    ShownWindow w{QLocale::system()};
    w.enter(local("1.5+1"));
    printToPdf(w, dir.filePath(q("list.pdf")));
    EXPECT_EQ(pdfLines(dir.filePath(q("list.pdf"))).mid(1), QStringList{local("1.5+1 = 2.5")});

    w.reactivate();
    chooseFile(w, {Qt::CTRL | Qt::Key_S}, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), local("1.5+1 = 2.5\r\n"));
    file.write(m_separator == QLatin1Char(',') ? "0.5*3\r\n" : "0,5*3\r\n");
    file.close();

    w.reactivate();
    chooseFile(w, {Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_O}, path);
    EXPECT_EQ(w.history().mid(1), QStringList{local("1.5+1")}); // after the line read back
    EXPECT_EQ(w.text("lblRezultat_1"), local("2.5"));
    EXPECT_EQ(w.text("lblRezultat_0"), local("1.5"));
}

} // namespace
} // namespace zolvan::testing
