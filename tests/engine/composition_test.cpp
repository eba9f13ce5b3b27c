// Composition and exact masses of typed lines. The expected percentages, molar masses and
// isotope masses were computed with the Python library periodictable (NIST data), whose atomic
// weights differ from the engine's table in the last digits: percentages agree to 0.05 and
// molar masses to 0.01 g/mol, exact masses to 0.0001 u.

#include "engine/calculate.h"
#include "engine/composition.h"

#include "engine_test.h"

#include <numeric>
#include <random>

namespace zolvan {
namespace {

using test::kRowName;

// The line's canonical text after the whole engine ran, and its value.
struct Calculated {
    std::string canonical;
    double value;
    int decimals;
};

Calculated calculate(std::string_view line) {
    EngineState state;
    state.InputLine = line;
    calculateExpression(state);
    return {state.NormalizedLine, readNumber(state.ResultText, '.').value_or(-1.0),
            state.ElementPrecision ? state.ElementDecimals : 15};
}

struct CompositionRow {
    const char* name;
    const char* line;
    const char* formula; // Hill order; its counts are the atoms of the line
    double mass;
    std::vector<double> percent; // in Hill order
};

const CompositionRow kCompounds[] = {
    {"Water", "H2O", "H2O", 18.0153, {11.190, 88.810}},
    {"SulfuricAcid", "H2SO4", "H2O4S", 98.0785, {2.055, 65.251, 32.693}},
    {"SodiumChloride", "NaCl", "ClNa", 58.4428, {60.663, 39.337}},
    {"Caffeine", "C8H10N4O2", "C8H10N4O2", 194.1906, {49.480, 5.190, 28.851, 16.478}},
    {"Glucose", "C6H12O6", "C6H12O6", 180.1559, {40.001, 6.714, 53.285}},
    {"SlakedLime", "Ca(OH)2", "CaH2O2", 74.0927, {54.092, 2.721, 43.188}},
    {"CoefficientBeforeBrackets", "3*Ca(OH)2", "Ca3H6O6", 222.2780, {54.092, 2.721, 43.188}},
    {"CoefficientAfterFormula", "Ca(OH)2*3", "Ca3H6O6", 222.2780, {54.092, 2.721, 43.188}},
    {"SumOfFormulas", "2h2o+nacl", "ClH4NaO2", 94.4733, {37.527, 4.268, 24.335, 33.871}},
    {"HydrateAsSum", "CuSO4+5H2O", "CuH10O9S", 249.6850, {25.450, 4.037, 57.671, 12.842}},
    {"HydrateUnit", "(CuSO4+5*(H2O))", "CuH10O9S", 249.6850, {25.450, 4.037, 57.671, 12.842}},
    {"TwoHydrateUnits",
     "2*(CuSO4+5*(H2O))",
     "Cu2H20O18S2",
     499.3700,
     {25.450, 4.037, 57.671, 12.842}},
    {"HalfWaterHydrate",
     "(CaSO4+0.5*(H2O))",
     "CaHO4.5S",
     145.1482,
     {27.612, 0.694, 49.603, 22.091}},
    {"Permanganate", "KMnO4", "KMnO4", 158.0339, {24.740, 34.763, 40.496}},
    {"Ethanol", "C2H5OH", "C2H6O", 46.0684, {52.143, 13.128, 34.730}},
    {"AmmoniumChloride", "NH4Cl", "ClH4N", 53.4915, {66.278, 7.537, 26.185}},
    {"SquareBrackets", "K4[Fe(CN)6]", "C6FeK4N6", 368.3426, {19.564, 15.161, 42.459, 22.816}},
    {"AluminiumSulfate", "Al2(SO4)3", "Al2O12S3", 342.1509, {15.772, 56.113, 28.115}},
    {"Bromobenzene", "C6H5Br", "C6H5Br", 157.0079, {45.898, 3.210, 50.892}},
    {"Chloroform", "chcl3", "CHCl3", 119.3776, {10.061, 0.844, 89.095}},
    {"MagnesiumPhosphate", "Mg3(PO4)2", "Mg3O8P2", 262.8577, {27.739, 48.694, 23.567}},
    {"Sucrose", "C12H22O11", "C12H22O11", 342.2965, {42.106, 6.478, 51.415}},
    {"Calcite", "CaCO3", "CCaO3", 100.0869, {12.000, 40.043, 47.957}},
    {"Haematite", "Fe2O3", "Fe2O3", 159.6882, {69.943, 30.057}},
};

class CompositionTest : public testing::TestWithParam<CompositionRow> {};

TEST_P(CompositionTest, CountsAndPercentOfEveryAtom) {
    const CompositionRow& row = GetParam();
    const Calculated line = calculate(row.line);
    const std::optional<Composition> c = compositionOf(line.canonical, '.');
    ASSERT_TRUE(c.has_value()) << line.canonical;
    EXPECT_EQ(c->formula, row.formula);
    EXPECT_NEAR(c->mass, row.mass, 0.01);
    // The composition's mass is the value the line shows, to its decimals.
    EXPECT_NEAR(c->mass, line.value, 0.5 * std::pow(10.0, -line.decimals) + 1e-9);
    ASSERT_EQ(c->elements.size(), row.percent.size());
    double total = 0.0;
    for (std::size_t i = 0; i < row.percent.size(); ++i) {
        const ElementShare& share = c->elements[i];
        EXPECT_NEAR(share.percent, row.percent[i], 0.05) << share.symbol;
        EXPECT_NEAR(share.percent * 100.0, std::round(share.percent * 100.0), 1e-6);
        EXPECT_DOUBLE_EQ(share.contribution, share.count * share.atomicWeight);
        total += share.percent;
    }
    EXPECT_NEAR(total, 100.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Compounds, CompositionTest, testing::ValuesIn(kCompounds), kRowName);

// Lines that are not formula material have no composition, and texts that are no canonical
// formula are refused without harm.
struct RefusedRow {
    const char* name;
    const char* text;
    bool typed; // run through the engine first; else the canonical text itself
};

const RefusedRow kRefused[] = {
    {"DivisionByFormula", "5/nacl", true},
    {"Function", "sin(30)", true},
    {"TwoMassesMultiplied", "CuSO4*5H2O", true},
    {"NumberAddedToFormula", "H2O+2", true},
    {"PlainArithmetic", "2+3", true},
    {"Difference", "H2O-NaCl", true},
    {"Power", "H2O^2", true},
    {"Negative", "-H2O", true},
    {"UnknownSymbol", "H2Q", true},
    {"ZeroCoefficient", "0*H2O", true},
    {"SquareEquation", "x^2-3x+2", true},
    {"Empty", "", false},
    {"OpenBracket", "(H2O", false},
    {"LoneBracket", ")", false},
    {"UnknownElement", "Xx2", false},
    {"LowerCaseLeft", "h2o", false},
    {"Exponent", "2E-5*H", false},
    {"NumberThenSymbol", "2H", false},
    {"DeepBrackets",
     "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((H)))"
     ")))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))",
     false},
};

class RefusedTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedTest, HasNoComposition) {
    const RefusedRow& row = GetParam();
    const std::string text = row.typed ? calculate(row.text).canonical : row.text;
    EXPECT_FALSE(compositionOf(text, '.').has_value()) << text;
    EXPECT_FALSE(isFormulaMaterial(text, '.')) << text;
}

INSTANTIATE_TEST_SUITE_P(Lines, RefusedTest, testing::ValuesIn(kRefused), kRowName);

// The quick check agrees with the full reading on texts made of the pieces formulas are made
// of, in every order: brackets of each kind, counts with and without separators, zeros, long
// digit runs, sums and products.
TEST(FormulaMaterialTest, AgreesWithTheComposition) {
    constexpr std::string_view kPieces[] = {"H",  "O", "Na", "Cl", "Fe", "Xx",         "2", "0",
                                            "10", "5", ".",  ",",  "(",  ")",          "[", "]",
                                            "{",  "}", "+",  "*",  "-",  "1234567890", "e", ":"};
    std::minstd_rand random(17);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(1, 10);
    for (int k = 0; k < 100000; ++k) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += kPieces[piece(random)];
        }
        for (const char separator : {'.', ','}) {
            EXPECT_EQ(isFormulaMaterial(text, separator),
                      compositionOf(text, separator).has_value())
                << text << " with " << separator;
        }
    }
}

TEST(CompositionTest, EmpiricalFormulaAndCommaCounts) {
    EXPECT_EQ(compositionOf("C6H12O6", '.')->empirical, "CH2O");
    EXPECT_EQ(compositionOf("C8H10N4O2", '.')->empirical, "C4H5N2O");
    EXPECT_EQ(compositionOf("(CaSO4+0.5*(H2O))", '.')->empirical, "Ca2H2O9S2");
    const std::optional<Composition> comma = compositionOf("(CaSO4+0,5*(H2O))", ',');
    ASSERT_TRUE(comma.has_value());
    EXPECT_EQ(comma->formula, "CaHO4,5S");
}

struct ExactRow {
    const char* name;
    const char* canonical;
    double monoisotopic;
    double nominal;
    std::array<double, 6> ions; // [M+H]+ [M+Na]+ [M+K]+ [M+NH4]+ [M-H]- [M+Cl]-
};

const ExactRow kExact[] = {
    {"Caffeine",
     "C8H10N4O2",
     194.080376,
     194,
     {195.087652, 217.069597, 233.043534, 212.114201, 193.073099, 229.049777}},
    {"Glucose",
     "C6H12O6",
     180.063388,
     180,
     {181.070665, 203.052609, 219.026546, 198.097214, 179.056112, 215.032789}},
    {"SodiumChloride",
     "NaCl",
     57.958622,
     58,
     {58.965899, 80.947843, 96.921781, 75.992448, 56.951346, 92.928024}},
    {"CopperSulfatePentahydrate",
     "(CuSO4+5*(H2O))",
     248.934154,
     249,
     {249.941430, 271.923375, 287.897312, 266.967979, 247.926877, 283.903555}},
    {"Bromobenzene",
     "C6H5Br",
     155.957463,
     156,
     {156.964739, 178.946684, 194.920621, 173.991288, 154.950186, 190.926864}},
    {"Chloroform",
     "CHCl3",
     117.914383,
     118,
     {118.921660, 140.903604, 156.877541, 135.948209, 116.907107, 152.883784}},
};

class ExactMassTest : public testing::TestWithParam<ExactRow> {};

TEST_P(ExactMassTest, MonoisotopicNominalAndIons) {
    const ExactRow& row = GetParam();
    const ExactMass exact = exactMassOf(*compositionOf(row.canonical, '.'));
    ASSERT_TRUE(exact.monoisotopic.has_value());
    EXPECT_NEAR(*exact.monoisotopic, row.monoisotopic, 1e-4);
    EXPECT_EQ(exact.nominal, row.nominal);
    const char* names[] = {"[M+H]+", "[M+Na]+", "[M+K]+", "[M+NH4]+", "[M-H]-", "[M+Cl]-"};
    ASSERT_EQ(exact.ions.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(exact.ions[i].name, names[i]);
        EXPECT_NEAR(exact.ions[i].mz, row.ions[i], 1e-4) << names[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Compounds, ExactMassTest, testing::ValuesIn(kExact), kRowName);

TEST(ExactMassTest, NoNaturalIsotopeGivesNoneAndSaysWhy) {
    const ExactMass exact = exactMassOf(*compositionOf("Tc2O7+PmCl3", '.'));
    EXPECT_FALSE(exact.monoisotopic.has_value());
    EXPECT_FALSE(exact.nominal.has_value());
    EXPECT_TRUE(exact.ions.empty());
    EXPECT_EQ(exact.missing, "No natural isotope of Pm, Tc");
}

} // namespace
} // namespace zolvan
