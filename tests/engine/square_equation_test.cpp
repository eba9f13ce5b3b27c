#include "engine/square_equation.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan {
namespace {

using Rows = std::vector<std::string>;

// The state as the normalizer leaves it for a square equation, with leftovers of an earlier
// result that the solver must not show.
EngineState squareState(const std::string& line, char separator) {
    EngineState state;
    state.NormalizedLine = line;
    state.DecimalSeparator = separator;
    state.CalcKind = 2;
    state.ResultText = "earlier result";
    state.ResultRows = {"12", "4", "2"};
    return state;
}

struct SolvedRow {
    const char* name;
    const char* line;
    char separator;
    const char* display;
    const char* x1;
    const char* x2;
};

std::string solvedName(const testing::TestParamInfo<SolvedRow>& info) {
    return info.param.name;
}

class SolvedEquationTest : public testing::TestWithParam<SolvedRow> {};

TEST_P(SolvedEquationTest, WritesTheEquationAndBothRoots) {
    const SolvedRow& row = GetParam();
    EngineState state = squareState(row.line, row.separator);

    solveSquareEquation(state);

    EXPECT_EQ(state.NormalizedLine, row.display);
    EXPECT_EQ(state.ResultRows, (Rows{row.x1, row.x2}));
    EXPECT_EQ(state.CalcKind, 2);
    EXPECT_EQ(state.ResultText, "earlier result");
}

INSTANTIATE_TEST_SUITE_P(
    Roots, SolvedEquationTest,
    testing::Values(
        SolvedRow{"PanelLine", "1X^2-3X+2", '.', "x^2 - 3x + 2 = 0", "2", "1"},
        SolvedRow{"DoubleRoot", "X^2-2X+1", '.', "x^2 - 2x + 1 = 0", "1", "1"},
        SolvedRow{"NegativeDiscriminant", "X^2+1", '.', "x^2 + 1 = 0", "Complex number",
                  "Complex number"},
        SolvedRow{"MinusSignIsMinusOne", "-X^2+4", '.', "-x^2 + 4 = 0", "-2", "2"},
        SolvedRow{"BareXIsOne", "X^2+X", '.', "x^2 + x = 0", "0", "-1"},
        SolvedRow{"MinusXIsMinusOne", "X^2-X-2", '.', "x^2 - x - 2 = 0", "2", "-1"},
        SolvedRow{"UnitCoefficientNotWritten", "X^2+1X", '.', "x^2 + x = 0", "0", "-1"},
        SolvedRow{"TypedEquation", "2X^2+3X-5", '.', "2x^2 + 3x - 5 = 0", "1", "-2.5"},
        SolvedRow{"TypedEquationComma", "2X^2+3X-5", ',', "2x^2 + 3x - 5 = 0", "1", "-2,5"},
        SolvedRow{"FractionsDot", "0.5X^2-1.5X+1", '.', "0.5x^2 - 1.5x + 1 = 0", "2", "1"},
        SolvedRow{"FractionsComma", "0,5X^2-1,5X+1", ',', "0,5x^2 - 1,5x + 1 = 0", "2", "1"},
        SolvedRow{"IrrationalRoots", "X^2-2", '.', "x^2 - 2 = 0", "1.4142135623731",
                  "-1.4142135623731"},
        SolvedRow{"EqualsSignEndsConstant", "X^2+3X+2=0", '.', "x^2 + 3x + 2 = 0", "-1", "-2"},
        SolvedRow{"BracketedEquation", "(X^2-1)", '.', "x^2 - 1 = 0", "1", "-1"},
        SolvedRow{"CoefficientInsideBracket", "(2X^2-8)", '.', "2x^2 - 8 = 0", "2", "-2"},
        SolvedRow{"SquareTermAlone", "X^2", '.', "x^2 = 0", "0", "0"},
        SolvedRow{"ColonBeforeSquare", ":X^2-4", '.', "x^2 - 4 = 0", "2", "-2"},
        SolvedRow{"PlusBeforeSquare", "+X^2-9", '.', "x^2 - 9 = 0", "3", "-3"},
        SolvedRow{"LargeCoefficientsInExponentForm", "1E20X^2-1E20", '.', "1E+20x^2 - 1E+20 = 0",
                  "1", "-1"}),
    solvedName);

struct FaultRow {
    const char* name;
    const char* line;
    std::string_view fault;
    const char* lineAfter; // the display text when the fault came after it was written
    Rows rows;
};

std::string faultName(const testing::TestParamInfo<FaultRow>& info) {
    return info.param.name;
}

class SquareFaultTest : public testing::TestWithParam<FaultRow> {};

TEST_P(SquareFaultTest, NamesTheFaultAndKeepsWhatWasWritten) {
    const FaultRow& row = GetParam();
    EngineState state = squareState(row.line, '.');

    solveSquareEquation(state);

    EXPECT_EQ(state.ResultText, row.fault);
    EXPECT_EQ(state.CalcKind, -1);
    EXPECT_EQ(state.NormalizedLine, row.lineAfter);
    EXPECT_EQ(state.ResultRows, row.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SquareFaultTest,
    testing::Values(
        FaultRow{"ZeroA", "0X^2+2X+1", fault::InvalidOperation, "0x^2 + 2x + 1 = 0", {"", ""}},
        FaultRow{
            "ZeroANegativeB", "0X^2-2X+1", fault::InvalidOperation, "0x^2 - 2x + 1 = 0", {"", ""}},
        FaultRow{"ZeroAZeroB", "0X^2+5", fault::InvalidOperation, "0x^2 + 5 = 0", {"", ""}},
        FaultRow{"ProductBeforeSquare", "2*X^2+1", fault::NotANumber, "2*X^2+1", {"", ""}},
        FaultRow{"StrayCharacterInB", "X^2+2#X", fault::NotANumber, "X^2+2#X", {"", ""}},
        FaultRow{"StrayCharacterInC", "X^2+3X+2Y", fault::NotANumber, "X^2+3X+2Y", {"", ""}},
        FaultRow{"BracketBehindSquare", "X^2+(2)X", fault::InvalidOperation, "X^2+(2)X", {"", ""}},
        FaultRow{"CoefficientBeyondRange", "1E400X^2+1", fault::Overflow, "1E400X^2+1", {"", ""}},
        FaultRow{"DiscriminantBeyondRange",
                 "1E300X^2+1E300X+1E300",
                 fault::Overflow,
                 "1E+300x^2 + 1E+300x + 1E+300 = 0",
                 {"", ""}},
        FaultRow{"SecondRootBeyondRange",
                 "1E-300X^2+1E10X",
                 fault::Overflow,
                 "1E-300x^2 + 10000000000x = 0",
                 {"0", ""}}),
    faultName);

TEST(SquareEquationTest, LineWithoutSquareTermSaysAIsZero) {
    EngineState state = squareState("2X+1", '.');

    solveSquareEquation(state);

    EXPECT_EQ(state.ResultRows, (Rows{"Error: a = 0", ""}));
    EXPECT_EQ(state.NormalizedLine, "2X+1");
    EXPECT_EQ(state.CalcKind, 2);
    EXPECT_EQ(state.ResultText, "earlier result");
}

} // namespace
} // namespace zolvan
