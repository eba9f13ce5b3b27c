#include "engine/arithmetic.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolvan {
namespace {

struct Row {
    const char* text;
    // A number (written with ".") stands for the value in the final pattern; else the message.
    const char* expected;
    char separator = '.';
    std::int16_t angleUnit = 0;
    bool grouping = false;
};

constexpr Row kRows[] = {
    {"", ""},
    {"-7.5", "-7.5"},
    // the documented orders of reduction
    {"-2^2", "4"},
    {":sin30^2", "0.25", '.', 1},
    {"8/2*4", "16"},
    {"6*2/3", "4"},
    {"2^3^2", "64"},
    {"200%15", "30"},
    {"2+3*4", "14"},
    {"2*(3+(4*5))", "46"},
    {"1E+20+1E+20+1E+20", "3E+20"},
    {"0.1+0.2", "0.3"},
    {":sqrt(4*4)+1", "5"},
    {"-8^:sqrt4", "64"},
    {"1,5+1", "2.5", ','},
    {"1.000,5+1", "1001.5", ',', 0, true},
    // brackets: the first ")" decides which message comes first
    {"(2+3", "Missing right bracket ')' !"},
    {"2+3)", "Missing left bracket '(' !"},
    {")2(", "Missing right bracket ')' !"},
    {"(1))", "Missing left bracket '(' !"},
    {"(2/0", "Missing right bracket ')' !"},
    {"(2/0))", "Cannot divide by zero!"},
    // operators
    {"2/(1+-1)", "Cannot divide by zero!"},
    {"-8^0,5", "Root of a negative number!", ','},
    {"-8^:sqrt2", "Root of a negative number!"},
    {"*2", "Syntax error!"},
    {"10+50%", "Syntax error!"},
    {"()", "Syntax error!"},
    // messages of function operands, the leftmost first
    {"2+:xyz5", "Syntax error!"},
    {"171!*2", "Result is too large!"},
    {"1+:tan90", "<Infinite number>", '.', 1},
    {"2+*:ln0", "Logarithm of a zero!"},
    {":ln0+:log-1", "Logarithm of a zero!"},
    // faults of the arithmetic itself
    {"2*x", "Error: Not a number"},
    {"1,5+1", "Error: Not a number"},
    {"1E+200*1E+200", "Error: Overflow"},
    {"0^-1", "Error: Overflow"},
    {"1E+999+1", "Error: Overflow"},
    {"-8^1E-1", "Error: Invalid operation"},
};

TEST(ArithmeticTest, GivesValueInFinalPatternOrMessage) {
    for (const Row& row : kRows) {
        EngineState state;
        state.DecimalSeparator = row.separator;
        state.AngleUnit = row.angleUnit;
        state.ThousandsSeparator = row.grouping;
        const std::optional<double> value = readNumber(row.expected, '.');
        const std::string expected = value ? evaluatorText(*value, row.separator) : row.expected;
        EXPECT_EQ(evaluateArithmetic(state, row.text), expected) << row.text;
    }
}

TEST(ArithmeticTest, DataEntriesAppendLeftToRightUntilAMessage) {
    EngineState state;
    state.ResultText = "kept";
    EXPECT_EQ(evaluateArithmetic(state, ":dat5+:dat7+:datx"), msg::NoValidData);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0, 7.0}));
    EXPECT_EQ(state.ResultText, "kept");
}

std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

// Long lines of every shape reduce to the right value (their speed is measured in bench/).
TEST(ArithmeticTest, LongLinesReduceToTheirValue) {
    const std::pair<std::string, double> lines[] = {
        {"1" + repeated("+1", 16383), 16384},
        {"2*3" + repeated("+2*3", 4095), 24576},
        {std::string(16383, '(') + "1" + std::string(16383, ')'), 1},
        {repeated("(1+", 8000) + "1" + std::string(8000, ')'), 8001},
        {"0" + repeated("+(1)", 8000), 8000},
    };
    for (const auto& [text, value] : lines) {
        EngineState state;
        EXPECT_EQ(evaluateArithmetic(state, text), evaluatorText(value, '.')) << text.size();
    }
}

} // namespace
} // namespace zolvan
