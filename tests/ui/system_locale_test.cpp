// The window started under the user's locale, as the desktop starts it: numbers are read and
// written with that locale's decimal separator in the input line, the display, the memory
// recall, the history, the constants lists, task files and printing. CTest runs these under a
// locale with a decimal comma and under one with a decimal point, and names the separator it
// expects; run without that, they are skipped.

#include "dialog_answers.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>

namespace zolvan::testing {
namespace {

struct LineCase {
    const char* name;
    const char* line;     // typed with "." standing for the locale's separator
    const char* expected; // current result, "." likewise
};

// The separator CTest says the locale writes; the test is skipped when it names none.
class LocaleRun {
protected:
    void requireLocale() {
        const QByteArray expected = qgetenv("ZOLVAN_EXPECT_DECIMAL_SEPARATOR");
        if (expected.size() != 1) {
            GTEST_SKIP() << "ZOLVAN_EXPECT_DECIMAL_SEPARATOR names no separator";
        }
        m_separator = expected.at(0);
        // A locale that was not generated falls back to "C": the run would prove nothing.
        ASSERT_EQ(QLocale::system().decimalPoint(), QString(QLatin1Char(m_separator)))
            << "the locale " << qgetenv("LANG").constData() << " is not installed";
    }
    // The text with every "." written as the locale's separator.
    std::string local(const char* text) const {
        std::string s(text);
        std::replace(s.begin(), s.end(), '.', m_separator);
        return s;
    }
    QString qlocal(const char* text) const { return QString::fromStdString(local(text)); }

    char m_separator = '.';
};

class SystemLocale : public ::testing::TestWithParam<LineCase>, protected LocaleRun {
protected:
    void SetUp() override { requireLocale(); }
};

TEST_P(SystemLocale, DisplayAndHistoryUseTheLocaleSeparator) {
    const LineCase& c = GetParam();
    ShownWindow w{QLocale::system()};
    w.enter(local(c.line).c_str());
    const std::string expected = local(c.expected);
    EXPECT_EQ(w.text("lblRezultat_0").toStdString(), expected);
    // The echo and the history keep the line as the user's format wrote it.
    EXPECT_EQ(w.text("lblUnosFormule_0").toStdString(), local(c.line));
    const auto* history = w.find<QComboBox>("cmbLista");
    ASSERT_GE(history->count(), 1);
    EXPECT_EQ(history->itemText(0).toStdString(), local(c.line));
}

// Stored with F6 and recalled with F7: the memory is written back in the user's format.
TEST_P(SystemLocale, MemoryRecallWritesTheLocaleSeparator) {
    const LineCase& c = GetParam();
    ShownWindow w{QLocale::system()};
    w.enter(local(c.line).c_str());
    w.key(Qt::Key_F6);
    w.key(Qt::Key_F7);
    EXPECT_EQ(w.line()->text().toStdString(), local(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Lines, SystemLocale,
                         ::testing::Values(LineCase{"Quotient", "1/4", "0.25"},
                                           LineCase{"TypedFraction", "1.5+1", "2.5"},
                                           LineCase{"MolecularWeight", "H2O", "18.0153"},
                                           LineCase{"Percent", "2.5%10", "0.25"}),
                         [](const auto& info) { return std::string(info.param.name); });

class SystemLocaleDocuments : public ::testing::Test, protected LocaleRun {
protected:
    void SetUp() override { requireLocale(); }
};

// A value line of a constants list is inserted exactly as the list holds it, with a point; the
// line then reads it in the user's format.
TEST_F(SystemLocaleDocuments, ConstantsInsertionCalculates) {
    ShownWindow w{QLocale::system()};
    w.line()->setFocus();
    w.type("2*");
    w.key(Qt::Key_F11);
    auto* constants = w.find<QListWidget>("lstConstants_1");
    constants->setFocus();
    constants->setCurrentRow(2); // Acceleration of Free Fall (m/s2)
    QTest::keyClick(constants, Qt::Key_Return);
    EXPECT_EQ(w.line()->text(), q("2* 9.80665"));
    w.key(Qt::Key_Return);
    EXPECT_EQ(w.text("lblRezultat_0"), qlocal("19.6133"));
}

// Saved rows keep the user's separator; on Open, a line written with the other separator (a file
// from another desktop) is read too.
TEST_F(SystemLocaleDocuments, TaskFilesKeepAndReadTheSeparator) {
    QTemporaryDir dir;
    const QString path = dir.filePath(q("day.tsk"));
    ShownWindow w{QLocale::system()};
    w.enter(local("1.5+1").c_str());
    whenFileDialogOpensChoose(path);
    w.key(Qt::CTRL | Qt::Key_S);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_EQ(file.readAll().toStdString(), local("1.5+1 = 2.5\r\n"));
    file.write(m_separator == ',' ? "0.5*3\r\n" : "0,5*3\r\n");
    file.close();

    reactivate(w);
    w.key(Qt::CTRL | Qt::Key_N);
    whenFileDialogOpensChoose(path);
    w.key(Qt::CTRL | Qt::Key_O);
    auto* history = w.find<QComboBox>("cmbLista");
    ASSERT_EQ(history->count(), 2);
    EXPECT_EQ(history->itemText(1), qlocal("1.5+1"));
    EXPECT_EQ(w.text("lblRezultat_1"), qlocal("2.5"));
    EXPECT_EQ(w.text("lblRezultat_0"), qlocal("1.5"));
}

TEST_F(SystemLocaleDocuments, PrintedRowsKeepTheSeparator) {
    QTemporaryDir dir;
    ShownWindow w{QLocale::system()};
    w.enter(local("1.5+1").c_str());
    QPrinter& printer = w.vescal.services().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(q("list.pdf")));
    whenDialogOpens<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    w.key(Qt::CTRL | Qt::Key_P);
    const std::optional<QStringList> lines = pdfLines(dir.filePath(q("list.pdf")));
    if (!lines) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    EXPECT_EQ(*lines, QStringList{qlocal("1.5+1 = 2.5")});
}

} // namespace
} // namespace zolvan::testing
