// The display after typed lines: clicks that copy a display text or a history entry into the
// input line at the caret, values wider than the display, and settings changed through the
// widgets of the number-format frame, the angle panel and the indicators. What assistive
// technology learns from the window through Qt's accessibility interfaces, the ones the desktop's
// screen reader reads over AT-SPI; and the design's colours under light and dark themes.

#include "window_fixture.h"

#include "ui/fitting_label.h"
#include "ui/view_sync.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QImage>
#include <QRegularExpression>
#include <QScreen>
#include <QToolTip>

#include <optional>

namespace zolvan::testing {
namespace {

// An indicator's colours: its setting in force, or not.
const QColor kActive(0, 92, 64);
const QColor kGrey(192, 192, 192);

// Opens the history list with a click on its arrow and clicks its second entry, as a user does.
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
}

struct ClickCase {
    const char* name;
    const char* widget; // clicked; nullptr: the second history entry is chosen instead
    const char* expected;
    int caret;
};

class InsertClick : public ::testing::TestWithParam<ClickCase> {};

// The caret, and a selection, have to reach the model before the handler inserts: the click on
// the history arrow must not lose them.
TEST_P(InsertClick, InsertsAtTheCaret) {
    const ClickCase& c = GetParam();
    ShownWindow w;
    w.enter("2+3");
    w.enter("1/4");
    w.type("1+9*2");
    w.line()->setSelection(2, 1); // the 9
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
                         ::testing::Values(ClickCase{"Result", "lblRezultat_1", "1+5*2", 3},
                                           ClickCase{"Line", "lblUnosFormule_1", "1+2+3*2", 5},
                                           ClickCase{"History", nullptr, "1+2+3*2", 5}),
                         byName);

struct FitCase {
    const char* name;
    const char* label; // lblRezultat_0: the current result; lblUnosFormule_0: its line
    QString line;
    bool fixedWithSeparators;   // fixed display mode with the 1000 separator
    std::optional<bool> shrunk; // nullopt: depends on the screen's fonts, either is right
    bool elided;
};

class DisplayFit : public ::testing::TestWithParam<FitCase> {};

// Values and echoed lines wider than the display stay legible: drawn smaller, then elided in the
// middle with "…", the full text first in the tooltip. The label keeps the full text, and the
// model its own: an echoed line's tooltip goes on with its expanded form.
TEST_P(DisplayFit, WideRowsShrinkThenElideWithTheFullTextAtHand) {
    const FitCase& c = GetParam();
    ShownWindow w;
    if (c.fixedWithSeparators) {
        w.key(Qt::CTRL | Qt::Key_F);
        w.click("optNumber_2");
        w.click("chkTisuca");
    }
    w.paste(c.line);
    w.key(Qt::Key_Return);
    auto* row = w.find<FittingLabel>(c.label);
    const FittedText fit = row->fitted();
    if (c.shrunk) {
        EXPECT_EQ(fit.shrunk, *c.shrunk);
    }
    EXPECT_EQ(fit.elided, c.elided);
    EXPECT_EQ(fit.shown.contains(QChar(0x2026)), c.elided);
    EXPECT_FALSE(row->text().contains(QChar(0x2026))) << "the label keeps the full text";
    EXPECT_LE(QFontMetrics(fit.font).horizontalAdvance(fit.shown), row->contentsRect().width());
    EXPECT_GE(fit.font.pointSizeF(), 6.5) << "shrunk below a readable size";
    const QStringList tip = row->toolTip().split(QLatin1Char('\n'));
    const bool echo = QString::fromLatin1(c.label).startsWith(q("lblUnosFormule"));
    EXPECT_EQ(tip.size(), fit.shrunk && echo ? 2 : 1);
    EXPECT_EQ(tip.first() == row->text(), fit.shrunk);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DisplayFit,
    ::testing::Values(
        FitCase{"Fits", "lblRezultat_0", q("2h2o"), false, false, false},
        FitCase{"HugeExponent", "lblRezultat_0", q("-(2^1000)"), false, std::nullopt, false},
        FitCase{"FactorialWithSeparators", "lblRezultat_0", q("170!"), true, true, true},
        FitCase{"LineFits", "lblUnosFormule_0", q("2h2o"), false, false, false},
        FitCase{"LongLineElided", "lblUnosFormule_0", glucose(12), false, true, true}),
    byName);

struct ToolTipCase {
    const char* name;
    int terms;    // glucose molecules summed
    bool clipped; // more lines than the screen holds
};

class WrappedToolTip : public ::testing::TestWithParam<ToolTipCase> {};

// The tooltip of a long echoed line, shown where the pointer rests: wrapped into lines no wider
// than the screen, and cut with "…" at the screen's height. The label keeps the whole tooltip.
TEST_P(WrappedToolTip, FitsOnTheScreen) {
    const ToolTipCase& c = GetParam();
    ShownWindow w;
    w.paste(glucose(c.terms));
    w.key(Qt::Key_Return);
    auto* row = w.find<QLabel>("lblUnosFormule_0");
    const QPoint at = row->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, row->mapToGlobal(at));
    QApplication::sendEvent(row, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    const QString shown = QToolTip::text();
    QToolTip::hideText();
    const QRect screen = row->screen()->availableGeometry();
    const QFontMetrics metrics(QToolTip::font());
    const QStringList lines = shown.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), screen.width()) << line.toStdString();
    }
    EXPECT_LE(lines.size() * metrics.lineSpacing(), screen.height());
    EXPECT_GT(lines.size(), 2);
    QString joined = lines.join(QString());
    const QString full = row->toolTip().remove(QLatin1Char('\n'));
    EXPECT_EQ(joined.endsWith(QChar(0x2026)), c.clipped);
    joined.remove(QChar(0x2026));
    EXPECT_TRUE(full.startsWith(joined));
    EXPECT_EQ(joined.size() == full.size(), !c.clipped);
}

INSTANTIATE_TEST_SUITE_P(Lines, WrappedToolTip,
                         ::testing::Values(ToolTipCase{"Wrapped", 40, false},
                                           ToolTipCase{"ClippedAtTheScreenHeight", 3000, true}),
                         byName);

// One window, changed step by step: the current result is shown again in the new format, and the
// indicators follow in colour and in the words a screen reader says.
TEST(Settings, ResultAndIndicatorsFollowEachChange) {
    const struct {
        const char* widget; // clicked; nullptr: the second history entry is chosen instead, or
                            // typed over when `typed` is set
        const char* typed;
        const char* result; // of 1/3
        const char* lit;    // an indicator lit afterwards
        const char* dark;   // and one of its group put out
    } steps[] = {
        {"optNumber_2", nullptr, "0.33", "lblInfo_2", "lblInfo_0"},
        {"txtDecimala", "4", "0.3333", "lblInfo_2", "lblInfo_1"},
        {"lblInfo_1", nullptr, "3.3333 E-01", "lblInfo_1", "lblInfo_2"},
        {"optRadDeg_2", nullptr, "3.3333 E-01", "lblInfo_6", "lblInfo_4"},
        {"optRadiani_1", nullptr, "3.3333 E-01", "lblInfo_5", "lblInfo_6"},
    };
    ShownWindow w;
    w.key(Qt::ControlModifier | Qt::Key_F); // the number-format frame
    w.key(Qt::Key_F9);                      // the right-hand panels
    w.enter("1/3");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.widget);
        if (step.typed != nullptr) {
            w.line(step.widget)->setFocus();
            w.line(step.widget)->selectAll();
            w.type(step.typed);
        } else {
            w.click(step.widget);
        }
        EXPECT_EQ(w.text("lblRezultat_0"), q(step.result));
        EXPECT_EQ(w.colour(step.lit), kActive);
        EXPECT_EQ(w.colour(step.dark), kGrey);
        EXPECT_TRUE(w.spoken(step.lit).endsWith(q(" on"))) << w.spoken(step.lit).toStdString();
        EXPECT_TRUE(w.spoken(step.dark).endsWith(q(" off"))) << w.spoken(step.dark).toStdString();
    }
}

// The number-format frame opens over the keypad: the keys under it must not show through.
TEST(Settings, NumberFormatFrameHidesTheKeysUnderIt) {
    ShownWindow w;
    w.key(Qt::CTRL | Qt::Key_F);
    const QWidget* frame = w.find("frmNumber");
    QWidget* key = w.find("cmdNum_7");
    const QRect place(key->mapTo(&w.vescal, QPoint(0, 0)), key->size());
    ASSERT_TRUE(QRect(frame->mapTo(&w.vescal, QPoint(0, 0)), frame->size()).contains(place));
    const QImage withKey = w.vescal.grab(place).toImage();
    key->hide();
    EXPECT_EQ(w.vescal.grab(place).toImage(), withKey);
}

// The display as a screen reader walks it: its children in order, leaving out the indicators
// and the labels that show nothing.
QString readRows(ShownWindow& w) {
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(w.find("picRezultat"));
    QStringList items;
    for (int i = 0; i < display->childCount(); ++i) {
        QObject* child = display->child(i)->object();
        if (!child->objectName().startsWith(QStringLiteral("lblInfo")) &&
            !display->child(i)->text(QAccessible::Name).isEmpty()) {
            items << w.spoken(child);
        }
    }
    return items.join(QStringLiteral(" / "));
}

struct RowsCase {
    const char* name;
    std::vector<const char*> lines;
    const char* expected; // the spoken rows, joined by " / "
    const char* told;     // what the input line's description says after the last line
};

class AccessibleDisplay : public ::testing::TestWithParam<RowsCase> {};

// The rows read in order with their meanings; and the input line, which keeps the focus, says in
// its description what the display now tells, which a screen reader gives when asked where it is
// or when the focus comes back to the line.
TEST_P(AccessibleDisplay, ReadsEveryRowWithItsMeaningInReadingOrder) {
    ShownWindow w;
    for (const char* line : GetParam().lines) {
        w.enter(line);
    }
    EXPECT_EQ(readRows(w), q(GetParam().expected));
    EXPECT_EQ(w.line()->accessibleDescription(), q(GetParam().told));
}

// The meanings change with the kind of result shown, and change back after a table to those of
// ordinary lines.
const RowsCase kRows[] = {
    {"SquareEquation",
     {"x^2-3x+2"},
     "x^2 - 3x + 2 = 0 | Square equation input line / x1 = / 2 | First root x1 / x2 = / "
     "1 | Second root x2",
     "x1 = 2, x2 = 1"},
    {"Statistics",
     {"sum(2+4+6)"},
     ":sum(2+4+6) | Statistics input line / n = 3 | Number of data values n / "
     "12 | Sum of the data / s = / 2 | Standard deviation s of the data / Mean = / "
     "4 | Mean of the data",
     "n = 3, Sum of the data 12, s = 2, Mean = 4"},
    {"LineAfterATable",
     {"sum(2+4+6)", "2+3"},
     ":sum(2+4+6) | Previous input line / 12 | Previous result / 2+3 | Current input line / "
     "5 | Current result",
     "5"},
};

INSTANTIATE_TEST_SUITE_P(Results, AccessibleDisplay, ::testing::ValuesIn(kRows), byName);

// A hint shows over the previous-line rows without taking the focus, is told with the result
// by the input line's description, and goes away with the next line or a click on it.
TEST(HintStrip, ShowsUntilTheNextLine) {
    ShownWindow w;
    w.enter("CuSO4*5H2O");
    auto* strip = w.find<QLabel>("hintStrip");
    const QString hint =
        q("CuSO4*5H2O multiplies two molar masses; the hydrate CuSO4\u00B75H2O is 249.69");
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(w.spoken(strip), hint + q(" | Hint"));
    EXPECT_EQ(w.line()->accessibleDescription(), q("14377.05817344. Hint: ") + hint);
    EXPECT_TRUE(w.line()->hasFocus());
    w.enter("H2O");
    EXPECT_FALSE(strip->isVisible());
    EXPECT_EQ(w.line()->accessibleDescription(), q("18.0153"));
    w.enter("co");
    EXPECT_TRUE(strip->isVisible());
    w.click("hintStrip");
    EXPECT_FALSE(strip->isVisible());
    EXPECT_TRUE(w.line()->hasFocus());
}

// Whether the other indicators are on is checked with the settings; the memory tells its value.
TEST(AccessibleIndicators, MemorySaysWhatItHolds) {
    ShownWindow w;
    w.enter("5/2");
    EXPECT_EQ(w.spoken("lblInfo_3"), q("MEM | Memory empty"));
    w.key(Qt::Key_F6);
    EXPECT_EQ(w.spoken("lblInfo_3"), q("MEM | Memory holds 2.5"));
}

// Whether the desktop's theme is dark when the window opens, and when its controls are checked:
// the two differ when the desktop changes its theme while the window is open. A dark theme's
// palette has light text on a dark window; the light one is Qt's default.
class ShownControls : public ::testing::TestWithParam<std::tuple<bool, bool>> {
protected:
    void SetUp() override { setDark(std::get<0>(GetParam())); }
    void TearDown() override { QApplication::setPalette(m_saved); }
    void setDark(bool dark) {
        QApplication::setPalette(dark ? QPalette(QColor(60, 60, 64), QColor(45, 45, 48)) : m_saved);
    }

    const QPalette m_saved = QApplication::palette();
};

// Every control a user can work is announced by a word, whatever its caption shows ("=", an
// empty text box, a scroll arrow). With the design's fixed colours, every text the window shows
// keeps the contrast of body text against what it is drawn on.
TEST_P(ShownControls, AreNamedAndTheirTextsReadAgainstTheirBackgrounds) {
    ShownWindow w;
    w.enter("5/2");
    w.key(Qt::Key_F8);           // the angle options change colour
    w.key(Qt::Key_F9);           // the side panels
    w.key(Qt::CTRL | Qt::Key_F); // the number-format frame
    if (const auto [darkAtStart, darkWhenChecked] = GetParam(); darkWhenChecked != darkAtStart) {
        setDark(darkWhenChecked);
        // The change reaches the widgets as posted events, and the window fits its colours after.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    int named = 0;
    int checked = 0;
    for (QWidget* widget : w.vescal.findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        if (widget->inherits("QAbstractButton") || widget->inherits("QLineEdit") ||
            widget->inherits("QComboBox") || widget->inherits("QAbstractSlider")) {
            static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
            const QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
            EXPECT_TRUE(item->text(QAccessible::Name).contains(word))
                << widget->metaObject()->className() << " " << widget->objectName().toStdString()
                << " in " << widget->parent()->objectName().toStdString() << " has no name";
            ++named;
        }
        const QString text = widget->property("text").toString(); // labels, buttons, text boxes
        if (text.isEmpty() || !widget->isEnabled()) {
            continue;
        }
        const QPalette& palette = widget->palette();
        const QColor fore = palette.color(QPalette::Active, widget->foregroundRole());
        // An indicator whose setting is not in force is meant to fade into the paper.
        if (widget->objectName().startsWith(QStringLiteral("lblInfo")) && fore == kGrey) {
            continue;
        }
        const QColor back = palette.color(QPalette::Active, widget->backgroundRole());
        EXPECT_GE(contrastRatio(fore, back), 4.5)
            << widget->objectName().toStdString() << " \"" << text.toStdString() << "\" "
            << fore.name().toStdString() << " on " << back.name().toStdString();
        ++checked;
    }
    EXPECT_GE(named, 10);
    EXPECT_GE(checked, 10); // the display, the "=" key and the settings were all seen
}

// The rows: Light, Dark, SwitchedToDark, SwitchedToLight.
INSTANTIATE_TEST_SUITE_P(Themes, ShownControls,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             const bool dark = std::get<1>(info.param);
                             const bool switched = std::get<0>(info.param) != dark;
                             return std::string(switched ? "SwitchedTo" : "") +
                                    (dark ? "Dark" : "Light");
                         });

} // namespace
} // namespace zolvan::testing
