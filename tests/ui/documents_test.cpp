// The document commands' bindings: menu shortcuts over the input line's own keys, the real
// clipboard, the file and print dialogs, the splash timer, the about and help windows.

#include "dialog_answers.h"
#include "ui/document_windows.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <memory>

namespace zolvan::testing {
namespace {

struct ShortcutCase {
    const char* name;
    QKeyCombination stroke;
    int selStart, selLength; // in "2+30"
    const char* line;
    const char* clipboard;
};

class EditShortcut : public ::testing::TestWithParam<ShortcutCase> {};

// With the input line focused, its own Ctrl+C and the like give way to the menu's commands.
TEST_P(EditShortcut, RunsTheMenuCommandOnTheRealClipboard) {
    const ShortcutCase& c = GetParam();
    ShownWindow w;
    w.enter("5*5");
    QGuiApplication::clipboard()->setText(q("7"));
    w.type("2+30");
    w.line()->setSelection(c.selStart, c.selLength);
    w.key(c.stroke);
    EXPECT_EQ(w.line()->text(), q(c.line));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), q(c.clipboard));
    EXPECT_TRUE(w.line()->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditShortcut,
    ::testing::Values(ShortcutCase{"CopyResult", Qt::CTRL | Qt::Key_C, 4, 0, "2+30", "25"},
                      ShortcutCase{"CopySelection", Qt::CTRL | Qt::Key_C, 0, 2, "2+30", "2+"},
                      ShortcutCase{"CutAll", Qt::CTRL | Qt::Key_X, 1, 0, "", "2+30"},
                      ShortcutCase{"Paste", Qt::CTRL | Qt::Key_V, 2, 2, "2+7", "7"},
                      ShortcutCase{"DeleteAll", Qt::SHIFT | Qt::Key_Delete, 1, 0, "", "7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditShortcut, ClearDisplayAndSelectAll) {
    ShownWindow w;
    w.enter("5*5");
    w.type("abc");
    w.key(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(w.text("lblRezultat_0"), q(""));
    w.line()->setCursorPosition(1);
    w.key(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(w.line()->selectedText(), q("abc"));
}

// Save through the real file dialog, then New and Open: the list comes back recomputed, in the
// opposite order.
TEST(TaskFileDialogs, SaveNewOpenEndToEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(q("day.tsk"));
    ShownWindow w;
    w.enter("2h2o");
    w.enter("#fix 1");
    w.enter("1/3");
    whenFileDialogOpensChoose(path, q("Text Files(*.txt)"));
    w.key(Qt::CTRL | Qt::Key_S);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("1/3 = 0.3\r\n#fix 1\r\n2*(H2O) = 36.0306\r\n"));

    reactivate(w);
    w.key(Qt::CTRL | Qt::Key_N);
    whenFileDialogOpensChoose(path, q("Task Files (*.tsk)"));
    w.key(Qt::CTRL | Qt::Key_O);
    auto* history = w.find<QComboBox>("cmbLista");
    ASSERT_EQ(history->count(), 3);
    EXPECT_EQ(history->itemText(0), q("2*(H2O)"));
    EXPECT_EQ(history->itemText(2), q("1/3"));
    EXPECT_EQ(w.text("lblRezultat_0"), q("36.0")); // "#fix 1" ran again from the file
    EXPECT_FALSE(w.find("fraWait")->isVisible());
}

TEST(TaskFileDialogs, CancelledOpenChangesNothing) {
    ShownWindow w;
    w.enter("1+1");
    whenDialogOpens<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    w.key(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(w.find<QComboBox>("cmbLista")->count(), 1);
}

// Printed to a PDF file through the print dialog: two copies, two documents, one line per row.
TEST(PrintToPdf, EachCopyIsItsOwnDocument) {
    QTemporaryDir dir;
    ShownWindow w;
    w.enter("H2O");
    w.enter("#auto");
    QPrinter& printer = w.vescal.services().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(q("list.pdf")));
    printer.setCopyCount(2);
    whenDialogOpens<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    w.key(Qt::CTRL | Qt::Key_P);
    for (const char* file : {"list.pdf", "list-2.pdf"}) {
        const std::optional<QStringList> lines = pdfLines(dir.filePath(q(file)));
        if (!lines) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        EXPECT_EQ(*lines, (QStringList{q("#auto ="), q("H2O = 18.0153")})) << file;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(q("list-3.pdf"))));
}

TEST(SplashWindow, HandsOverAfterItsTimerOrAKey) {
    for (const bool key : {false, true}) {
        Vescal vescal{QLocale::c()};
        vescal.startWithSplash();
        SplashView& splash = vescal.splash();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        EXPECT_EQ(splash.findChild<QLabel*>(q("lblVersion"))->text(), q("Version 1.8.38"));
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

TEST(SplashWindow, FromTheHelpMenuStaysUntilClicked) {
    ShownWindow w;
    w.vescal.findChild<QAction*>(q("mnuSplash"))->trigger();
    SplashView& splash = w.vescal.splash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::qWait(1300);
    EXPECT_TRUE(splash.isVisible());
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
}

TEST(AboutAndHelp, AboutClosesOnAClickAndF1ShowsTheContents) {
    ShownWindow w;
    w.vescal.findChild<QAction*>(q("mnuAbout"))->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == q("frmAbout")) {
            about = top;
        }
    }
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), q("About Zolvan"));
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(about->isVisible());

    w.key(Qt::Key_F1);
    QTextBrowser* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* found = top->findChild<QTextBrowser*>(q("helpBrowser"))) {
            help = found;
        }
    }
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(q("Task files, printing and the clipboard")));
}

} // namespace
} // namespace zolvan::testing
