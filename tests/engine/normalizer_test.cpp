#include "engine/normalizer.h"

#include "engine/calculate.h"
#include "engine_test.h"

#include <tuple>

namespace zolvan {
namespace {

// One typed line; by default the last answer is "5", "." is the decimal separator and the
// 1000 separator is off. calcKind 0 means the line leaves CalcKind as it was.
struct LineRow {
    const char* name;
    const char* typed;
    const char* canonical;
    bool elementPrecision;
    int calcKind = 0;
    const char* answer = "5";
    char decimalSeparator = '.';
    bool thousandsSeparator = false;
};

class NormalizeLineTest : public testing::TestWithParam<LineRow> {};

// Also runs the normalizer on its own result, which must change nothing.
TEST_P(NormalizeLineTest, WritesCanonicalTextAndFlags) {
    const LineRow& row = GetParam();
    EngineState state;
    state.ExpandedLine = "kept";
    state.AnsText = row.answer;
    state.CalcKind = -2;
    state.ElementPrecision = false; // the normalizer must set it itself
    state.DecimalSeparator = row.decimalSeparator;
    state.ThousandsSeparator = row.thousandsSeparator;
    EXPECT_EQ(normalizeInput(state, row.typed), row.canonical);
    EXPECT_EQ(state.ElementPrecision, row.elementPrecision);
    EXPECT_EQ(state.CalcKind, row.calcKind == 0 ? -2 : row.calcKind);
    EXPECT_EQ(state.ExpandedLine, row.calcKind == 2 ? "" : "kept");
    EXPECT_EQ(normalizeInput(state, row.canonical), row.canonical);
    // Written into the memory of an earlier, longer line: none of it is left.
    std::string into(100, '#');
    EXPECT_FALSE(canonicalForm(state, row.typed, into).fault.has_value());
    EXPECT_EQ(into, row.canonical);
}

const LineRow kLines[] = {
    {"CarbonDioxide", "co2", "CO2", true},
    {"TwoLetterCoIsCobalt", "co", "Co", true},
    {"HfWithCountIsHydrogenFluoride", "hf2", "HF2", true},
    {"Permanganate", "mno4", "MnO4", true},
    {"CapitalMBeforeNo", "Mno4", "MNO4", true},
    {"ZincBeforeOxygen", "zno", "ZnO", true},
    {"CapitalSinIsElements", "SIN", "SIN", true},
    {"LongestNameWins", "sqrt9", ":sqrt9", false},
    {"Pi", "pi", ":pi", false},
    {"PiBeforeDigit", "pi2", ":pi*2", false},
    {"BareFunctionTakesAnswer", "sin", ":sin5", false},
    {"FunctionBeforeOperatorTakesAnswer", "sin+1", ":sin5+1", false},
    // The "*" written before a token keeps element precision: the text begins with "*".
    {"DigitBeforePi", "2pi", "2*:pi", true},
    {"SquareEquation", "x^2+2x+1", "X^2+2X+1", false, 2},
    {"DoubleStarIsPower", "2**3", "2^3", false},
    {"DoubleMinus", "5--3", "5-1*-3", true},
    {"PlusMinus", "3+-2", "3-2", true},
    {"MinusPlus", "5-+3", "5-3", true},
    {"PlusAfterBracket", "(+3)-2", "(3)-2", true},
    {"EmptySquareBracketsBetweenDigits", "2[]3", "23", true},
    {"MinusBetweenTerms", "H-(OH)", "(H)-(OH)", true},
    {"SeparatorWithinNumber", "12.5*8", "12,5*8", false, 0, "5", ','},
    {"EverySeparatorWithinNumber", "1.5.2", "1,5,2", true, 0, "5", ','},
    {"EmptyBrackets", "()", "", true},
    {"ExponentPlusDropped", "1e+5", "1E5", true},
    {"NegativeExponent", "2e-3", "2E-3", false},
    {"PercentClearsPrecision", "5%200", "5%200", false},
    {"TimesAndDivideSigns", "2\u00D73\u00F74", "2*3/4", true},
    {"OperatorBeforeABlank", "1234*6 7", "1234*67", false},
    {"BracketBeforeABlank", "1234(6 7)", "1234*(67)", true},
    {"DroppedMarks", "1<2>3;4@5$6_7`8:9", "123456789", true},
    {"ControlsForeignAndInvalidUtf8", "1\t+\u00E92\x7F+\xFF\xC3(3)", "1+2+(3)", true},
    {"TermTimesNumber", "H2O*2", "(H2O)*2", false},
    {"CoefficientBeforeBracket", "2(OH)", "2*(OH)", true},
    {"NoTermStartNoBrackets", "H2(O)", "H2(O)", true},
    {"BracketProduct", "3(4+5)", "3*(4+5)", true},
    {"CountAfterBracketRunsToOperator", "(OH)2+2nacl", "(OH)2+2*(NaCl)", true},
    {"BracketedTermKeepsItsBrackets", "3h2o*2+[nacl]", "3*(H2O)*2+[NaCl]", false},
    {"CoefficientBeforeCurlyBracket", "2{co}3", "2*{CO}3", true},
    {"BracketProductContinuesAnswer", "+2(3)", "5+2*(3)", true},
    {"BracketAfterPlusPair", "2(+3)", "2*(3)", true},
    {"BracketAfterEmptyPair", "2()(3)", "2*(3)", true},
    {"BracketInAnswerMultiplies", "sin+(1)", ":sin2*(3)+(1)", false, 0, "2(3)"},
    {"CommaLeadingZero", ".5", "0,5", true, 0, "5", ','},
    {"ThousandsKeepsComma", "1,5", "1,5", true, 0, "5", '.', true},
    {"ContinuesCommaNumber", "*2", "2,5*2", false, 0, "2,5", ','},
    {"MessageIsNoNumber", "*2", "???*2", false, 0, "Syntax error!"},
};

INSTANTIATE_TEST_SUITE_P(Lines, NormalizeLineTest, testing::ValuesIn(kLines), test::kRowName);

// Hydrate dots, subscript and full-width digits: the typed line's canonical text and result,
// and the canonical text typed again (as a saved task file is read) gives both again.
struct ReadingRow {
    const char* name;
    const char* typed;
    const char* canonical;
    const char* result;
    char decimalSeparator = '.';
};

class ReadingTest : public testing::TestWithParam<ReadingRow> {};

TEST_P(ReadingTest, GivesTheValueAndReadsBack) {
    const ReadingRow& row = GetParam();
    for (const char* line : {row.typed, row.canonical}) {
        EngineState state;
        state.DecimalSeparator = row.decimalSeparator;
        state.InputLine = line;
        calculateExpression(state);
        EXPECT_EQ(state.NormalizedLine, row.canonical) << line;
        EXPECT_EQ(state.ResultText, row.result) << line;
    }
}

const ReadingRow kReadings[] = {
    {"MiddleDot", "CuSO4\u00B75H2O", "(CuSO4(H2O)5)", "249.686"},
    {"Bullet", "CuSO4\u20225H2O", "(CuSO4(H2O)5)", "249.686"},
    {"BulletOperator", "CuSO4\u22195H2O", "(CuSO4(H2O)5)", "249.686"},
    {"DotOperator", "CuSO4\u22C55H2O", "(CuSO4(H2O)5)", "249.686"},
    {"LowerCaseAndBlanks", "cuso4 \u00B7 5 h2o", "(CuSO4(H2O)5)", "249.686"},
    {"CoefficientCountsWholeUnits", "2CuSO4\u00B75H2O", "(CuSO4(H2O)5)2", "499.372"},
    {"Alum", "KAl(SO4)2\u00B712H2O", "(KAl(SO4)2(H2O)12)", "474.390"},
    {"SodaCrystals", "Na2CO3\u00B710H2O", "(Na2CO3(H2O)10)", "286.1412"},
    {"Hemihydrate", "CaSO4\u00B70.5H2O", "(CaSO4(H2O)0.5)", "145.149"},
    {"HemihydrateDecimalComma", "CaSO4\u00B70,5H2O", "(CaSO4(H2O)0,5)", "145,149", ','},
    {"ThreeParts", "K2SO4\u00B7Al2(SO4)3\u00B724H2O", "(K2SO4(Al2(SO4)3)(H2O)24)", "948.781"},
    {"UnitInASum", "NaCl+CuSO4\u00B75H2O", "(NaCl)+(CuSO4(H2O)5)", "308.128"},
    {"UnitTimesNumberLosesPrecision", "3*CuSO4\u00B75H2O", "3*(CuSO4(H2O)5)", "749.058"},
    {"DotBetweenNumbersMultiplies", "2\u00B73", "2*3", "6"},
    {"DotWithNothingBeforeIsDropped", "\u00B7H2O", "H2O", "18.0153"},
    {"SubscriptDigits", "CuSO\u2084\u00B75H\u2082O", "(CuSO4(H2O)5)", "249.686"},
    {"FullWidthDigits", "C\uFF16H\uFF11\uFF12O\uFF16", "C6H12O6", "180.1559"},
};

INSTANTIATE_TEST_SUITE_P(Readings, ReadingTest, testing::ValuesIn(kReadings), test::kRowName);

// Positions are 16-bit: 32,767 characters or more cannot be walked. The line is the prefix
// followed by `count` copies of the piece; the last column tells whether it is refused.
TEST(NormalizeLengthTest, RejectsLinesBeyondSixteenBitPositions) {
    const std::tuple<const char*, const char*, std::size_t, bool> rows[] = {
        {"", "1", 32766, false},
        {"", "1", 32767, true},
        {"", " ", 40000, true},       // blanks count
        {"1=", "1", 32765, true},     // so does the text after "="
        {"", "\u00E9", 20000, false}, // characters count, not bytes
        // Each further "-" after "-" writes three characters: the formula pass would walk more
        // than 32,766 of them.
        {"H+", "-", 12000, true},
        {"1+", "-", 12000, false},
    };
    for (const auto& [prefix, piece, count, refused] : rows) {
        EngineState state;
        const std::string line = prefix + test::repeated(piece, count);
        const std::string result = normalizeInput(state, line);
        EXPECT_EQ(result == fault::LineTooLong, refused) << prefix << piece << count;
        // A refused line leaves the text it would have been written into as it was.
        std::string into = "earlier";
        canonicalForm(state, line, into);
        EXPECT_EQ(into, refused ? "earlier" : result) << prefix << piece << count;
    }
}

} // namespace
} // namespace zolvan
