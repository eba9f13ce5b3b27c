#include "engine/functions.h"

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zolvan {
namespace {

constexpr std::int16_t R = 0; // radians
constexpr std::int16_t D = 1; // degrees
constexpr std::int16_t G = 2; // grads

struct Row {
    const char* name;
    const char* operand;
    std::int16_t unit;
    // A number is compared as the engine writes it (15 significant digits, "." separator), so
    // a special angle must give exactly 0 or 1, not a rounding residue such as 1.2E-16.
    const char* expected;
    char separator = '.';
};

std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// The value as text, or the message as it stands.
std::string evaluated(const Row& row) {
    EngineState state;
    state.AngleUnit = row.unit;
    state.DecimalSeparator = row.separator;
    const FunctionValue value = evaluateFunction(state, row.operand);
    if (const double* number = std::get_if<double>(&value)) {
        return numberText(*number, '.');
    }
    return std::get<std::string>(value);
}

class FunctionValueTest : public testing::TestWithParam<Row> {};

TEST_P(FunctionValueTest, GivesNumber) {
    EngineState state;
    state.AngleUnit = GetParam().unit;
    state.DecimalSeparator = GetParam().separator;
    const FunctionValue value = evaluateFunction(state, GetParam().operand);
    ASSERT_TRUE(std::holds_alternative<double>(value)) << std::get<std::string>(value);
    EXPECT_EQ(numberText(std::get<double>(value), '.'), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SpecialAngles, FunctionValueTest,
    testing::Values(
        Row{"Sin180Degrees", ":sin180", D, "0"}, Row{"Sin90Degrees", ":sin90", D, "1"},
        Row{"Sin270Degrees", ":sin270", D, "-1"}, Row{"SinMinus90Degrees", ":sin-90", D, "-1"},
        Row{"Sin360Degrees", ":sin360", D, "0"}, Row{"Sin450Degrees", ":sin450", D, "1"},
        Row{"Sin30Degrees", ":sin30", D, "0.5"}, Row{"Cos0Degrees", ":cos0", D, "1"},
        Row{"Cos90Degrees", ":cos90", D, "0"}, Row{"Cos180Degrees", ":cos180", D, "-1"},
        Row{"Cos270Degrees", ":cos270", D, "0"}, Row{"Tan45Degrees", ":tan45", D, "1"},
        Row{"Tan135Degrees", ":tan135", D, "-1"}, Row{"Tan225Degrees", ":tan225", D, "1"},
        Row{"TgSpellingDegrees", ":tg-45", D, "-1"}, Row{"Tan180Degrees", ":tan180", D, "0"},
        Row{"Cot45Degrees", ":cot45", D, "1"}, Row{"Cot90Degrees", ":cot90", D, "0"},
        Row{"Ctg135Degrees", ":ctg135", D, "-1"}, Row{"SinOfPiRadians", ":sin:pi", R, "0"},
        Row{"CosOfPiRadians", ":cos:pi", R, "-1"},
        Row{"Sin1Radian", ":sin1", R, "0.841470984807897"}, Row{"Sin100Grads", ":sin100", G, "1"},
        Row{"Cos200Grads", ":cos200", G, "-1"}, Row{"Tan50Grads", ":tan50", G, "1"},
        Row{"PiWithCommaSeparator", ":sin:pi", R, "0", ','}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    InverseFunctions, FunctionValueTest,
    testing::Values(
        Row{"AcosMinus1Degrees", ":acos-1", D, "180"}, Row{"AcosMinus1Grads", ":acos-1", G, "200"},
        Row{"AcosMinus1Radians", ":acos-1", R, "3.14159265358979"},
        Row{"Acos1Radians", ":acos1", R, "0"}, Row{"Acos1Degrees", ":acos1", D, "0"},
        Row{"Acos1Grads", ":acos1", G, "0"}, Row{"Acos0Degrees", ":acos0", D, "90"},
        Row{"Asin1Degrees", ":asin1", D, "90"}, Row{"AsinMinus1Grads", ":arcsin-1", G, "-100"},
        Row{"Asin0Degrees", ":asin0", D, "0"}, Row{"AsinHalfDegrees", ":asin0.5", D, "30"},
        Row{"Atan1Degrees", ":atan1", D, "45"}, Row{"Arctan1Grads", ":arctan1", G, "50"},
        Row{"Atg1Radians", ":atg1", R, "0.785398163397448"}, Row{"Acot1Degrees", ":acot1", D, "45"},
        Row{"ActgMinus1Degrees", ":actg-1", D, "135"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Factorials, FunctionValueTest,
                         testing::Values(Row{"Largest", "170!", R, "7.25741561530799E+306"},
                                         Row{"Zero", "0!", R, "1"}, Row{"Five", "5!", D, "120"},
                                         Row{"FractionTakesIntegerPart", "3.7!", R, "6"},
                                         Row{"HalfInDegrees", "0.5!", D, "1"},
                                         Row{"HalfInGrads", "0.5!", G, "1"},
                                         Row{"HalfInRadians", "0.5!", R, "1"},
                                         Row{"FractionWithComma", "3,7!", R, "6", ','},
                                         Row{"TokenInFrontIsNotApplied", ":sin3!", D, "6"}),
                         rowName);

INSTANTIATE_TEST_SUITE_P(
    PlainFunctions, FunctionValueTest,
    testing::Values(Row{"PartsPerMillion", ":ppm5", R, "0.000005"},
                    Row{"Antilog", ":alog2", D, "100"}, Row{"IntRoundsDown", ":int-2.5", R, "-3"},
                    Row{"IntWithComma", ":int-2,5", R, "-3", ','},
                    Row{"SignNegative", ":sgn-7", R, "-1"}, Row{"SignZero", ":sgn0", R, "0"},
                    Row{"SignPositive", ":sgn3.5", D, "1"}, Row{"Absolute", ":abs-3.5", D, "3.5"},
                    Row{"SquareRoot", ":sqrt16", D, "4"}, Row{"SqrSpelling", ":sqr2.25", R, "1.5"},
                    Row{"SquareRootWithComma", ":sqrt6,25", R, "2.5", ','},
                    Row{"NaturalLogOfOne", ":ln1", R, "0"}, Row{"CommonLog", ":log1000", D, "3"},
                    Row{"ExpUsesFifteenDigitE", ":exp1", D, "2.71828182845905"},
                    Row{"AlnSpelling", ":aln0", R, "1"},
                    Row{"ExponentArgument", ":log1E+20", R, "20"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(Chains, FunctionValueTest,
                         testing::Values(Row{"RightToLeft", ":sin:cos0", R, "0.841470984807897"},
                                         Row{"ThreeTokens", ":sqrt:abs:int-15.5", R, "4"},
                                         Row{"InnerResultWrittenWithComma", ":sqrt:abs-2,25", R,
                                             "1.5", ','},
                                         Row{"InverseOfSineInDegrees", ":asin:sin30", D, "30"}),
                         rowName);

// The largest period counts that fit 16 bits still reduce; the 15-digit pi makes the reduced
// argument drift by about 1e-10 there.
TEST(FunctionValueTest, ReducesAtLargestPeriodCount) {
    EngineState state;
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":sin98298")), std::sin(98298.0), 1e-9);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":cos-98298")), std::cos(98298.0), 1e-9);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":tan98301")), std::tan(98301.0), 1e-8);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":cot-98301")), -1 / std::tan(98301.0),
                1e-8);
}

// Away from the exact cases the runtime's arctangent is converted with the 15-digit pi, so the
// angle is right only to about 15 digits.
TEST(FunctionValueTest, InverseFunctionsAwayFromExactCases) {
    EngineState state;
    state.AngleUnit = D;
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":arccos0.5")), 60.0, 1e-12);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":arccot0")), 90.0, 1e-12);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":asin-0.5")), -30.0, 1e-12);
    state.AngleUnit = G;
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":atan-1")), -50.0, 1e-12);
}

TEST(FunctionValueTest, NamedValuesAreSplicedOnlyBehindAToken) {
    EngineState state;
    state.AnsText = "-16";
    state.MemoryValue = 0.25;
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":abs:ans")), 16.0);
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":sqrt:mem")), 0.5);
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":ans")), msg::SyntaxError);
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":mem")), msg::SyntaxError);
}

class FunctionMessageTest : public testing::TestWithParam<Row> {};

TEST_P(FunctionMessageTest, GivesMessage) {
    EXPECT_EQ(evaluated(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    DomainMessages, FunctionMessageTest,
    testing::Values(Row{"Tan90Degrees", ":tan90", D, "<Infinite number>"},
                    Row{"TanMinus90Degrees", ":tan-90", D, "<Infinite number>"},
                    Row{"Tan100Grads", ":tan100", G, "<Infinite number>"},
                    Row{"Cot0Degrees", ":cot0", D, "<Infinite number>"},
                    Row{"Cot180Degrees", ":cot180", D, "<Infinite number>"},
                    Row{"Cot0Radians", ":ctg0", R, "<Infinite number>"},
                    Row{"Acos2Radians", ":acos2", R, "Argument must be from -1 to 1"},
                    Row{"Acos2Degrees", ":acos2", D, "Argument must be from -1 to 1"},
                    Row{"Acos2Grads", ":acos2", G, "Argument must be from -1 to 1"},
                    Row{"AsinBelowMinus1", ":asin-1.5", D, "Argument must be from -1 to 1"},
                    Row{"FactorialAbove170", "171!", R, "Result is too large!"},
                    Row{"FactorialOfNegative", "-1!", R, "Error - negative number!"},
                    Row{"LnOfZero", ":ln0", R, "Logarithm of a zero!"},
                    Row{"LogOfNegative", ":log-1", R, "Log of a negative number!"},
                    Row{"LnOfNegative", ":ln-0.5", R, "Log of a negative number!"},
                    Row{"SqrtOfNegative", ":sqrt-4", R, "Root of a negative number!"},
                    Row{"SqrOfNegative", ":sqr-1", D, "Root of a negative number!"},
                    Row{"UnknownName", ":xyz5", R, "Syntax error!"},
                    Row{"PiAlone", ":pi", R, "Syntax error!"},
                    Row{"NameRunsToFirstDigit", ":sin.5", R, "Syntax error!"},
                    Row{"NameIsCaseSensitive", ":SIN30", R, "Syntax error!"},
                    Row{"SumIsNoFunction", ":sum5", R, "Syntax error!"},
                    Row{"LetterBeforeDigitJoinsName", ":sinx1", R, "Syntax error!"},
                    Row{"DataThatIsNoNumber", ":datx", R, "No valid data!"},
                    Row{"DataThatOverflows", ":dat1E+999", R, "No valid data!"},
                    Row{"DataWithWrongSeparator", ":dat2,5", R, "No valid data!"}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    Faults, FunctionMessageTest,
    testing::Values(Row{"FactorialOfLetters", "abc!", R, "Error: Not a number"},
                    Row{"ArgumentOfLetters", ":sinx", R, "Error: Not a number"},
                    Row{"ArgumentWithOtherSeparator", ":sqrt2,25", R, "Error: Not a number"},
                    Row{"ArgumentBeyondDouble", ":abs1E+400", R, "Error: Overflow"},
                    Row{"AntilogOverflows", ":alog400", R, "Error: Overflow"},
                    Row{"ExpOverflows", ":exp1000", D, "Error: Overflow"},
                    Row{"SineCountBeyond16Bits", ":sin98304", R, "Error: Count out of range"},
                    Row{"CosineOfHugeArgument", ":cos1E+300", D, "Error: Count out of range"},
                    Row{"TangentCountBeyond16Bits", ":tan98304", R, "Error: Count out of range"},
                    Row{"CotangentOfHugeArgument", ":cot-1E+20", R, "Error: Count out of range"}),
    rowName);

// An inner message is spliced as text; the outer token then fails on it.
INSTANTIATE_TEST_SUITE_P(
    ChainMessages, FunctionMessageTest,
    testing::Values(Row{"MessageEndingInMarkIsFactorialOfNothing", ":sin:sqrt-4", R,
                        "Error: Not a number"},
                    Row{"UnknownInnerName", ":cos:xyz5", R, "Error: Not a number"},
                    Row{"MessageWithDigitsIsUnknownName", ":sin:acos2", D, "Syntax error!"},
                    Row{"MessageWithoutMark", ":abs:tan90", D, "Syntax error!"}),
    rowName);

TEST(FunctionMessageTest, FaultTextOfAnswerInChainEnds) {
    EngineState state;
    state.AnsText = std::string(fault::Overflow);
    const FunctionValue value = evaluateFunction(state, ":sin:ans");
    ASSERT_TRUE(std::holds_alternative<std::string>(value));
    EXPECT_FALSE(readsAsNumber(std::get<std::string>(value), '.'));
}

TEST(FunctionDataTest, AppendsToSeriesFromPositionOne) {
    EngineState state;
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":dat5")), 5.0);
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":dat-2.5")), -2.5);
    EXPECT_EQ(state.DataCount, 2);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0, -2.5}));
}

TEST(FunctionDataTest, EntryInsideChainIsAppended) {
    EngineState state;
    state.DecimalSeparator = ',';
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":sqrt:dat6,25")), 2.5);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 6.25}));
}

TEST(FunctionDataTest, InvalidEntryLeavesSeriesUnchanged) {
    EngineState state;
    evaluateFunction(state, ":dat5");
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":datx")), msg::NoValidData);
    EXPECT_EQ(state.DataCount, 1);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0}));
}

TEST(FunctionDataTest, CountPastSixteenBitsIsAFault) {
    EngineState state;
    state.DataCount = std::numeric_limits<std::int16_t>::max();
    state.DataValues.assign(static_cast<std::size_t>(state.DataCount) + 1, 1.0);
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":dat7")), fault::OutOfRange);
    EXPECT_EQ(state.DataCount, std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(state.DataValues.size(), static_cast<std::size_t>(state.DataCount) + 1);
}

// A random number is no angle: it stays in [0, x) whatever the unit.
TEST(FunctionRandomTest, StaysBelowArgumentInEveryUnit) {
    for (std::int16_t unit : {R, D, G}) {
        EngineState state;
        state.AngleUnit = unit;
        std::vector<double> draws;
        for (int i = 0; i < 200; ++i) {
            draws.push_back(std::get<double>(evaluateFunction(state, ":ran10")));
        }
        for (double draw : draws) {
            EXPECT_GE(draw, 0.0);
            EXPECT_LT(draw, 10.0);
        }
        EXPECT_NE(draws.front(), draws.back());
    }
}

TEST(FunctionRandomTest, NegativeArgumentGivesNegativeValues) {
    EngineState state;
    for (int i = 0; i < 50; ++i) {
        const double draw = std::get<double>(evaluateFunction(state, ":ran-2"));
        EXPECT_LE(draw, 0.0);
        EXPECT_GT(draw, -2.0);
    }
}

} // namespace
} // namespace zolvan
