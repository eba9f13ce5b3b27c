// The main window as it opens, the display and history after typed lines, and clicks that copy
// display texts and history entries into the input line.

#include "ui/geometry.h"
#include "window_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>

namespace zolvan::testing {
namespace {

const QColor kActive(0, 92, 64);
const QColor kGrey(192, 192, 192);
const QColor kDesign(64, 64, 0);

TEST(WindowStart, OpensWithVersionCaptionAndNormalSize) {
    ShownWindow w;
    ASSERT_TRUE(w.active);
    EXPECT_EQ(w.vescal.windowTitle(), q("Korvid. Zolvan 1.8"));
    EXPECT_EQ(w.vescal.size(), clientSize(3690, 5950));
    EXPECT_TRUE(w.vescal.menuBar()->isVisible());
    EXPECT_FALSE(w.find<QWidget>(q("frmNumber"))->isVisible());
    EXPECT_FALSE(w.find<QWidget>(q("fraExpand"))->isVisible());
    EXPECT_TRUE(w.line()->hasFocus());
}

struct IndicatorRow {
    const char* name;
    const char* caption;
    const char* toolTip;
    QColor colour;
};

TEST(WindowStart, IndicatorsShowCaptionsTooltipsAndDesignColours) {
    const IndicatorRow rows[] = {
        {"lblInfo_0", "AUTO", " Number Format (F5) ", kDesign},
        {"lblInfo_1", "SCI", " Number Format (F5) ", kGrey},
        {"lblInfo_2", "FIX", " Number Format (F5) ", kGrey},
        {"lblInfo_3", "MEM", " Memory (F6-store / F7-recall) ", kGrey},
        {"lblInfo_4", "RAD", " Radians (F8) ", kDesign},
        {"lblInfo_5", "DEG", " Degrees (F8) ", kGrey},
        {"lblInfo_6", "GRAD", " Grads (F8) ", kGrey},
    };
    ShownWindow w;
    for (const IndicatorRow& row : rows) {
        SCOPED_TRACE(row.name);
        QLabel* label = w.label(q(row.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), q(row.caption));
        EXPECT_EQ(label->toolTip(), q(row.toolTip));
        EXPECT_EQ(ShownWindow::colour(label), row.colour);
        EXPECT_TRUE(label->isVisible());
    }
}

TEST(WindowStart, DisplayFontsFollowTheirRows) {
    struct Row {
        const char* name;
        double points;
        bool bold;
    };
    const Row rows[] = {{"lblRezultat_0", 9.75, true},    {"lblRezultat_1", 9.75, true},
                        {"lblRezultat_2", 9.75, true},    {"lblUnosFormule_0", 7.5, false},
                        {"lblUnosFormule_1", 7.5, false}, {"lblOznaka_1", 7.5, false},
                        {"lblInfo_0", 6.0, false}};
    ShownWindow w;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QFont font = w.label(q(row.name))->font();
        EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points);
        EXPECT_EQ(font.bold(), row.bold);
    }
}

// Value labels are read by their value; inputs and buttons need a name.
TEST(WindowStart, AssistiveNamesAndDescriptions) {
    ShownWindow w;
    for (const char* name : {"lblRezultat_0", "lblRezultat_1", "lblRezultat_2", "lblUnosFormule_0",
                             "lblUnosFormule_1", "lblInfo_0", "lblInfo_3", "lblOznaka_2"}) {
        SCOPED_TRACE(name);
        QLabel* label = w.label(q(name));
        EXPECT_TRUE(label->accessibleName().isEmpty());
        EXPECT_FALSE(label->accessibleDescription().isEmpty());
    }
    for (const char* name : {"txtUnosFormule", "cmbLista", "cmdEnter", "txtDecimala", "vsbDecimala",
                             "txtPower", "vsbPower"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(w.find<QWidget>(q(name))->accessibleName().isEmpty());
    }
    EXPECT_EQ(w.line()->accessibleName(), q("Formula input"));
}

TEST(WindowStart, EnterButtonHasItsCaptionAndTooltip) {
    ShownWindow w;
    auto* enter = w.find<QPushButton>(q("cmdEnter"));
    EXPECT_EQ(enter->text(), q("="));
    EXPECT_EQ(enter->toolTip(), q(" Enter "));
}

struct MenuRow {
    const char* caption; // empty for a separator
    const char* shortcut;
    bool enabled;
};

struct MenuCase {
    const char* name;
    const char* title;
    std::vector<MenuRow> rows;
};

std::vector<MenuRow> ions() {
    std::vector<MenuRow> rows;
    for (const char* ion : {"H2O", "OH", "CN", "CH2", "CO3", "", "NO2", "NO3", "NH3", "NH4", "",
                            "SO3", "SO4", "PO4", "CrO4", "Cr2O7"}) {
        rows.push_back({ion, "", false});
    }
    return rows;
}

TEST(WindowMenus, BarHoldsEveryCommandInOrder) {
    const std::vector<MenuCase> menus{
        {"mnuFile",
         "&File",
         {{"&New", "Ctrl+N", false},
          {"&Open...", "Ctrl+O", false},
          {"&Save...", "Ctrl+S", false},
          {"", "", false},
          {"&Print...", "Ctrl+P", false},
          {"", "", false},
          {"E&xit", "Ctrl+Q", true}}},
        {"mnuEdit",
         "&Edit",
         {{"Cu&t", "Ctrl+X", false},
          {"&Copy", "Ctrl+C", false},
          {"&Paste", "Ctrl+V", false},
          {"&Delete", "Shift+Del", false},
          {"", "", false},
          {"Select &All", "Ctrl+A", false},
          {"Clear Displa&y", "Ctrl+Y", false}}},
        {"mnuInsert", "&Insert", ions()},
        {"mnuView",
         "&View",
         {{"Expand Zolvan", "F9", true},
          {"Show Display only", "F12", true},
          {"", "", false},
          {"Classic Calculator", "", false},
          {"&SI Units", "Ctrl+U", false},
          {"&Physical Constants", "F11", false},
          {"&Custom Constant", "", false},
          {"&New Custom Constant...", "", false},
          {"", "", false},
          {"Number &Format...", "Ctrl+F", true},
          {"Function Separator", "", false},
          {"", "", false},
          {"Always On &Top", "Ctrl+T", true}}},
        {"mnuHelp",
         "&Help",
         {{"Help &Topics", "F1", false},
          {"&Example", "", false},
          {"", "", false},
          {"&Splash Screen", "", false},
          {"&About Zolvan", "", false}}},
    };
    ShownWindow w;
    const QList<QAction*> bar = w.vescal.menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(menus[m].name);
        EXPECT_EQ(bar[static_cast<qsizetype>(m)]->text(), q(menus[m].title));
        const QList<QAction*> items = bar[static_cast<qsizetype>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menus[m].rows.size()));
        for (std::size_t i = 0; i < menus[m].rows.size(); ++i) {
            const MenuRow& row = menus[m].rows[i];
            const QAction* item = items[static_cast<qsizetype>(i)];
            SCOPED_TRACE(row.caption);
            EXPECT_EQ(item->isSeparator(), *row.caption == '\0');
            if (item->isSeparator()) {
                continue;
            }
            EXPECT_EQ(item->text(), q(row.caption));
            EXPECT_EQ(item->shortcut(), QKeySequence(q(row.shortcut)));
            EXPECT_EQ(item->isEnabled(), row.enabled);
        }
    }
}

TEST(WindowMenus, CheckMarksAtStart) {
    ShownWindow w;
    EXPECT_FALSE(w.action("mnuExpand")->isChecked());
    EXPECT_FALSE(w.action("mnuShort")->isChecked());
    EXPECT_FALSE(w.action("mnuTop")->isChecked());
    EXPECT_TRUE(w.action("mnuSeparator")->isChecked());
    EXPECT_TRUE(w.action("mnuExpand")->isCheckable());
}

// Choosing an item with the mouse, through the bar and its drop-down menu.
TEST(WindowMenus, MouseChoosesNumberFormat) {
    ShownWindow w;
    QMenuBar* bar = w.vescal.menuBar();
    QAction* view = w.find<QMenu>(q("mnuView"))->menuAction();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view).center());
    QMenu* menu = view->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction* item = w.action("mnuNumber");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    EXPECT_TRUE(w.find<QWidget>(q("frmNumber"))->isVisible());
    EXPECT_TRUE(w.line()->hasFocus());
}

TEST(WindowDisplay, EnteredLinesFillTheTapeAndTheHistory) {
    ShownWindow w;
    w.enter(q("2+3"));
    EXPECT_EQ(w.label(q("lblRezultat_0"))->text(), q("5"));
    EXPECT_EQ(w.label(q("lblUnosFormule_0"))->text(), q("2+3"));
    EXPECT_EQ(w.line()->text(), QString());

    w.enter(q("1/4"));
    EXPECT_EQ(w.label(q("lblRezultat_0"))->text(), q("0.25"));
    EXPECT_EQ(w.label(q("lblUnosFormule_0"))->text(), q("1/4"));
    EXPECT_EQ(w.label(q("lblRezultat_1"))->text(), q("5"));
    EXPECT_EQ(w.label(q("lblUnosFormule_1"))->text(), q("2+3"));

    auto* history = w.find<QComboBox>(q("cmbLista"));
    ASSERT_EQ(history->count(), 2);
    EXPECT_EQ(history->itemText(0), q("1/4"));
    EXPECT_EQ(history->itemText(1), q("2+3"));
}

TEST(WindowDisplay, EnterButtonCalculatesLikeTheKey) {
    ShownWindow w;
    w.line()->setFocus();
    w.type(q("6*7"));
    w.click(q("cmdEnter"));
    EXPECT_EQ(w.label(q("lblRezultat_0"))->text(), q("42"));
    EXPECT_EQ(w.find<QComboBox>(q("cmbLista"))->itemText(0), q("6*7"));
    EXPECT_TRUE(w.line()->text().isEmpty());
}

TEST(WindowDisplay, StatisticsTableShowsDesignations) {
    ShownWindow w;
    w.enter(q(":sum(1+2+3+4)"));
    EXPECT_EQ(w.label(q("lblOznaka_1"))->text(), q("n = 4"));
    EXPECT_EQ(w.label(q("lblOznaka_2"))->text(), q("s ="));
    EXPECT_EQ(w.label(q("lblOznaka_3"))->text(), q("Mean ="));
    EXPECT_EQ(w.label(q("lblRezultat_1"))->text(), q("10"));
    EXPECT_EQ(w.label(q("lblRezultat_0"))->text(), q("2.5"));
    // A click on row 3 gives the standard deviation, which stands there instead of an echo.
    w.click(q("lblUnosFormule_0"));
    EXPECT_EQ(w.line()->text(), w.label(q("lblRezultat_2"))->text());
    EXPECT_FALSE(w.line()->text().isEmpty());
}

TEST(WindowDisplay, UnknownSymbolComesBackSelected) {
    ShownWindow w;
    w.enter(q("2Qq"));
    QLineEdit* line = w.line();
    ASSERT_TRUE(line->hasSelectedText());
    EXPECT_EQ(line->selectedText(), q("Qq"));
    EXPECT_TRUE(w.label(q("lblRezultat_0"))->text().endsWith(q(" isn't element symbol!")));
}

struct ClickCase {
    const char* name;
    const char* typed; // typed into the line after the two calculations
    int selectFrom;    // -1: no selection, the caret stays at the end
    int selectLength;
    const char* widget; // clicked
    const char* expected;
    int caret;
};

class DisplayClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(DisplayClick, InsertsAtTheCaret) {
    const ClickCase& c = GetParam();
    ShownWindow w;
    w.enter(q("2+3"));
    w.enter(q("1/4"));
    w.line()->setFocus();
    w.type(q(c.typed));
    if (c.selectFrom >= 0) {
        w.line()->setSelection(c.selectFrom, c.selectLength);
    }
    w.click(q(c.widget));
    EXPECT_EQ(w.line()->text(), q(c.expected));
    EXPECT_FALSE(w.line()->hasSelectedText());
    EXPECT_EQ(w.line()->cursorPosition(), c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DisplayClick,
    ::testing::Values(ClickCase{"CurrentResult", "1+", -1, 0, "lblRezultat_0", "1+0.25", 6},
                      ClickCase{"PreviousResult", "1+", -1, 0, "lblRezultat_1", "1+5", 3},
                      ClickCase{"CurrentLine", "", -1, 0, "lblUnosFormule_0", "1/4", 3},
                      ClickCase{"PreviousLine", "7*", -1, 0, "lblUnosFormule_1", "7*2+3", 5},
                      ClickCase{"ReplacesSelection", "1+9*2", 2, 1, "lblRezultat_1", "1+5*2", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowHistory, ChosenEntryIsInsertedAtTheCaret) {
    ShownWindow w;
    w.enter(q("2+3"));
    w.enter(q("1/4"));
    w.line()->setFocus();
    w.type(q("8-"));
    auto* history = w.find<QComboBox>(q("cmbLista"));
    QTest::mouseClick(history, Qt::LeftButton, {}, history->rect().center());
    QAbstractItemView* list = history->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // The list ignores a release that comes sooner than a double click after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QRect second = list->visualRect(history->model()->index(1, 0));
    QTest::mouseMove(list->viewport(), second.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(w.line()->text(), q("8-2+3"));
    EXPECT_TRUE(w.line()->hasFocus());
    EXPECT_EQ(history->currentIndex(), -1); // the box shows no entry, only its arrow
}

TEST(WindowInput, ClickOnTheBorderPutsTheCaretFirst) {
    ShownWindow w;
    w.line()->setFocus();
    w.type(q("123"));
    auto* border = w.find<QWidget>(q("txtBlank"));
    QTest::mouseClick(border, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(w.line()->cursorPosition(), 0);
    EXPECT_TRUE(w.line()->hasFocus());
}

} // namespace
} // namespace zolvan::testing
