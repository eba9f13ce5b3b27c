// What assistive technology learns from the window through Qt's accessibility interfaces, the
// ones the desktop's screen reader reads over AT-SPI: the display row by row with what each row
// means, and the indicators' states in words.

#include "window_fixture.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QStringList>

namespace zolvan::testing {
namespace {

// One spoken item: the text a label shows, then its meaning after " | ".
QString spoken(QAccessibleInterface* item) {
    const QString description = item->text(QAccessible::Description);
    const QString name = item->text(QAccessible::Name);
    return description.isEmpty() ? name : name + QStringLiteral(" | ") + description;
}

// The display as a screen reader walks it: its children in order, leaving out the indicators
// and the labels that show nothing.
QStringList readRows(ShownWindow& w) {
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(w.find("picRezultat"));
    QStringList items;
    for (int i = 0; i < display->childCount(); ++i) {
        QAccessibleInterface* child = display->child(i);
        if (!child->object()->objectName().startsWith(QStringLiteral("lblInfo")) &&
            !child->text(QAccessible::Name).isEmpty()) {
            items << spoken(child);
        }
    }
    return items;
}

QString readIndicator(ShownWindow& w, const char* name) {
    return spoken(QAccessible::queryAccessibleInterface(w.find(name)));
}

struct RowsCase {
    const char* name;
    std::vector<const char*> lines;
    std::vector<const char*> expected;
};

class AccessibleDisplay : public ::testing::TestWithParam<RowsCase> {};

TEST_P(AccessibleDisplay, ReadsEveryRowWithItsMeaningInReadingOrder) {
    ShownWindow w;
    for (const char* line : GetParam().lines) {
        w.enter(line);
    }
    QStringList expected;
    for (const char* item : GetParam().expected) {
        expected << q(item);
    }
    EXPECT_EQ(readRows(w).join(QStringLiteral(" / ")).toStdString(),
              expected.join(QStringLiteral(" / ")).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Results, AccessibleDisplay,
    ::testing::Values(RowsCase{"MolecularWeight",
                               {"2h2o+nacl"},
                               {"2*(H2O)+(NaCl) | Current input line", "94.4730 | Current result"}},
                      RowsCase{"TwoLines",
                               {"1/4", "h2o"},
                               {"1/4 | Previous input line", "0.25 | Previous result",
                                "H2O | Current input line", "18.0153 | Current result"}},
                      RowsCase{"SquareEquation",
                               {"x^2-3x+2"},
                               {"x^2 - 3x + 2 = 0 | Square equation input line",
                                "x1 =", "2 | First root x1", "x2 =", "1 | Second root x2"}},
                      RowsCase{"Statistics",
                               {"sum(2+4+6)"},
                               {":sum(2+4+6) | Statistics input line",
                                "n = 3 | Number of data values n", "12 | Sum of the data",
                                "s =", "2 | Standard deviation s of the data",
                                "Mean =", "4 | Mean of the data"}},
                      RowsCase{"LineAfterATable",
                               {"sum(2+4+6)", "2+3"},
                               {":sum(2+4+6) | Previous input line", "12 | Previous result",
                                "2+3 | Current input line", "5 | Current result"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct IndicatorCase {
    const char* name;
    std::vector<Qt::Key> keys; // pressed after the line 5/2
    const char* indicator;
    const char* expected;
};

class AccessibleIndicators : public ::testing::TestWithParam<IndicatorCase> {};

TEST_P(AccessibleIndicators, SayWhetherTheirSettingIsOn) {
    ShownWindow w;
    w.enter("5/2");
    for (Qt::Key key : GetParam().keys) {
        w.key(key);
    }
    EXPECT_EQ(readIndicator(w, GetParam().indicator).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, AccessibleIndicators,
    ::testing::Values(
        IndicatorCase{"AutomaticAtStart", {}, "lblInfo_0", "AUTO | Automatic display mode on"},
        IndicatorCase{"ScientificAtStart", {}, "lblInfo_1", "SCI | Scientific display mode off"},
        IndicatorCase{
            "ScientificAfterF5", {Qt::Key_F5}, "lblInfo_1", "SCI | Scientific display mode on"},
        IndicatorCase{
            "AutomaticAfterF5", {Qt::Key_F5}, "lblInfo_0", "AUTO | Automatic display mode off"},
        IndicatorCase{"MemoryEmpty", {}, "lblInfo_3", "MEM | Memory empty"},
        IndicatorCase{"MemoryStored", {Qt::Key_F6}, "lblInfo_3", "MEM | Memory holds 2.5"},
        IndicatorCase{"RadiansAtStart", {}, "lblInfo_4", "RAD | Radians on"},
        IndicatorCase{"RadiansAfterF8", {Qt::Key_F8}, "lblInfo_4", "RAD | Radians off"},
        IndicatorCase{"DegreesAfterF8", {Qt::Key_F8}, "lblInfo_5", "DEG | Degrees on"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every control a user can work is announced by a word, whatever its caption shows ("=", an
// empty text box, a scroll arrow).
TEST(AccessibleControls, EveryControlHasAName) {
    ShownWindow w;
    w.key(Qt::Key_F9);
    w.key(Qt::CTRL | Qt::Key_F);
    int controls = 0;
    for (QWidget* widget : w.vescal.findChildren<QWidget*>()) {
        if ((!widget->inherits("QAbstractButton") && !widget->inherits("QLineEdit") &&
             !widget->inherits("QComboBox") && !widget->inherits("QAbstractSlider")) ||
            !widget->isVisible()) {
            continue;
        }
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(item, nullptr) << widget->objectName().toStdString();
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        EXPECT_TRUE(item->text(QAccessible::Name).contains(word))
            << widget->metaObject()->className() << " " << widget->objectName().toStdString()
            << " in " << widget->parent()->objectName().toStdString() << " has no accessible name";
        ++controls;
    }
    EXPECT_GE(controls, 10);
}

} // namespace
} // namespace zolvan::testing
