// The history from the keyboard: Up and Down in the input line step through earlier lines, and
// Alt+Down opens the history list, where Enter chooses a line and Escape closes the list.

#include "window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

namespace zolvan::testing {
namespace {

struct StepCase {
    const char* name;
    std::vector<Qt::Key> keys;
    const char* line;
};

class HistoryStepKeys : public ::testing::TestWithParam<StepCase> {};

TEST_P(HistoryStepKeys, ReachTheLineThroughTheRealKeyPath) {
    ShownWindow w;
    w.enter("11");
    w.enter("22");
    w.type("4");
    for (Qt::Key key : GetParam().keys) {
        w.key(key);
    }
    EXPECT_EQ(w.line()->text(), q(GetParam().line));
    w.type("5");
    EXPECT_EQ(w.line()->text(), q(GetParam().line) + q("5")) << "typing goes on at the end";
}

INSTANTIATE_TEST_SUITE_P(Keys, HistoryStepKeys,
                         ::testing::Values(StepCase{"Up", {Qt::Key_Up}, "22"},
                                           StepCase{"UpUp", {Qt::Key_Up, Qt::Key_Up}, "11"},
                                           StepCase{"UpDown", {Qt::Key_Up, Qt::Key_Down}, "4"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The open list is its own pop-up window: keys go to it, not to the main window.
QWidget* openPopup() {
    return QApplication::activePopupWidget();
}

class HistoryList : public ::testing::Test {
protected:
    void SetUp() override {
        w.enter("11");
        w.enter("22");
        w.type("3+");
        w.key(QKeyCombination(Qt::AltModifier, Qt::Key_Down));
    }
    ShownWindow w;
};

TEST_F(HistoryList, AltDownOpensItAndEnterInsertsTheChosenLine) {
    ASSERT_NE(openPopup(), nullptr) << "Alt+Down did not open the history list";
    QWidget* view = w.find<QComboBox>("cmbLista")->view();
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(openPopup(), nullptr);
    EXPECT_EQ(w.line()->text(), q("3+11"));
    EXPECT_TRUE(w.line()->hasFocus());
}

TEST_F(HistoryList, EscapeClosesItAndKeepsTheLine) {
    ASSERT_NE(openPopup(), nullptr);
    QTest::keyClick(w.find<QComboBox>("cmbLista")->view(), Qt::Key_Escape);
    EXPECT_EQ(openPopup(), nullptr);
    EXPECT_EQ(w.line()->text(), q("3+")) << "the window's Escape key must not empty the line";
}

} // namespace
} // namespace zolvan::testing
