#include "engine/statistics.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using Rows = std::vector<std::string>;
using Series = std::vector<double>;

constexpr std::string_view kEarlier = "earlier result";
const Rows kNoRows = {"", "", ""};

// A statistics request as the normalizer hands it over, with 4 and 6 collected by ":dat"
// earlier and an earlier result on the display.
EngineState statisticsState(const std::string& line, char separator = '.') {
    EngineState state;
    state.NormalizedLine = line;
    state.DecimalSeparator = separator;
    state.CalcKind = 1;
    state.ResultText = kEarlier;
    state.ResultRows = {"x1", "x2"};
    state.DataValues = {0.0, 4.0, 6.0};
    state.DataCount = 2;
    return state;
}

// `series` is the data series afterwards (position 0 unused), `rows` the sum, mean and standard
// deviation; `after` is the line as rewritten (nullptr when it stays as it was).
struct StatisticsRow {
    const char* name;
    const char* line;
    Series series;
    Rows rows;
    char separator = '.';
    std::string_view text = kEarlier;
    const char* after = nullptr;
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

const StatisticsRow kRows[] = {
    {"MinusAfterPlusIsSign", ":sum(5+-3)", {0, 5, -3}, {"2", "1", "5.65685424949238"}},
    {"MinusAfterBracketIsSign", ":sum(-5+3)", {0, -5, 3}, {"-2", "-1", "5.65685424949238"}},
    {"ExponentSign", ":sum(1E-20+1E-20)", {0, 1e-20, 1e-20}, {"2E-20", "1E-20", "0"}},
    {"DecimalComma", ":sum(1,5+2,5)", {0, 1.5, 2.5}, {"4", "2", "0,707106781186548"}, ','},
    {"SingleValue", ":sum(7)", {0, 7}, kNoRows, '.', msg::NoDataForCalculate},
    {"ProductAfterValues", ":sum(1+2*3)", {0}, kNoRows, '.', msg::OnlyPlusDifferences},
    {"Power", ":sum(2^3)", {0}, kNoRows, '.', msg::OnlyPlusDifferences},
    {"EmptyBrackets", ":sum(", {0, 4, 6}, kNoRows, '.', msg::OnlyPlusSeparates},
    {"ClearSeries", ":sum0", {0}, kNoRows, '.', "0"},
    {"FiveCharactersWithPlusSayNothing", ":sum+", {0, 4, 6}, kNoRows},
    {"EmptyValue", ":sum(1++2)", {0, 1, 0}, kNoRows, '.', fault::NotANumber},
    {"ValueBeyondRange", ":sum(1E999+2)", {0, 0}, kNoRows, '.', fault::Overflow},
    {"DeviationBeyondRange",
     ":sum(1E308+-1E308)",
     {0, 1e308, -1e308},
     {"0", "0", ""},
     '.',
     fault::Overflow,
     ":sum(1E+308+-1E+308)"},
};

INSTANTIATE_TEST_SUITE_P(Requests, StatisticsTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Positions are 16-bit: a series of 32,765 characters is read, one of 32,767 is refused and
// leaves the stored series alone.
TEST(StatisticsLengthTest, LongestWalkableLine) {
    std::string values = "1";
    for (int i = 1; i < 16380; ++i) {
        values += "+1";
    }
    EngineState state = statisticsState(":sum(" + values + ")");
    statisticsOfData(state);
    EXPECT_EQ(state.ResultRows, (Rows{"16380", "1", "0"}));
    state = statisticsState(":sum(" + values + "+1)");
    statisticsOfData(state);
    EXPECT_EQ(state.ResultText, fault::LineTooLong);
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.DataValues, (Series{0, 4, 6}));
}

} // namespace
} // namespace zolvan
