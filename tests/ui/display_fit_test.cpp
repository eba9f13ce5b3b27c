// Values wider than the display stay whole and legible: drawn smaller, then elided in the middle,
// with the full value in the tooltip; what is inserted from the display is always the full value.

#include "window_fixture.h"

#include "ui/fitting_label.h"

#include <optional>

namespace zolvan::testing {
namespace {

struct FitCase {
    const char* name;
    const char* line;
    bool fixedWithSeparators;   // fixed display mode with the 1000 separator
    std::optional<bool> shrunk; // nullopt: depends on the screen's fonts, either is right
    bool elided;
};

class DisplayFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(DisplayFit, WideValuesShrinkThenElideWithTheFullValueAtHand) {
    const FitCase& c = GetParam();
    ShownWindow w;
    if (c.fixedWithSeparators) {
        w.key(Qt::Key_F5);
        w.key(Qt::Key_F5);
        w.key(Qt::CTRL | Qt::Key_F);
        w.click("chkTisuca");
        w.line()->setFocus();
    }
    w.enter(c.line);
    auto* value = w.find<FittingLabel>("lblRezultat_0");
    const FittedText fit = value->fitted();
    if (c.shrunk) {
        EXPECT_EQ(fit.shrunk, *c.shrunk);
    }
    EXPECT_EQ(fit.elided, c.elided);
    EXPECT_FALSE(value->text().contains(QChar(0x2026))) << "the label keeps the full value";
    EXPECT_LE(QFontMetrics(fit.font).horizontalAdvance(fit.shown), value->contentsRect().width());
    EXPECT_GE(fit.font.pointSizeF(), 7.0) << "shrunk below a readable size";
    EXPECT_EQ(value->toolTip(), fit.shrunk ? value->text() : QString());

    const QString full = value->text();
    w.enter("1");
    w.key(Qt::Key_F3);
    EXPECT_EQ(w.line()->text(), full) << "F3 inserts the whole previous value";
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayFit,
    ::testing::Values(FitCase{"Fits", "2h2o", false, false, false},
                      FitCase{"HugeExponent", "-(2^1000)", false, std::nullopt, false},
                      FitCase{"FactorialWithSeparators", "170!", true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan::testing
