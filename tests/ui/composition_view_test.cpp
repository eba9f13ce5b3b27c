// The Composition view's binding: shown by its shortcut, following each result, read row by row
// by a screen reader, copied as tab-separated text, its form and the command words at the input
// line.

#include "tests/ui/window_fixture.h"

#include <QListWidget>

namespace zolvan::testing {
namespace {

QStringList items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

// What a screen reader gets for row `row` of a list.
QString spokenRow(QListWidget* list, int row) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, 0);
    return cell->text(QAccessible::Name);
}

TEST(CompositionView, FollowsEachResultAndReadsRowByRow) {
    ShownWindow w;
    w.key(Qt::CTRL | Qt::Key_M);
    EXPECT_TRUE(w.find("fraComposition")->isVisible());
    EXPECT_TRUE(w.find("fraExpand")->isVisible()) << "the view widens the window";
    auto* table = w.find<QListWidget>("lstComposition");
    auto* masses = w.find<QListWidget>("lstExactMass");

    w.enter(q("(CuSO4+5*(H2O))"));
    EXPECT_EQ(items(table).size(), 4);
    EXPECT_TRUE(items(table).front().startsWith(q("Cu ")));
    EXPECT_EQ(spokenRow(table, 0),
              q("Cu: 1 atom, atomic weight 63.546, mass 63.5460, 25.45 percent"));
    EXPECT_EQ(spokenRow(table, 1),
              q("H: 10 atoms, atomic weight 1.00794, mass 10.0794, 4.04 percent"));
    EXPECT_TRUE(items(masses).contains(q("[M+H]+ m/z 249.94143")));

    table->setFocus();
    w.key(Qt::CTRL | Qt::Key_C);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith(q("Element\tAtoms\tAtomic weight\tMass\tMass %\nCu\t1\t63.546\t")))
        << copied.toStdString();

    w.enter(q("sin(30)"));
    EXPECT_TRUE(items(table).isEmpty());
    EXPECT_EQ(w.text("lblCompositionHeading"),
              q("No composition: the last result is no molar mass of a formula."));

    w.click("cmdConstant_0");
    EXPECT_FALSE(w.find("fraComposition")->isVisible()) << "another view takes its place";
    EXPECT_TRUE(w.find("picFunction")->isVisible());
}

// The form works on the last molar mass shown; the command word at the input line answers on the
// display.
TEST(CompositionView, FormAndCommandWordsWeighTheLastMolarMass) {
    ShownWindow w;
    w.click("cmdComposition");
    w.enter(q("NaCl"));
    EXPECT_EQ(w.text("lblWeigh"), q("Weigh 1.461 g")) << "0.1 M and 250 mL to start with";
    QLineEdit* purity = w.line("txtPurity");
    purity->setFocus();
    purity->selectAll();
    w.type(q("50"));
    EXPECT_EQ(w.text("lblWeigh"), q("Weigh 2.922 g"));

    w.enter(q("#dilute 1 M 50 mM 250 mL"));
    EXPECT_EQ(w.text("lblRezultat_0"), q("12.5 mL stock + 237.5 mL"));
    EXPECT_EQ(w.history().front(), q("#dilute 1 M 50 mM 250 mL"));
}

} // namespace
} // namespace zolvan::testing
