#include "engine/square_equation.h"
#include "engine/statistics.h"

#include "engine_test.h"

namespace zolvan {
namespace {

using Rows = std::vector<std::string>;

constexpr std::string_view kEarlier = "earlier result";

// `display` is the canonical text afterwards, `x1` and `x2` the result rows, `text` the
// ResultText: a fault text, or the earlier result when the solver ended normally.
struct SquareRow {
    const char* name;
    const char* line;
    const char* display;
    const char* x1;
    const char* x2;
    std::string_view text = kEarlier;
    char separator = '.';
};

class SquareEquationTest : public testing::TestWithParam<SquareRow> {};

TEST_P(SquareEquationTest, WritesTheEquationAndRootsOrNamesTheFault) {
    const SquareRow& row = GetParam();
    EngineState state;
    state.NormalizedLine = row.line;
    state.ResultText = kEarlier;
    state.CalcKind = 2;
    state.ResultRows = {"12", "4", "2"}; // left over from a statistics line
    state.DecimalSeparator = row.separator;
    solveSquareEquation(state);
    EXPECT_EQ(state.NormalizedLine, row.display);
    EXPECT_EQ(state.ResultRows, (Rows{row.x1, row.x2}));
    EXPECT_EQ(state.ResultText, row.text);
    EXPECT_EQ(state.CalcKind, row.text == kEarlier ? 2 : -1);
}

const SquareRow kSquares[] = {
    {"MinusXIsMinusOne", "X^2-X-2", "x^2 - x - 2 = 0", "2", "-1"},
    {"DecimalComma", "2X^2-1,5X", "2x^2 - 1,5x = 0", "0,75", "0", kEarlier, ','},
    {"CoefficientInsideBracket", "(2X^2-8)", "2x^2 - 8 = 0", "2", "-2"},
    {"SquareTermAlone", "X^2", "x^2 = 0", "0", "0"},
    {"PlusBeforeEveryTerm", "+X^2+.5X+0", "x^2 + 0.5x = 0", "0", "-0.5"},
    {"PlusMinusBeforeX", "X^2+-X+-2", "x^2 - x - 2 = 0", "2", "-1"},
    {"PlusBeforeExponentForm", "X^2+1E1X+2.5E1", "x^2 + 10x + 25 = 0", "-5", "-5"},
    {"NoSquareTermMeansZeroA", "2X+1", "2X+1", "Error: a = 0", ""},
    {"ZeroA", "0X^2+2X+1", "0x^2 + 2x + 1 = 0", "", "", fault::InvalidOperation},
    {"ProductBeforeSquare", "2*X^2+1", "2*X^2+1", "", "", fault::NotANumber},
    {"CoefficientBeyondRange", "1E400X^2+1", "1E400X^2+1", "", "", fault::Overflow},
    {"HugeDiscriminant", "1E200X^2+1E200X", "1E+200x^2 + 1E+200x = 0", "", "", fault::Overflow},
    {"HugeSecondRoot", "1E-300X^2+1E9X", "1E-300x^2 + 1000000000x = 0", "0", "", fault::Overflow},
};
INSTANTIATE_TEST_SUITE_P(Rows, SquareEquationTest, testing::ValuesIn(kSquares), test::kRowName);

// A statistics request as the normalizer hands it over, with 4 and 6 collected by ":dat"
// earlier and an earlier result on the display.
EngineState statisticsState(const std::string& line, char separator = '.') {
    EngineState state;
    state.NormalizedLine = line;
    state.ResultText = kEarlier;
    state.CalcKind = 1;
    state.ResultRows = {"x1", "x2"};
    state.DataValues = {0.0, 4.0, 6.0};
    state.DataCount = 2;
    state.DecimalSeparator = separator;
    return state;
}

// `series` is the data series afterwards (position 0 unused), `rows` the sum, mean and standard
// deviation; `after` is the line as rewritten (nullptr when it stays as it was).
struct StatisticsRow {
    const char* name;
    const char* line;
    std::vector<double> series;
    Rows rows;
    std::string_view text = kEarlier;
    const char* after = nullptr;
    char separator = '.';
};

class StatisticsTest : public testing::TestWithParam<StatisticsRow> {};

TEST_P(StatisticsTest, ComputesOrEndsWithAMessage) {
    const StatisticsRow& row = GetParam();
    EngineState state = statisticsState(row.line, row.separator);
    statisticsOfData(state);
    EXPECT_EQ(state.ResultRows, row.rows);
    EXPECT_EQ(state.DataValues, row.series);
    EXPECT_EQ(state.DataCount, static_cast<int>(row.series.size()) - 1);
    EXPECT_EQ(state.ResultText, row.text);
    EXPECT_EQ(state.NormalizedLine, row.after != nullptr ? row.after : row.line);
    // The deviation is written last: without it every exit is a message exit.
    EXPECT_EQ(state.CalcKind, row.rows[2].empty() ? -2 : 1);
}

const Rows kNoRows = {"", "", ""};

const StatisticsRow kRequests[] = {
    {"MinusAfterBracketIsSign", ":sum(-5+3)", {0, -5, 3}, {"-2", "-1", "5.65685424949238"}},
    {"ExponentSign", ":sum(1E-20+1E-20)", {0, 1e-20, 1e-20}, {"2E-20", "1E-20", "0"}},
    {"DecimalComma", ":sum(2,5+2,5)", {0, 2.5, 2.5}, {"5", "2,5", "0"}, kEarlier, nullptr, ','},
    // Values are shown as the plain number text writes them, whatever their typed form.
    {"ValuesWrittenAgain",
     ":sum(007+2.50+-0+.5+4E-2)",
     {0, 7, 2.5, 0, 0.5, 0.04},
     {"10.04", "2.008", "2.97242661810178"},
     kEarlier,
     ":sum(7+2.5+0+0.5+0.04)"},
    {"LettersInsideAValueAreLeftOut",
     ":sum(1a2+3)",
     {0, 12, 3},
     {"15", "7.5", "6.36396103067893"},
     kEarlier,
     ":sum(12+3)"},
    {"ProductAfterValues", ":sum(1+2*3)", {0}, kNoRows, msg::OnlyPlusDifferences},
    {"EmptyBrackets", ":sum(", {0, 4, 6}, kNoRows, msg::OnlyPlusSeparates},
    {"FiveCharactersWithPlusSayNothing", ":sum+", {0, 4, 6}, kNoRows},
    {"EmptyValue", ":sum(1++2)", {0, 1, 0}, kNoRows, fault::NotANumber},
    {"ValueBeyondRange", ":sum(1E999+2)", {0, 0}, kNoRows, fault::Overflow},
    {"SumBeyondRangeShowsTheValuesBefore",
     ":sum(1.5+1E308+1E308)",
     {0, 1.5, 1e308, 1e308},
     kNoRows,
     fault::Overflow,
     ":sum(1.5+1E+308"},
    {"DeviationBeyondRange",
     ":sum(1E308+-1E308)",
     {0, 1e308, -1e308},
     {"0", "0", ""},
     fault::Overflow,
     ":sum(1E+308+-1E+308)"},
};
INSTANTIATE_TEST_SUITE_P(Rows, StatisticsTest, testing::ValuesIn(kRequests), test::kRowName);

// Positions are 16-bit: a series of 32,765 characters is read, one of 32,767 is refused and
// leaves the stored series alone.
TEST(StatisticsLengthTest, LongestWalkableLine) {
    const std::string values = "1" + test::repeated("+1", 16379);
    EngineState state = statisticsState(":sum(" + values + ")");
    statisticsOfData(state);
    EXPECT_EQ(state.ResultRows, (Rows{"16380", "1", "0"}));
    state = statisticsState(":sum(" + values + "+1)");
    statisticsOfData(state);
    EXPECT_EQ(state.ResultText, fault::LineTooLong);
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0, 4, 6}));
}

} // namespace
} // namespace zolvan
