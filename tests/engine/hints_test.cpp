#include "engine/hints.h"

#include "engine/calculate.h"
#include "engine_test.h"

#include <fstream>

namespace zolvan {
namespace {

using Hints = std::vector<std::string>;

// The hints of one line run on a fresh engine with the given separator and angle unit.
Hints hintsOf(std::string_view line, char separator = '.', std::int16_t angle = 0) {
    EngineState state;
    state.DecimalSeparator = separator;
    state.AngleUnit = angle;
    state.InputLine = std::string(line);
    calculateExpression(state);
    return lineHints(state, line);
}

struct HintRow {
    const char* name;
    const char* typed;
    Hints hints;
    char separator = '.';
    std::int16_t angle = 0;
};

class HintTest : public testing::TestWithParam<HintRow> {};

TEST_P(HintTest, SaysWhatTheLineProbablyMeant) {
    const HintRow& row = GetParam();
    EXPECT_EQ(hintsOf(row.typed, row.separator, row.angle), row.hints);
}

const HintRow kHints[] = {
    {"MultipliedMasses",
     "CuSO4*5H2O",
     {"CuSO4*5H2O multiplies two molar masses; the hydrate CuSO4\u00B75H2O is 249.69"}},
    {"MultiplicationSignAndCoefficient",
     "2CuSO4\u00D75H2O",
     {"2CuSO4\u00D75H2O multiplies two molar masses; the hydrate 2CuSO4\u00B75H2O is 499.37"}},
    {"ProductInsideASum",
     "NaCl+CuSO4 * 5H2O",
     {"CuSO4*5H2O multiplies two molar masses; the hydrate CuSO4\u00B75H2O is 249.69"}},
    {"ProductOfBracketedFormula",
     "CuSO4*(H2O)5",
     {"CuSO4*(H2O)5 multiplies two molar masses; the hydrate CuSO4\u00B7(H2O)5 is 249.69"}},
    {"BlankJoinsCounts",
     "CuSO4 5H2O",
     {"CuSO4 5H2O was read as CuSO45H2O; the hydrate CuSO4\u00B75H2O is 249.69"}},
    {"NoBreakSpaceAfterSymbol",
     "NaCl\u00A02H2O",
     {"NaCl\u00A02H2O was read as NaCl2H2O; the hydrate NaCl\u00B72H2O is 94.47"}},
    {"DecimalPoint",
     "CuSO4.5H2O",
     {"CuSO4.5H2O was read with the count 4.5; the hydrate CuSO4\u00B75H2O is 249.69"}},
    {"DecimalPointBeforeBracket",
     "CuSO4.5(H2O)",
     {"CuSO4.5(H2O) was read with the count 4.5; the hydrate CuSO4\u00B75(H2O) is 249.69"}},
    {"DecimalPointTwoDigits",
     "Na2CO3.10H2O",
     {"Na2CO3.10H2O was read with the count 3.10; the hydrate Na2CO3\u00B710H2O is 286.14"}},
    {"DecimalComma",
     "CuSO4.5H2O",
     {"CuSO4.5H2O was read with the count 4,5; the hydrate CuSO4\u00B75H2O is 249,69"},
     ','},
    {"CarbonMonoxide", "co", {"co was read as Co (cobalt, 58.93); carbon monoxide CO is 28.01"}},
    {"NitricOxide", "no", {"no was read as No (nobelium, 259); nitric oxide NO is 30.01"}},
    {"HydrogenFluoride",
     "hf",
     {"hf was read as Hf (hafnium, 178.49); hydrogen fluoride HF is 20.01"}},
    {"CarbonMonosulfide",
     "cs",
     {"cs was read as Cs (caesium, 132.91); carbon monosulfide CS is 44.08"}},
    {"SulfurMononitride",
     "sn",
     {"sn was read as Sn (tin, 118.71); sulfur mononitride SN is 46.07"}},
    {"Hydroxyl", "ho", {"ho was read as Ho (holmium, 164.93); hydroxyl radical HO is 17.01"}},
    {"CapitalSine",
     "SIN(30)",
     {"SIN was read as element symbols; in lower case, sin(30) is -0.988032"}},
    {"CapitalSineInDegrees",
     "SIN(30)",
     {"SIN was read as element symbols; in lower case, sin(30) is 0.5"},
     '.',
     1},
    {"TwoCapitalFunctions",
     "COS(0)+LN(1)",
     {"COS, LN were read as element symbols; in lower case, cos(0)+ln(1) is 1"}},
    {"CapitalFunctionWithoutValue",
     "SUM(1+2)",
     {"SUM was read as element symbols; functions are typed in lower case: sum(1+2)"}},
    // A "*" before a named value is no product of formulas, but a later one on the line may be.
    {"ProductAfterANamedValue",
     "ans*pi+CuSO4*5H2O",
     {"CuSO4*5H2O multiplies two molar masses; the hydrate CuSO4\u00B75H2O is 249.69"}},
    {"CapitalFunctionAfterFormula",
     "H2SO4+SQRT(4)",
     {"SQRT was read as element symbols; in lower case, H2SO4+sqrt(4) is 100.079"}},
    {"IgnoredCharacters", "5\u00B2\u2192+\u00B2", {"ignored: \u00B2, \u2192"}},
    {"IgnoredInvalidByte", "5\xFF", {"ignored: \uFFFD"}},
    {"TwoSignsInOneLine",
     "CuSO4*5H2O \u2192",
     {"CuSO4*5H2O multiplies two molar masses; the hydrate CuSO4\u00B75H2O is 249.69",
      "ignored: \u2192"}},
};

INSTANTIATE_TEST_SUITE_P(Lines, HintTest, testing::ValuesIn(kHints), test::kRowName);

// Lines that mean what they say get no hint: what users type every day, every example the
// program's documents give, the texts a saved task file holds, and formulas written with
// decimal counts on purpose.
TEST(NoHintTest, LinesThatMeanWhatTheySay) {
    const char* const lines[] = {
        "H2O", "2h2o+nacl", "5/nacl", "3*Ca(OH)2", "sin(30)", "Co", "NaCl/H2O", "H2SO4",
        "sin(30)^2", "5%200", "(NH4)2SO4", "K4[Fe(CN)6]", "C6H12O6", "H2Q", "2 H2O + Na Cl",
        "CuSO4+5H2O", "nacl", "co2", "hf2", "no2", "mno4", "Mno4", "zn", "zno", "CoS", "cos", "PI",
        "pi", "pi2", "2pi", "sin", "sin+1", "sqrt9", "x^2+2x+1", "2x^2+3x-5=0", "X^2+1",
        "0X^2+2X+1", "sum(2+4+6)", ":sum(5-3)", "*2", "1e+5", "2e-3", "2**3", "5--3", "3+-2", "()",
        ".5", "1+2=3", "2\u00D73\u00F74", "1<2>3;4@5$6_7`8:9", "1\t+2", "H2O*2", "2(OH)", "H2(O)",
        "3(4+5)", "Ca(OH)2", "2E-5", "Es", ":pi*2", "{H2O}2", "ZN", "Cn", "Q", "Na", "Pb", "Tc",
        "Xx", "(2+3", "2+3)", "2/0", "-8^0.5", "1E+20+1E+20", "50%10", "171!", "3.7!", ":acos-1",
        ":log1000", ":dat5", "sqrt(2)*pi", "log1000+ln5", "2*3",
        // The hydrate in every way it reads right, and texts a task file saved.
        "CuSO4\u00B75H2O", "CuSO\u2084\u00B75H\u2082O", "(CuSO4(H2O)5)", "(CuSO4(H2O)5)2",
        "(CuSO4)*5*(H2O)", "2*(H2O)+(NaCl) = 94.4730", "(CuSO4)*5*(H2O) = 14377.05817344 \u2192",
        "C6H12O6.H2O", "CuSO4.H2O", "Fe0.95O", "La1.85Sr0.15CuO4", "Li1.5PO4", "C6H1 2O6", "H2O 2",
        "1 000", "2 3H2O", "5\u200B"};
    for (const char* line : lines) {
        EXPECT_EQ(hintsOf(line), Hints{}) << line;
    }
}

// The example task file, line by line as Help > Example feeds them, with its angle commands.
TEST(NoHintTest, ExampleTaskFile) {
    std::ifstream file(ZOLVAN_EXAMPLE_TASKS);
    ASSERT_TRUE(file.good());
    std::int16_t angle = 0;
    std::size_t lines = 0;
    for (std::string line; std::getline(file, line); ++lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with('#')) {
            angle = line == "#deg" ? 1 : line == "#grad" ? 2 : 0;
            continue;
        }
        EXPECT_EQ(hintsOf(line, '.', angle), Hints{}) << line;
    }
    EXPECT_GT(lines, 10u);
}

} // namespace
} // namespace zolvan
