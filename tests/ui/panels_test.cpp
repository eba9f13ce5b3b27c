// The input panels' bindings: one case per kind of event the widgets report to the model.

#include "window_fixture.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace zolvan::testing {
namespace {

// A keypad click inserts through the model and leaves the focus in the input line.
TEST(PanelBindings, KeypadClickInsertsAndKeepsTheFocus) {
    ShownWindow w;
    w.line()->setFocus();
    w.type("2");
    w.click("cmdNum_15");
    w.click("chkInverse");
    EXPECT_EQ(w.find<QPushButton>("cmdNum_27")->text(), q("asin"));
    w.click("cmdNum_27");
    EXPECT_EQ(w.line()->text(), q("2*:asin"));
    EXPECT_EQ(w.find<QPushButton>("cmdNum_27")->text(), q("sin"));
    EXPECT_TRUE(w.line()->hasFocus());
    EXPECT_EQ(w.find<QPushButton>("cmdNum_14")->accessibleName(), q("Division"));
}

TEST(PanelBindings, RightClickOpensTheInsertMenu) {
    ShownWindow w;
    QTest::mouseClick(w.find("cmdNum_7"), Qt::RightButton);
    auto* menu = w.find<QMenu>("mnuInsert");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QTest::mouseClick(w.find("cmdNum_7"), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(w.line()->text(), q("7"));
}

// Ctrl+U belongs to the menu even while the line edit, which deletes a line with it, has focus;
// then a double-click and Enter on list entries insert their value lines.
TEST(PanelBindings, ShortcutThenListDoubleClickAndEnter) {
    ShownWindow w;
    w.line()->setFocus();
    w.type("5*");
    w.key(Qt::CTRL | Qt::Key_U);
    auto* units = w.find<QListWidget>("lstConstants_0");
    ASSERT_TRUE(units->isVisible());
    EXPECT_EQ(w.line()->text(), q("5*"));
    units->scrollToItem(units->item(96));
    const QPoint shown = units->visualItemRect(units->item(96)).center();
    QTest::mouseClick(units->viewport(), Qt::LeftButton, {}, shown);
    QTest::mouseDClick(units->viewport(), Qt::LeftButton, {}, shown);
    EXPECT_EQ(w.line()->text(), q("5* 1609.344"));
    EXPECT_TRUE(w.line()->hasFocus());

    w.click("cmdConstant_1");
    w.key(Qt::Key_F11);
    auto* constants = w.find<QListWidget>("lstConstants_1");
    ASSERT_TRUE(constants->isVisible());
    constants->setFocus();
    constants->setCurrentRow(52);
    QTest::keyClick(constants, Qt::Key_Return);
    EXPECT_EQ(w.line()->text(), q("5* 1609.344 101325 "));
}

TEST(PanelBindings, HoverFrameFollowsThePointerAndHides) {
    ShownWindow w;
    auto* mask = w.find<QFrame>("imgButonMask");
    QWidget* third = w.find("imgMenu_2");
    QTest::mouseMove(third, third->rect().center());
    QApplication::processEvents();
    EXPECT_EQ(mask->x(), 700 / 15);
    QWidget* key = w.find("cmdNum_5");
    QTest::mouseMove(key, key->rect().center());
    QApplication::processEvents();
    EXPECT_LT(mask->x(), 0);
    // Back on the bar, then onto the calculator frame beside the keys.
    QTest::mouseMove(third, third->rect().center());
    QApplication::processEvents();
    EXPECT_EQ(mask->x(), 700 / 15);
    QWidget* frame = w.find("fraCalculator");
    QTest::mouseMove(frame, QPoint(1, 150));
    QApplication::processEvents();
    EXPECT_LT(mask->x(), 0);
}

TEST(PanelBindings, CoefficientBoxSelectsAllOnFocusAndEnterSolves) {
    ShownWindow w;
    w.click("cmdConstant_0"); // the Classic view, widening the window
    auto* a = w.line("txtKvadratna_2");
    auto* b = w.line("txtKvadratna_1");
    auto* c = w.line("txtKvadratna_0");
    a->setText(q("1"));
    c->setText(q("2"));
    b->setText(q("-3"));
    w.line()->setFocus();
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(b->selectedText(), q("-3"));
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(w.text("lblRezultat_1"), q("2"));
    EXPECT_EQ(w.text("lblRezultat_0"), q("1"));
}

} // namespace
} // namespace zolvan::testing
