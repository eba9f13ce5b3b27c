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

// A statistics request as the normalizer hands it over, with 4 and 6 collected by ":dat"
// earlier and an earlier result on the display.
EngineState statisticsState(const std::string& line, char separator = '.') {
    EngineState state;
    state.NormalizedLine = line;
    state.DecimalSeparator = separator;
    state.CalcKind = 1;
    state.ResultText = "earlier result";
    state.ResultRows = {"x1", "x2"};
    state.DataValues = {0.0, 4.0, 6.0};
    state.DataCount = 2;
    return state;
}

void request(EngineState& state, const std::string& line) {
    state.NormalizedLine = line;
    state.CalcKind = 1;
    statisticsOfData(state);
}

struct ComputedRow {
    const char* name;
    const char* line;
    char separator;
    const char* lineAfter;
    int count;
    Rows rows; // sum, mean, standard deviation
};

std::string computedName(const testing::TestParamInfo<ComputedRow>& info) {
    return info.param.name;
}

class TypedSeriesTest : public testing::TestWithParam<ComputedRow> {};

TEST_P(TypedSeriesTest, ReplacesTheSeriesAndComputes) {
    const ComputedRow& row = GetParam();
    EngineState state = statisticsState(row.line, row.separator);

    statisticsOfData(state);

    EXPECT_EQ(state.ResultRows, row.rows);
    EXPECT_EQ(state.DataCount, row.count);
    EXPECT_EQ(state.DataValues.size(), static_cast<std::size_t>(row.count) + 1);
    EXPECT_EQ(state.NormalizedLine, row.lineAfter);
    EXPECT_EQ(state.CalcKind, 1);
    EXPECT_EQ(state.ResultText, "earlier result");
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, TypedSeriesTest,
    testing::Values(
        // clang-format off
        ComputedRow{"ThreeValues", ":sum(2+4+6)", '.', ":sum(2+4+6)", 3, {"12", "4", "2"}},
        ComputedRow{"MinusSeparatesValues", ":sum(5-3)", '.', ":sum(5+-3)", 2, {"2", "1", "5.65685424949238"}},
        ComputedRow{"MinusAfterPlusIsSign", ":sum(5+-3)", '.', ":sum(5+-3)", 2, {"2", "1", "5.65685424949238"}},
        ComputedRow{"MinusAfterBracketIsSign", ":sum(-5+3)", '.', ":sum(-5+3)", 2, {"-2", "-1", "5.65685424949238"}},
        ComputedRow{"ExponentSign", ":sum(1E-5+2)", '.', ":sum(0.00001+2)", 2, {"2.00001", "1.000005", "1.41420649130528"}},
        ComputedRow{"ExponentSignThenSeparator", ":sum(2E-1-2E-1)", '.', ":sum(0.2+-0.2)", 2, {"0", "0", "0.282842712474619"}},
        ComputedRow{"ValuesRewrittenAsRead", ":sum(1.50+2.50)", '.', ":sum(1.5+2.5)", 2, {"4", "2", "0.707106781186548"}},
        ComputedRow{"DecimalsComma", ":sum(1,50+2,50)", ',', ":sum(1,5+2,5)", 2, {"4", "2", "0,707106781186548"}},
        ComputedRow{"MeanWithComma", ":sum(1+2)", ',', ":sum(1+2)", 2, {"3", "1,5", "0,707106781186548"}},
        ComputedRow{"EqualValues", ":sum(3+3+3)", '.', ":sum(3+3+3)", 3, {"9", "3", "0"}}
        // clang-format on
        ),
    computedName);

struct MessageRow {
    const char* name;
    const char* line;
    std::string_view text;
    const char* lineAfter;
    Series series;
    Rows rows = {"", "", ""};
};

std::string messageName(const testing::TestParamInfo<MessageRow>& info) {
    return info.param.name;
}

class StatisticsMessageTest : public testing::TestWithParam<MessageRow> {};

TEST_P(StatisticsMessageTest, EndsWithoutStatistics) {
    const MessageRow& row = GetParam();
    EngineState state = statisticsState(row.line);

    statisticsOfData(state);

    EXPECT_EQ(state.ResultText, row.text);
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.DataValues, row.series);
    EXPECT_EQ(state.DataCount, static_cast<int>(row.series.size()) - 1);
    EXPECT_EQ(state.NormalizedLine, row.lineAfter);
    EXPECT_EQ(state.ResultRows, row.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, StatisticsMessageTest,
    testing::Values(
        // clang-format off
        MessageRow{"SingleValue", ":sum(7)", msg::NoDataForCalculate, ":sum(7)", {0, 7}},
        MessageRow{"Product", ":sum(2*3)", msg::OnlyPlusDifferences, ":sum(2*3)", {0}},
        MessageRow{"Quotient", ":sum(2/3)", msg::OnlyPlusDifferences, ":sum(2/3)", {0}},
        MessageRow{"Percent", ":sum(2%3)", msg::OnlyPlusDifferences, ":sum(2%3)", {0}},
        MessageRow{"Power", ":sum(2^3)", msg::OnlyPlusDifferences, ":sum(2^3)", {0}},
        MessageRow{"ProductAfterValues", ":sum(1+2*3)", msg::OnlyPlusDifferences, ":sum(1+2*3)", {0}},
        MessageRow{"EmptyBrackets", ":sum(", msg::OnlyPlusSeparates, ":sum(", {0, 4, 6}},
        MessageRow{"ClearSeries", ":sum0", "0", ":sum0", {0}},
        MessageRow{"FiveCharactersWithPlusSayNothing", ":sum+", "earlier result", ":sum+", {0, 4, 6}},
        MessageRow{"EmptyValue", ":sum(1++2)", fault::NotANumber, ":sum(1++2)", {0, 1, 0}},
        MessageRow{"TrailingPlus", ":sum(1+2+)", fault::NotANumber, ":sum(1+2+)", {0, 1, 2, 0}},
        MessageRow{"StrayCharacter", ":sum(1+#)", fault::NotANumber, ":sum(1+#)", {0, 1, 0}},
        MessageRow{"ValueBeyondRange", ":sum(1E999+2)", fault::Overflow, ":sum(1E999+2)", {0, 0}},
        MessageRow{"SumBeyondRange", ":sum(1E308+1E308)", fault::Overflow, ":sum(1E+308", {0, 1e308, 1e308}},
        MessageRow{"DeviationBeyondRange", ":sum(1E308+-1E308)", fault::Overflow, ":sum(1E+308+-1E+308)",
                   {0, 1e308, -1e308}, {"0", "0", ""}} // clang-format on
        ),
    messageName);

TEST(StatisticsTest, CollectedSeriesThenClear) {
    EngineState state = statisticsState(":sum");

    statisticsOfData(state);
    EXPECT_EQ(state.ResultRows, (Rows{"10", "5", "1.4142135623731"}));
    EXPECT_EQ(state.NormalizedLine, ":sum(4+6)");
    EXPECT_EQ(state.CalcKind, 1);
    EXPECT_EQ(state.DataValues, (Series{0, 4, 6}));

    request(state, ":sum0");
    EXPECT_EQ(state.ResultText, "0");
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.DataCount, 0);
    EXPECT_EQ(state.DataValues, (Series{0}));

    request(state, ":sum");
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.ResultText, "0");
    EXPECT_EQ(state.NormalizedLine, ":sum");
}

TEST(StatisticsTest, TokenAloneRepeatsTheTypedSeries) {
    EngineState state = statisticsState(":sum(2+4+6)");
    statisticsOfData(state);

    request(state, ":sum");

    EXPECT_EQ(state.ResultRows, (Rows{"12", "4", "2"}));
    EXPECT_EQ(state.DataCount, 3);
    EXPECT_EQ(state.CalcKind, 1);
}

TEST(StatisticsTest, RejectedSeriesLeavesNothingToRepeat) {
    EngineState state = statisticsState(":sum(2*3)");
    statisticsOfData(state);

    request(state, ":sum");

    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.ResultText, msg::OnlyPlusDifferences);
    EXPECT_EQ(state.DataCount, 0);
}

TEST(StatisticsTest, TokenAloneWithEmptySeriesChangesNoResult) {
    EngineState state = statisticsState(":sum");
    state.DataValues = {0};
    state.DataCount = 0;

    statisticsOfData(state);

    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.ResultText, "earlier result");
    EXPECT_EQ(state.NormalizedLine, ":sum");
}

// ":sum(1+1+...+1)" with the given number of values.
std::string seriesOfOnes(int values) {
    std::string line = ":sum(";
    for (int i = 1; i < values; ++i) {
        line += "1+";
    }
    line += "1)";
    return line;
}

TEST(StatisticsTest, LongestWalkableLine) {
    const std::string line = seriesOfOnes(16380);
    ASSERT_EQ(line.size(), kMaxLineLength - 2);
    EngineState state = statisticsState(line);

    statisticsOfData(state);

    EXPECT_EQ(state.ResultRows, (Rows{"16380", "1", "0"}));
    EXPECT_EQ(state.DataCount, 16380);
    EXPECT_EQ(state.NormalizedLine, line);
}

TEST(StatisticsTest, OverlongLineKeepsTheStoredSeries) {
    const std::string line = seriesOfOnes(16381);
    ASSERT_EQ(line.size(), kMaxLineLength);
    EngineState state = statisticsState(line);

    statisticsOfData(state);

    EXPECT_EQ(state.ResultText, fault::LineTooLong);
    EXPECT_EQ(state.CalcKind, -2);
    EXPECT_EQ(state.DataValues, (Series{0, 4, 6}));
}

} // namespace
} // namespace zolvan
