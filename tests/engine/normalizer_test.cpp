#include "engine/normalizer.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <string>

namespace zolvan {
namespace {

// One typed line with the last answer "5", "." as decimal separator and no 1000 separator.
struct LineRow {
    const char* name;
    const char* typed;
    const char* canonical;
    bool elementPrecision;
    int calcKind = 0;
};

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

EngineState freshState() {
    EngineState state;
    state.AnsText = "5";
    state.ExpandedLine = "kept";
    state.ElementPrecision = false; // the normalizer must set it itself
    return state;
}

class NormalizeLineTest : public testing::TestWithParam<LineRow> {};

TEST_P(NormalizeLineTest, WritesCanonicalTextAndFlags) {
    const LineRow& row = GetParam();
    EngineState state = freshState();
    EXPECT_EQ(normalizeInput(state, row.typed), row.canonical);
    EXPECT_EQ(state.ElementPrecision, row.elementPrecision);
    EXPECT_EQ(state.CalcKind, row.calcKind);
    EXPECT_EQ(state.ExpandedLine, row.calcKind == 2 ? "" : "kept");
}

// Running the normalizer on its own result changes nothing.
TEST_P(NormalizeLineTest, CanonicalTextIsStable) {
    EngineState state = freshState();
    const std::string once = normalizeInput(state, GetParam().typed);
    EXPECT_EQ(normalizeInput(state, once), once);
}

INSTANTIATE_TEST_SUITE_P(
    LetterCase, NormalizeLineTest,
    testing::Values(
        LineRow{"Water", "h2o", "H2O", true}, LineRow{"Salt", "nacl", "NaCl", true},
        LineRow{"CarbonDioxide", "co2", "CO2", true},
        LineRow{"TwoLetterCoIsCobalt", "co", "Co", true},
        LineRow{"CapitalCoStaysCobalt", "Co", "Co", true},
        LineRow{"CobaltAndSulfur", "CoS", "CoS", true}, LineRow{"HfIsHafnium", "hf", "Hf", true},
        LineRow{"HfWithCountIsHydrogenFluoride", "hf2", "HF2", true},
        LineRow{"HoIsHolmium", "ho", "Ho", true}, LineRow{"NoIsNobelium", "no", "No", true},
        LineRow{"NitrogenDioxide", "no2", "NO2", true},
        LineRow{"Permanganate", "mno4", "MnO4", true},
        LineRow{"CapitalMBeforeNo", "Mno4", "MNO4", true}, LineRow{"Zinc", "zn", "Zn", true},
        LineRow{"Phosphate", "po4", "PO4", true}, LineRow{"Sulfate", "so4", "SO4", true},
        LineRow{"XAlwaysCapital", "xe", "Xe", true}, LineRow{"VanadiumOxide", "v2o5", "V2O5", true},
        LineRow{"CapitalSinIsElements", "SIN", "SIN", true},
        LineRow{"CapitalPiIsElements", "PI", "PI", true}),
    rowName<LineRow>);

INSTANTIATE_TEST_SUITE_P(
    Tokens, NormalizeLineTest,
    testing::Values(LineRow{"Cosine", "cos30", ":cos30", false},
                    LineRow{"LongestNameWins", "sqrt9", ":sqrt9", false},
                    LineRow{"ShortNameAlone", "sqr9", ":sqr9", false},
                    LineRow{"SixLetterName", "arcsin1", ":arcsin1", false},
                    LineRow{"TgKeepsItsSpelling", "tg1", ":tg1", false},
                    LineRow{"TypedColonIsDropped", ":sin30", ":sin30", false},
                    LineRow{"Pi", "pi", ":pi", false},
                    LineRow{"PiBeforeDigit", "pi2", ":pi*2", false},
                    LineRow{"AnsBeforeDigit", "ans2", ":ans*2", false},
                    LineRow{"MemoryAlone", "mem", ":mem", false},
                    LineRow{"BareFunctionTakesAnswer", "sin", ":sin5", false},
                    LineRow{"FunctionBeforeOperatorTakesAnswer", "sin+1", ":sin5+1", false},
                    LineRow{"ValueBeforeOperator", "ans+1", ":ans+1", false},
                    // A token after a number gets a "*" in front; the text written then begins
                    // with "*", not ":", so element precision stays set.
                    LineRow{"DigitBeforePi", "2pi", "2*:pi", true},
                    LineRow{"DigitBeforeFunction", "2sin30", "2*:sin30", true},
                    LineRow{"BracketBeforeFunction", "(2)sin1", "(2)*:sin1", true},
                    LineRow{"Statistics", "sum", ":sum", false, 1},
                    LineRow{"StatisticsOfSeries", "sum(1+2+3)", ":sum(1+2+3)", false, 1},
                    LineRow{"SquareEquation", "x^2+2x+1", "X^2+2X+1", false, 2}),
    rowName<LineRow>);

INSTANTIATE_TEST_SUITE_P(
    Operators, NormalizeLineTest,
    testing::Values(LineRow{"DoubleStarIsPower", "2**3", "2^3", false},
                    LineRow{"DoubleMinus", "5--3", "5-1*-3", true},
                    LineRow{"PlusMinus", "3+-2", "3-2", true},
                    LineRow{"PlusAfterOperator", "2*+3", "2*3", false},
                    LineRow{"PlusAfterBracket", "(+2)", "(2)", true},
                    LineRow{"EmptyBrackets", "()", "", true},
                    LineRow{"EmptySquareBrackets", "2+[]3", "2+3", true},
                    LineRow{"ExponentPlusDropped", "1e+5", "1E5", true},
                    LineRow{"Exponent", "1e5", "1E5", false},
                    LineRow{"NegativeExponent", "2e-3", "2E-3", false},
                    LineRow{"DivisionClearsPrecision", "6/3", "6/3", false},
                    LineRow{"PercentClearsPrecision", "5%200", "5%200", false},
                    LineRow{"EqualsEndsLine", "1+2=3", "1+2", true},
                    LineRow{"TimesAndDivideSigns", "2\u00D73\u00F74", "2*3/4", true},
                    LineRow{"DroppedMarks", "1<2>3;4@5$6_7`8", "12345678", true},
                    LineRow{"ControlsAndForeignLetters", "1\t+\u00E92\x7F", "1+2", true},
                    LineRow{"InvalidUtf8", "1\xFF+\xC3(2)", "1+(2)", true},
                    LineRow{"DecimalPoint", ".5", "0.5", true},
                    LineRow{"CommaReadAsDecimal", "1,5", "1.5", true},
                    LineRow{"DecimalAfterOperator", "2+.5", "2+0.5", true}),
    rowName<LineRow>);

INSTANTIATE_TEST_SUITE_P(
    Formulas, NormalizeLineTest,
    testing::Values(LineRow{"HydrateSum", "2H2O+NaCl", "2*(H2O)+(NaCl)", true},
                    LineRow{"LowerCaseSum", "2h2o+nacl", "2*(H2O)+(NaCl)", true},
                    LineRow{"BlanksVanish", "2 H2O + Na Cl", "2*(H2O)+(NaCl)", true},
                    LineRow{"CopperSulfateSum", "CuSO4+5H2O", "(CuSO4)+5*(H2O)", true},
                    LineRow{"CopperSulfateProduct", "CuSO4*5H2O", "(CuSO4)*5*(H2O)", false},
                    LineRow{"TermTimesNumber", "H2O*2", "(H2O)*2", false},
                    LineRow{"CoefficientBeforeBracket", "2(OH)", "2*(OH)", true},
                    LineRow{"CoefficientBeforeBrace", "2{OH}", "2*{OH}", true},
                    LineRow{"DecimalCoefficient", "2.5H2O", "2.5*(H2O)", true},
                    LineRow{"HydroxideUnchanged", "Ca(OH)2", "Ca(OH)2", true},
                    LineRow{"NoTermStartNoBrackets", "H2(O)", "H2(O)", true},
                    LineRow{"BracketedTermSum", "Ca(OH)2+2H2O", "(Ca(OH)2)+2*(H2O)", true},
                    LineRow{"BracketProduct", "3(4+5)", "3*(4+5)", true},
                    LineRow{"SquareBracketProduct", "2[3]", "2*[3]", true}),
    rowName<LineRow>);

// Separators and the last answer vary; other settings as above.
struct SettingsRow {
    const char* name;
    const char* typed;
    const char* answer;
    char decimalSeparator;
    bool thousandsSeparator;
    const char* canonical;
};

class NormalizeSettingsTest : public testing::TestWithParam<SettingsRow> {};

TEST_P(NormalizeSettingsTest, UsesSeparatorsAndLastAnswer) {
    const SettingsRow& row = GetParam();
    EngineState state;
    state.AnsText = row.answer;
    state.DecimalSeparator = row.decimalSeparator;
    state.ThousandsSeparator = row.thousandsSeparator;
    EXPECT_EQ(normalizeInput(state, row.typed), row.canonical);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NormalizeSettingsTest,
    testing::Values(SettingsRow{"PointLeadingZero", ".5", "", '.', false, "0.5"},
                    SettingsRow{"CommaLeadingZero", ".5", "", ',', false, "0,5"},
                    SettingsRow{"PointBecomesComma", "1.5", "", ',', false, "1,5"},
                    SettingsRow{"ThousandsKeepsComma", "1,5", "", '.', true, "1,5"},
                    SettingsRow{"ThousandsKeepsBarePoint", ".5", "", '.', true, ".5"},
                    SettingsRow{"ContinuesNumber", "*2", "5", '.', false, "5*2"},
                    SettingsRow{"ContinuesCommaNumber", "*2", "2,5", ',', false, "2,5*2"},
                    SettingsRow{"WrongSeparatorIsNoNumber", "*2", "2,5", '.', false, "???*2"},
                    SettingsRow{"ContinuesWithPlus", "+2", "5", '.', false, "5+2"},
                    SettingsRow{"ContinuesWithPower", "^2", "5", '.', false, "5^2"},
                    SettingsRow{"MessageIsNoNumber", "*2", "Syntax error!", '.', false, "???*2"},
                    SettingsRow{"NoAnswerYet", "%2", "", '.', false, "???%2"},
                    SettingsRow{"LeadingMinusIsSign", "-2", "5", '.', false, "-2"},
                    SettingsRow{"BareFunctionTakesMessage", "sin", "Syntax error!", '.', false,
                                ":sinSyntax error!"}),
    rowName<SettingsRow>);

TEST(NormalizeStateTest, OrdinaryLineLeavesCalcKind) {
    EngineState state;
    state.CalcKind = -2;
    EXPECT_EQ(normalizeInput(state, "2+2"), "2+2");
    EXPECT_EQ(state.CalcKind, -2);
}

// Positions are 16-bit: 32,767 characters or more cannot be walked.
struct LengthRow {
    const char* name;
    std::string typed;
    bool fault;
};

class NormalizeLengthTest : public testing::TestWithParam<LengthRow> {};

TEST_P(NormalizeLengthTest, RejectsLinesBeyondSixteenBitPositions) {
    EngineState state;
    const std::string result = normalizeInput(state, GetParam().typed);
    EXPECT_EQ(result == fault::LineTooLong, GetParam().fault) << result.substr(0, 40);
}

std::string repeated(std::string_view piece, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Values, NormalizeLengthTest,
    testing::Values(LengthRow{"LongestLine", std::string(32766, '1'), false},
                    LengthRow{"OneTooMany", std::string(32767, '1'), true},
                    LengthRow{"BlanksCount", std::string(40000, ' '), true},
                    LengthRow{"AfterEqualsCounts", "1=" + std::string(32765, '1'), true},
                    LengthRow{"CountsCharactersNotBytes", repeated("\u00E9", 20000), false},
                    LengthRow{"ManyForeignCharacters", repeated("\u00E9", 32767), true},
                    // Each further "-" after "-" writes three characters: the formula pass
                    // would walk more than 32,766 of them.
                    LengthRow{"FormulaPassTooLong", "H+" + std::string(12000, '-'), true},
                    LengthRow{"SameWithoutFormula", "1+" + std::string(12000, '-'), false}),
    rowName<LengthRow>);

TEST(NormalizeLongLineTest, LongFormulaIsBracketedThroughout) {
    EngineState state;
    EXPECT_EQ(normalizeInput(state, repeated("h2o+", 8000)), repeated("(H2O)+", 8000));
}

} // namespace
} // namespace zolvan
