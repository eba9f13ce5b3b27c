// The window started under the user's locale, as the desktop starts it: numbers are read and
// written with that locale's decimal separator in the input line, the display, the memory
// recall and the history. CTest runs these under a locale with a decimal comma and under one
// with a decimal point, and names the separator it expects; run without that, they are skipped.

#include "window_fixture.h"

#include <QComboBox>

#include <algorithm>

namespace zolvan::testing {
namespace {

struct LineCase {
    const char* name;
    const char* line;     // typed with "." standing for the locale's separator
    const char* expected; // current result, "." likewise
};

class SystemLocale : public ::testing::TestWithParam<LineCase> {
protected:
    void SetUp() override {
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
    char m_separator = '.';
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

} // namespace
} // namespace zolvan::testing
