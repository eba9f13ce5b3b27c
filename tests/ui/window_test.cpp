// The display and the history after typed lines, and clicks that copy a display text or a
// history entry into the input line at the caret.

#include "window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

namespace zolvan::testing {
namespace {

TEST(WindowDisplay, EnteredLinesFillTheDisplayAndTheHistory) {
    ShownWindow w;
    w.enter("2+3");
    w.enter("1/4");
    EXPECT_EQ(w.text("lblRezultat_0"), q("0.25"));
    EXPECT_EQ(w.text("lblUnosFormule_0"), q("1/4"));
    EXPECT_EQ(w.text("lblRezultat_1"), q("5"));
    EXPECT_EQ(w.text("lblUnosFormule_1"), q("2+3"));
    EXPECT_TRUE(w.line()->text().isEmpty());
    auto* history = w.find<QComboBox>("cmbLista");
    ASSERT_EQ(history->count(), 2);
    EXPECT_EQ(history->itemText(0), q("1/4"));
    EXPECT_EQ(history->itemText(1), q("2+3"));
}

// The model marks an unknown symbol by selecting it; the selection has to reach the widget.
TEST(WindowDisplay, UnknownSymbolComesBackSelected) {
    ShownWindow w;
    w.enter("2Qq");
    EXPECT_EQ(w.line()->selectedText(), q("Qq"));
}

void chooseSecondHistoryEntry(ShownWindow& w) {
    auto* history = w.find<QComboBox>("cmbLista");
    QTest::mouseClick(history, Qt::LeftButton, {}, history->rect().center());
    QAbstractItemView* list = history->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // The list ignores a release that comes sooner than a double click after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QPoint second = list->visualRect(history->model()->index(1, 0)).center();
    QTest::mouseMove(list->viewport(), second);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(history->currentIndex(), -1); // the box shows no entry, only its arrow
}

struct ClickCase {
    const char* name;
    const char* widget; // clicked; nullptr: the second history entry is chosen instead
    int selected;       // characters selected from the caret at 2 in "1+9*2"
    const char* expected;
    int caret;
};

class InsertClick : public ::testing::TestWithParam<ClickCase> {};

// The caret, and a selection, have to reach the model before the handler inserts.
TEST_P(InsertClick, InsertsAtTheCaret) {
    const ClickCase& c = GetParam();
    ShownWindow w;
    w.enter("2+3");
    w.enter("1/4");
    w.type("1+9*2");
    w.line()->setSelection(2, c.selected);
    if (c.widget != nullptr) {
        w.click(c.widget);
    } else {
        chooseSecondHistoryEntry(w);
    }
    EXPECT_EQ(w.line()->text(), q(c.expected));
    EXPECT_FALSE(w.line()->hasSelectedText());
    EXPECT_EQ(w.line()->cursorPosition(), c.caret);
    EXPECT_TRUE(w.line()->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Rows, InsertClick,
                         ::testing::Values(ClickCase{"Result", "lblRezultat_1", 1, "1+5*2", 3},
                                           ClickCase{"Line", "lblUnosFormule_1", 1, "1+2+3*2", 5},
                                           ClickCase{"History", nullptr, 1, "1+2+3*2", 5}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan::testing
