#include "engine/functions.h"

#include "engine_test.h"

#include <limits>
#include <set>

namespace zolvan {
namespace {

enum Unit : std::int16_t { R, D, G }; // radians, degrees, grads

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
    {":cos270", D, "0"},
    {":tan135", D, "-1"},
    {":tan225", D, "1"},
    {":ctg135", D, "-1"},
    {":sin:pi", R, "0", ','},
    {":tan50", G, "1"},
    {":cot0", D, "<Infinite number>"},
    // inverse functions: exact cases, then the arctangent converted by the unit
    {":acos0", D, "90"},
    {":arcsin-1", G, "-100"},
    {":actg-1", D, "135"},
    {":acos2", D, "Argument must be from -1 to 1"},
    // factorials are never converted, and a token in front is not applied
    {":sin3!", D, "6"},
    {"abc!", R, "Error: Not a number"},
    // other functions, spellings and arguments
    {":dat2,5", R, "No valid data!"},
    {":sinx", R, "Error: Not a number"},
    {":abs1E+400", R, "Error: Overflow"},
    {":alog400", R, "Error: Overflow"},
    {":sin98304", R, "Error: Count out of range"},
    {":cot-1E+20", R, "Error: Count out of range"},
    // names run up to the first digit, "-" or "(" and are compared exactly
    {":pi", R, "Syntax error!"},
    {":sin.5", R, "Syntax error!"},
    {":SIN30", R, "Syntax error!"},
    {":sinx1", R, "Syntax error!"},
    // chains run right to left; named values are spliced only behind a token
    {":sin:cos0", R, "0.841470984807897"},
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
        state.AnsText = "-16";
        state.MemoryValue = 0.25;
        state.AngleUnit = row.unit;
        state.DecimalSeparator = row.separator;
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

TEST(FunctionTest, DataCountPastSixteenBitsIsAFault) {
    constexpr std::int16_t kFull = std::numeric_limits<std::int16_t>::max();
    EngineState state;
    state.DataValues.assign(kFull + 1, 1.0);
    state.DataCount = kFull;
    EXPECT_EQ(std::get<std::string>(evaluateFunction(state, ":dat7")), fault::OutOfRange);
    EXPECT_EQ(state.DataCount, kFull);
}

// A random number is no angle: r times the argument, r in [0, 1), whatever the unit.
TEST(FunctionTest, RandomStaysBetweenZeroAndArgumentInEveryUnit) {
    for (const std::int16_t unit : {R, D, G}) {
        EngineState state;
        state.AngleUnit = unit;
        std::set<double> seen;
        for (int i = 0; i < 100; ++i) {
            const double up = std::get<double>(evaluateFunction(state, ":ran10"));
            const double down = std::get<double>(evaluateFunction(state, ":ran-2"));
            EXPECT_TRUE(up >= 0 && up < 10 && down <= 0 && down > -2) << up << ' ' << down;
            seen.insert(up);
        }
        EXPECT_GT(seen.size(), 90u);
    }
}

} // namespace
} // namespace zolvan
