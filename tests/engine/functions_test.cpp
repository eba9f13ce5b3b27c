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
    const char* operand;
    std::int16_t unit;
    // A number as the engine writes it (15 significant digits, "."), so that a special angle
    // must give exactly 0 or 1, not a residue such as 1.2E-16; or the message.
    const char* expected;
    char separator = '.';
};

// The previous result is -16 and the memory 0.25 in every row.
constexpr Row kRows[] = {
    // special angles, after reducing by whole periods
    {":sin180", D, "0"},
    {":sin270", D, "-1"},
    {":sin-90", D, "-1"},
    {":sin360", D, "0"},
    {":cos270", D, "0"},
    {":tan135", D, "-1"},
    {":tan225", D, "1"},
    {":tg-45", D, "-1"},
    {":tan180", D, "0"},
    {":cot45", D, "1"},
    {":ctg135", D, "-1"},
    {":sin:pi", R, "0", ','},
    {":tan50", G, "1"},
    {":tan-90", D, "<Infinite number>"},
    {":cot0", D, "<Infinite number>"},
    {":cot180", D, "<Infinite number>"},
    // inverse functions: exact cases, then the arctangent converted by the unit
    {":acos-1", R, "3.14159265358979"},
    {":acos0", D, "90"},
    {":arcsin-1", G, "-100"},
    {":asin0.5", D, "30"},
    {":atg1", R, "0.785398163397448"},
    {":actg-1", D, "135"},
    {":acos2", D, "Argument must be from -1 to 1"},
    // factorials are never converted, and a token in front is not applied
    {"170!", R, "7.25741561530799E+306"},
    {"3,7!", R, "6", ','},
    {"0.5!", D, "1"},
    {":sin3!", D, "6"},
    {"abc!", R, "Error: Not a number"},
    // other functions, spellings and arguments
    {":int-2,5", R, "-3", ','},
    {":sqr2.25", R, "1.5"},
    {":exp1", D, "2.71828182845905"},
    {":log1E+20", R, "20"},
    {":ln-0.5", R, "Log of a negative number!"},
    {":sqr-1", D, "Root of a negative number!"},
    {":dat2,5", R, "No valid data!"},
    {":sinx", R, "Error: Not a number"},
    {":abs1E+400", R, "Error: Overflow"},
    {":alog400", R, "Error: Overflow"},
    {":sin98304", R, "Error: Count out of range"},
    {":cot-1E+20", R, "Error: Count out of range"},
    // names run up to the first digit, "-" or "(" and are compared exactly
    {":xyz5", R, "Syntax error!"},
    {":pi", R, "Syntax error!"},
    {":sin.5", R, "Syntax error!"},
    {":SIN30", R, "Syntax error!"},
    {":sinx1", R, "Syntax error!"},
    // chains run right to left; named values are spliced only behind a token
    {":sin:cos0", R, "0.841470984807897"},
    {":sqrt:abs:int-15.5", R, "4"},
    {":sqrt:abs-2,25", R, "1.5", ','},
    {":abs:ans", R, "16"},
    {":sqrt:mem", R, "0.5"},
    {":ans", R, "Syntax error!"},
    // an inner message is spliced as text and the outer token fails on it
    {":sin:sqrt-4", R, "Error: Not a number"},
    {":sin:acos2", D, "Syntax error!"},
};

TEST(FunctionTest, GivesNumberOrMessage) {
    for (const Row& row : kRows) {
        EngineState state;
        state.AngleUnit = row.unit;
        state.DecimalSeparator = row.separator;
        state.AnsText = "-16";
        state.MemoryValue = 0.25;
        const FunctionValue value = evaluateFunction(state, row.operand);
        const double* number = std::get_if<double>(&value);
        EXPECT_EQ(number ? numberText(*number, '.') : std::get<std::string>(value), row.expected)
            << row.operand << " in unit " << row.unit;
    }
}

// The largest period counts that fit 16 bits still reduce; the 15-digit pi makes the reduced
// argument drift by about 1e-10 there.
TEST(FunctionTest, ReducesAtLargestPeriodCount) {
    EngineState state;
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":sin98298")), std::sin(98298.0), 1e-9);
    EXPECT_NEAR(std::get<double>(evaluateFunction(state, ":tan98301")), std::tan(98301.0), 1e-8);
}

TEST(FunctionTest, DataEntriesAppendFromPositionOne) {
    EngineState state;
    state.DecimalSeparator = ',';
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":dat5")), 5.0);
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":datx")), msg::NoValidData);
    EXPECT_EQ(std::get<double>(evaluateFunction(state, ":sqrt:dat6,25")), 2.5);
    EXPECT_EQ(state.DataCount, 2);
    EXPECT_EQ(state.DataValues, (std::vector<double>{0.0, 5.0, 6.25}));
}

TEST(FunctionTest, DataCountPastSixteenBitsIsAFault) {
    constexpr std::int16_t kFull = std::numeric_limits<std::int16_t>::max();
    EngineState state;
    state.DataCount = kFull;
    state.DataValues.assign(kFull + 1, 1.0);
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":dat7")), fault::OutOfRange);
    EXPECT_EQ(state.DataCount, kFull);
}

// A random number is no angle: r times the argument, r in [0, 1), whatever the unit.
TEST(FunctionTest, RandomStaysBetweenZeroAndArgumentInEveryUnit) {
    for (const std::int16_t unit : {R, D, G}) {
        EngineState state;
        state.AngleUnit = unit;
        const double first = std::get<double>(evaluateFunction(state, ":ran10"));
        for (int i = 0; i < 100; ++i) {
            const double up = std::get<double>(evaluateFunction(state, ":ran10"));
            const double down = std::get<double>(evaluateFunction(state, ":ran-2"));
            EXPECT_TRUE(up >= 0 && up < 10 && up != first && down <= 0 && down > -2)
                << up << ' ' << down;
        }
    }
}

} // namespace
} // namespace zolvan
