#include "engine/arithmetic.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

struct ValueRow {
    const char* name;
    const char* text;
    double expected;
    char separator = '.';
    std::int16_t angleUnit = 0;
    bool grouping = false;
};

struct MessageRow {
    const char* name;
    const char* text;
    const char* expected;
    char separator = '.';
    std::int16_t angleUnit = 0;
};

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

EngineState stateFor(char separator, std::int16_t angleUnit, bool grouping = false) {
    EngineState state;
    state.DecimalSeparator = separator;
    state.AngleUnit = angleUnit;
    state.ThousandsSeparator = grouping;
    return state;
}

class ArithmeticValueTest : public testing::TestWithParam<ValueRow> {};

// The result is the value in the evaluator's final pattern, written with the row's separator.
TEST_P(ArithmeticValueTest, GivesValueInFinalPattern) {
    const ValueRow& row = GetParam();
    EngineState state = stateFor(row.separator, row.angleUnit, row.grouping);
    EXPECT_EQ(evaluateArithmetic(state, row.text), evaluatorText(row.expected, row.separator));
}

INSTANTIATE_TEST_SUITE_P(
    Reductions, ArithmeticValueTest,
    testing::Values(
        ValueRow{"Sum", "2+3", 5}, ValueRow{"BracketThenProduct", "(2+3)*4", 20},
        ValueRow{"DoubleBrackets", "((2))", 2}, ValueRow{"LoneNumber", "7", 7},
        ValueRow{"LoneNegativeNumber", "-7.5", -7.5}, ValueRow{"DivisionByFraction", "2/0.5", 4},
        ValueRow{"NegativeBaseWholePower", "-8^2", 64},
        ValueRow{"SignBindsTighterThanPower", "-2^2", 4},
        ValueRow{"ExponentPlusIsNoOperator", "1E+20+1E+20", 2e20},
        ValueRow{"WrittenBackExponentKeepsItsPlus", "1E+20+1E+20+1E+20", 3e20},
        ValueRow{"SmallExponent", "2.5E-07*2", 5e-7}, ValueRow{"PercentOf", "50%10", 5},
        ValueRow{"PercentAfterProduct", "200%15", 30},
        ValueRow{"DivisionsBeforeProducts", "8/2*4", 16},
        ValueRow{"ProductAfterDivision", "6*2/3", 4}, ValueRow{"PowersLeftToRight", "2^3^2", 64},
        ValueRow{"DivisionsLeftToRight", "10/4/5", 0.5}, ValueRow{"ProductBeforeSum", "2+3*4", 14},
        ValueRow{"TwoProducts", "2*3+4*5", 26}, ValueRow{"SubtractionAsNegativeSum", "2+-3", -1},
        ValueRow{"NegatedBracket", "-1*(2+3)", -5}, ValueRow{"NestedBrackets", "2*(3+(4*5))", 46},
        ValueRow{"SiblingBrackets", "(1+2)*(3+4)", 21}, ValueRow{"EmptyBracketsVanish", "()2", 2},
        ValueRow{"IntermediateRoundedToFifteenDigits", "0.1+0.2", 0.3},
        ValueRow{"SquareRootByPower", "2^0.5", 1.4142135623731},
        ValueRow{"NegativePower", "2^-2", 0.25},
        ValueRow{"MolecularWeight", "2*(1.00794*2+15.9994)+(22.98977+35.4527)", 94.47303}),
    rowName<ValueRow>);

INSTANTIATE_TEST_SUITE_P(
    Separators, ArithmeticValueTest,
    testing::Values(ValueRow{"CommaSum", "1,5+1", 2.5, ','},
                    ValueRow{"CommaDivision", "2/0,5", 4, ','},
                    ValueRow{"CommaPower", "2^0,5", 1.4142135623731, ','},
                    ValueRow{"CommaFunction", ":sqrt6,25*2", 5, ','},
                    ValueRow{"GroupedThousands", "1,000+1", 1001, '.', 0, true},
                    ValueRow{"GroupedWithComma", "1.000,5+1", 1001.5, ',', 0, true}),
    rowName<ValueRow>);

INSTANTIATE_TEST_SUITE_P(
    FunctionOperands, ArithmeticValueTest,
    testing::Values(ValueRow{"LoneFunction", ":sin30", 0.5, '.', 1},
                    ValueRow{"FunctionAppliesBeforePower", ":sin30^2", 0.25, '.', 1},
                    ValueRow{"FunctionInBracket", "(:sin90)", 1, '.', 1},
                    ValueRow{"FunctionBeforeBracket", ":sqrt(4*4)+1", 5},
                    ValueRow{"FunctionRightOperand", "2*:cos180", -2, '.', 1},
                    ValueRow{"Chain", ":sin:cos90+1", 1, '.', 1},
                    ValueRow{"GradsFunction", "2*:sin100", 2, '.', 2},
                    ValueRow{"Factorial", "5!", 120}, ValueRow{"FactorialInBracket", "(5!)", 120},
                    ValueRow{"FactorialSquared", "3!^2", 36},
                    ValueRow{"FactorialExponent", "2^3!", 64},
                    ValueRow{"FunctionExponentWithoutSeparator", "-8^:sqrt4", 64}),
    rowName<ValueRow>);

class ArithmeticMessageTest : public testing::TestWithParam<MessageRow> {};

TEST_P(ArithmeticMessageTest, GivesMessage) {
    const MessageRow& row = GetParam();
    EngineState state = stateFor(row.separator, row.angleUnit);
    EXPECT_EQ(evaluateArithmetic(state, row.text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, ArithmeticMessageTest,
    testing::Values(
        MessageRow{"OpenWithoutClose", "(2+3", "Missing right bracket ')' !"},
        MessageRow{"CloseWithoutOpen", "2+3)", "Missing left bracket '(' !"},
        MessageRow{"CrossedBrackets", ")2(", "Missing right bracket ')' !"},
        MessageRow{"CrossedAfterPair", "(1))(", "Missing right bracket ')' !"},
        MessageRow{"ExtraCloseAfterPair", "(1))", "Missing left bracket '(' !"},
        MessageRow{"NestedOpenLeft", "((1)", "Missing right bracket ')' !"},
        MessageRow{"MissingCloseFoundBeforeDivision", "(2/0", "Missing right bracket ')' !"},
        MessageRow{"DivisionInFirstPairComesFirst", "(2/0))", "Cannot divide by zero!"}),
    rowName<MessageRow>);

INSTANTIATE_TEST_SUITE_P(
    Operators, ArithmeticMessageTest,
    testing::Values(MessageRow{"DivideByZero", "2/0", "Cannot divide by zero!"},
                    MessageRow{"DivideByZeroBracket", "2/(1+-1)", "Cannot divide by zero!"},
                    MessageRow{"RootOfNegative", "-8^0.5", "Root of a negative number!"},
                    MessageRow{"RootOfNegativeComma", "-8^0,5", "Root of a negative number!", ','},
                    MessageRow{"FunctionExponentWithSeparator", "-8^:sqrt2",
                               "Root of a negative number!"},
                    MessageRow{"TrailingOperator", "2*", "Syntax error!"},
                    MessageRow{"LeadingOperator", "*2", "Syntax error!"},
                    MessageRow{"PercentAtBracketEnd", "10+50%", "Syntax error!"},
                    MessageRow{"DoubledOperator", "2**3", "Syntax error!"},
                    MessageRow{"OperatorAtBracketStart", "(*2)", "Syntax error!"},
                    MessageRow{"OnlyEmptyBrackets", "()", "Syntax error!"}),
    rowName<MessageRow>);

INSTANTIATE_TEST_SUITE_P(
    FunctionMessages, ArithmeticMessageTest,
    testing::Values(MessageRow{"UnknownFunction", "2+:xyz5", "Syntax error!"},
                    MessageRow{"RootInFunction", ":sqrt-4+1", "Root of a negative number!"},
                    MessageRow{"FactorialTooLarge", "171!*2", "Result is too large!"},
                    MessageRow{"NegativeFactorial", "2+-1!", "Error - negative number!"},
                    MessageRow{"InfiniteTangent", "1+:tan90", "<Infinite number>", '.', 1},
                    MessageRow{"FunctionMessageBeforeEmptyOperand", "2+*:ln0",
                               "Logarithm of a zero!"},
                    MessageRow{"LeftFunctionFirst", ":ln0+:log-1", "Logarithm of a zero!"}),
    rowName<MessageRow>);

INSTANTIATE_TEST_SUITE_P(
    Faults, ArithmeticMessageTest,
    testing::Values(MessageRow{"LetterOperand", "2*x", "Error: Not a number"},
                    MessageRow{"LoneLetters", "abc", "Error: Not a number"},
                    MessageRow{"WrongSeparator", "1,5+1", "Error: Not a number"},
                    MessageRow{"ProductOverflows", "1E+200*1E+200", "Error: Overflow"},
                    MessageRow{"SumOverflows", "1.7E+308+1.7E+308", "Error: Overflow"},
                    MessageRow{"PowerOverflows", "2^1024", "Error: Overflow"},
                    MessageRow{"ZeroToNegativePower", "0^-1", "Error: Overflow"},
                    MessageRow{"OperandBeyondDouble", "1E+999+1", "Error: Overflow"},
                    MessageRow{"NegativeBaseFractionalExponentWithoutSeparator", "-8^1E-1",
                               "Error: Invalid operation"},
                    MessageRow{"FunctionFault", "2*:alog400", "Error: Overflow"}),
    rowName<MessageRow>);

TEST(ArithmeticTest, EmptyTextGivesEmptyResult) {
    EngineState state;
    EXPECT_EQ(evaluateArithmetic(state, ""), "");
}

TEST(ArithmeticTest, DataEntriesAreAppendedLeftToRight) {
    EngineState state;
    EXPECT_EQ(evaluateArithmetic(state, ":dat5+:dat7"), evaluatorText(12, '.'));
    EXPECT_EQ(state.DataCount, 2);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0, 7.0}));
}

TEST(ArithmeticTest, InvalidDataEntryEndsEvaluation) {
    EngineState state;
    EXPECT_EQ(evaluateArithmetic(state, ":dat5+:datx"), msg::NoValidData);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0}));
}

TEST(ArithmeticTest, LeavesOtherStateAlone) {
    EngineState state;
    state.AnsText = "keep";
    state.ResultText = "keep";
    evaluateArithmetic(state, "(2+3)*:sin30");
    EXPECT_EQ(state.AnsText, "keep");
    EXPECT_EQ(state.ResultText, "keep");
    EXPECT_EQ(state.DataCount, 0);
}

std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

struct LongRow {
    const char* name;
    std::string text;
    double expected;
};

// Long lines of every shape reduce to the right value (their speed is measured in bench/).
class ArithmeticLongLineTest : public testing::TestWithParam<LongRow> {};

TEST_P(ArithmeticLongLineTest, ReducesToTheValue) {
    EngineState state;
    EXPECT_EQ(evaluateArithmetic(state, GetParam().text), evaluatorText(GetParam().expected, '.'));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ArithmeticLongLineTest,
    testing::Values(LongRow{"LongSum", "1" + repeated("+1", 16383), 16384},
                    LongRow{"LongProductsAndSums", "2*3" + repeated("+2*3", 4095), 24576},
                    LongRow{"DeepBrackets", repeated("(", 16383) + "1" + repeated(")", 16383), 1},
                    LongRow{"ChainedBrackets", repeated("(1+", 8000) + "1" + repeated(")", 8000),
                            8001},
                    LongRow{"ManyPairs", "0" + repeated("+(1)", 8000), 8000}),
    rowName<LongRow>);

} // namespace
} // namespace zolvan
