// The solution command words. Expected answers worked out by hand from the molar mass given:
// NaCl is 22.98977 + 35.4527 = 58.44247 g/mol in the engine's table.

#include "engine/solution.h"

#include "engine_test.h"

namespace zolvan {
namespace {

using test::kRowName;

constexpr double kNaCl = 58.44247;

struct SolutionRow {
    const char* name;
    const char* line;
    std::optional<double> molarMass;
    const char* text;
    bool fault = false;
    char separator = '.';
};

const SolutionRow kAnswers[] = {
    // 0.1 mol/L * 0.25 L * 58.44247 g/mol = 1.46106 g
    {"Weigh", "#weigh 0.1 M 250 mL", kNaCl, "1.461 g"},
    {"WeighUnitsJoined", "#WEIGH 0.1M 250mL", kNaCl, "1.461 g"},
    // 0.05 * 0.1 * 58.44247 / 0.98 = 0.298176 g
    {"WeighWithPurity", "#weigh 50 mM 100 mL 98%", kNaCl, "298.2 mg"},
    {"WeighWithComma", "#weigh 0,1 M 250 mL", kNaCl, "1,461 g", false, ','},
    // 2 * 10 * 58.44247 = 1168.85 g
    {"WeighKilograms", "#weigh 2 M 10 L", kNaCl, "1.169 kg"},
    // 1e-5 mol/L * 1e-6 L * 58.44247 = 5.844e-10 g: below 1 ng stays in ng
    {"WeighBelowSmallestUnit", "#weigh 10 uM 1 uL", kNaCl, "0.5844 ng"},
    // 0.99996 g rounds to 1.000 g, not to 1000 mg
    {"RoundingChoosesTheLargerUnit", "#weigh 999.96 mM 1 L", 1.0, "1.000 g"},
    // 1.461 / 58.44247 / 0.25 = 0.0999958 M
    {"Molar", "#molar 1.461 g 250 mL", kNaCl, "0.1000 M"},
    // 0.2922 / 58.44247 / 0.1 = 0.0499979 M: under 0.1 M the unit puts it between 1 and 1000
    {"MolarBelowATenthIsMillimolar", "#molar 0.2922 g 100 mL", kNaCl, "50.00 mM"},
    {"MolarMicroSignAndGreekMu", "#molar 1 \u00B5g 1 \u03BCL", kNaCl, "17.11 mM"},
    {"MIsNeverMega", "#molar 1 g 1 L", 1.0, "1.000 M"},
    // 0.05 M * 250 mL / 1 M = 12.5 mL of stock
    {"Dilute", "#dilute 1 M 50 mM 250 mL", std::nullopt, "12.5 mL stock + 237.5 mL"},
    {"DiluteWithoutDilution", "#dilute 1 M 1 M 1 L", std::nullopt, "1 L stock + 0 L"},
    {"DiluteMicrolitres", "#dilute 10 mM 5 uM 1 mL", std::nullopt, "500 nL stock + 999.5 \u00B5L"},
};

const SolutionRow kMessages[] = {
    {"WeighWithoutMolarMass", "#weigh 0.1 M 250 mL", std::nullopt,
     "No molar mass: calculate a formula first!", true},
    {"MolarWithoutMolarMass", "#molar 1 g 1 L", std::nullopt,
     "No molar mass: calculate a formula first!", true},
    {"UnknownUnit", "#weigh 1 kM 2 L", kNaCl,
     "Unknown unit \"kM\"! Use M, mM, \u00B5M, nM, L, mL, \u00B5L, g, mg, \u00B5g or %.", true},
    {"MissingVolume", "#weigh 0.1 M", kNaCl,
     "#weigh needs a volume (L, mL or \u00B5L), as in #weigh 0.1 M 250 mL 98%!", true},
    {"MissingMass", "#molar 250 mL", kNaCl,
     "#molar needs a mass (g, mg or \u00B5g), as in #molar 1.461 g 250 mL!", true},
    {"MissingSecondConcentration", "#dilute 1 M 250 mL", kNaCl,
     "#dilute needs a concentration (M, mM, \u00B5M or nM), as in #dilute 1 M 50 mM 250 mL!", true},
    {"NumberWithoutUnit", "#weigh 0.1 250 mL", kNaCl, "No unit after 0.1!", true},
    {"UnitWithoutNumber", "#weigh M 250 mL", kNaCl, "No number before \"M\"!", true},
    {"Surplus", "#weigh 0.1 M 250 mL 3 g", kNaCl,
     "#weigh takes no mass (g, mg or \u00B5g) here, as in #weigh 0.1 M 250 mL 98%!", true},
    {"Negative", "#weigh -0.1 M 250 mL", kNaCl, "Every amount must be above zero!", true},
    {"PurityAboveAll", "#weigh 0.1 M 250 mL 150%", kNaCl,
     "The purity must be above 0 and at most 100%!", true},
    {"StockWeaker", "#dilute 50 mM 1 M 250 mL", std::nullopt,
     "The stock must be at least as concentrated as the solution!", true},
};

class SolutionTest : public testing::TestWithParam<SolutionRow> {};

TEST_P(SolutionTest, AnswersOrSaysWhatIsMissing) {
    const SolutionRow& row = GetParam();
    const std::optional<SolutionAnswer> answer =
        solutionCommand(row.line, row.molarMass, row.separator);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->text, row.text);
    EXPECT_EQ(answer->fault, row.fault);
}

INSTANTIATE_TEST_SUITE_P(Answers, SolutionTest, testing::ValuesIn(kAnswers), kRowName);
INSTANTIATE_TEST_SUITE_P(Messages, SolutionTest, testing::ValuesIn(kMessages), kRowName);

TEST(SolutionTest, OtherCommandLinesAreNotSolutionWords) {
    for (const char* line : {"#mem", "#fix 3", "#weighing 1 M 1 L", "weigh 1 M 1 L", "#"}) {
        EXPECT_FALSE(solutionCommand(line, kNaCl, '.').has_value()) << line;
    }
}

} // namespace
} // namespace zolvan
