#include "engine/square_equation.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    state.DecimalSeparator = row.separator;
    state.CalcKind = 2;
    state.ResultText = kEarlier;
    state.ResultRows = {"12", "4", "2"}; // left over from a statistics line
    solveSquareEquation(state);
    EXPECT_EQ(state.NormalizedLine, row.display);
    EXPECT_EQ(state.ResultRows, (Rows{row.x1, row.x2}));
    EXPECT_EQ(state.ResultText, row.text);
    EXPECT_EQ(state.CalcKind, row.text == kEarlier ? 2 : -1);
}

const SquareRow kRows[] = {
    {"PanelLine", "1X^2-3X+2", "x^2 - 3x + 2 = 0", "2", "1"},
    {"BareXIsOne", "X^2+X", "x^2 + x = 0", "0", "-1"},
    {"MinusXIsMinusOne", "X^2-X-2", "x^2 - x - 2 = 0", "2", "-1"},
    {"DecimalComma", "2X^2-1,5X", "2x^2 - 1,5x = 0", "0,75", "0", kEarlier, ','},
    {"EqualsSignEndsConstant", "X^2+3X+2=0", "x^2 + 3x + 2 = 0", "-1", "-2"},
    {"CoefficientInsideBracket", "(2X^2-8)", "2x^2 - 8 = 0", "2", "-2"},
    {"SquareTermAlone", "X^2", "x^2 = 0", "0", "0"},
    {"ColonBeforeSquare", ":X^2-4", "x^2 - 4 = 0", "2", "-2"},
    {"PlusBeforeSquare", "+X^2-9", "x^2 - 9 = 0", "3", "-3"},
    {"NoSquareTermMeansZeroA", "2X+1", "2X+1", "Error: a = 0", ""},
    {"ZeroA", "0X^2+2X+1", "0x^2 + 2x + 1 = 0", "", "", fault::InvalidOperation},
    {"ProductBeforeSquare", "2*X^2+1", "2*X^2+1", "", "", fault::NotANumber},
    {"StrayCharacterInB", "X^2+2#X", "X^2+2#X", "", "", fault::NotANumber},
    {"CoefficientBeyondRange", "1E400X^2+1", "1E400X^2+1", "", "", fault::Overflow},
    {"DiscriminantBeyondRange", "1E300X^2+1E300X+1E300", "1E+300x^2 + 1E+300x + 1E+300 = 0", "", "",
     fault::Overflow},
    {"SecondRootBeyondRange", "1E-300X^2+1E10X", "1E-300x^2 + 10000000000x = 0", "0", "",
     fault::Overflow},
};

INSTANTIATE_TEST_SUITE_P(Equations, SquareEquationTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan
