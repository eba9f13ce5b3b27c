#include "engine/arithmetic.h"
#include "engine/ascii.h"
#include "engine/functions.h"

#include "engine_test.h"
#include "reference_arithmetic.h"

#include <array>
#include <limits>
#include <random>
#include <set>

namespace zolvan {
namespace {

using namespace std::literals;

// The engine's single-pass evaluator is checked against a plain step-by-step rewriting of the
// text (reference_arithmetic.h) in each of these settings: the results and the data series must
// be identical for every text, well formed or not.
struct Settings {
    const char* name;
    char separator;
    bool grouping;
    std::int16_t angleUnit;
};

constexpr Settings kSettings[] = {{"Point", '.', false, 0},
                                  {"PointGroupedDegrees", '.', true, 1},
                                  {"CommaGrads", ',', false, 2},
                                  {"CommaGroupedDegrees", ',', true, 1}};

// Every unsigned number of the text with its value, as the expansion hands in the weights it
// wrote: many are no whole operand (a digit run after a sign, a separator or an exponent mark).
KnownNumbers numbersOf(std::string_view text, char separator) {
    KnownNumbers known;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!ascii::isDigit(text[k]) || (k > 0 && ascii::isDigit(text[k - 1]))) {
            continue;
        }
        const NumberScan scan = scanNumber(text.substr(k), separator, {.sign = false});
        known.add(k, scan.length, scannedValue(text.substr(k), scan, separator).value_or(0.0));
    }
    return known;
}

// Runs both evaluators on copies of one state and expects the same result, data series and
// random generator state from both, and the same again when the values of the text's numbers
// are handed in; gives the engine's result.
std::string checked(const Settings& settings, const std::string& text) {
    EngineState engine;
    engine.AnsText = numberText(2.5, settings.separator);
    engine.MemoryValue = -3.25;
    engine.AngleUnit = settings.angleUnit;
    engine.DecimalSeparator = settings.separator;
    engine.ThousandsSeparator = settings.grouping;
    EngineState reference = engine;
    EngineState known = engine;
    const std::string result = evaluateArithmetic(engine, text);
    const std::string where = std::string(settings.name) + " \"" + text + '"';
    EXPECT_EQ(result, reference::evaluateArithmetic(reference, text)) << where;
    EXPECT_EQ(engine.DataValues, reference.DataValues) << where;
    EXPECT_TRUE(engine.Random == reference.Random) << where;
    EngineState plain = known;
    EXPECT_EQ(evaluateArithmeticValue(known, text, numbersOf(text, settings.separator).items()),
              evaluateArithmeticValue(plain, text))
        << where;
    EXPECT_EQ(known.DataValues, plain.DataValues) << where;
    return result;
}

struct Row {
    const char* text;
    // A number (written with ".") stands for the value in the final pattern; else the message.
    const char* expected;
    int settings = 0; // in kSettings
};

constexpr Row kRows[] = {
    {"", ""},
    // the documented orders of reduction, exponent signs, grouping
    {"-2^2", "4"},
    {":sin30^2", "0.25", 1},
    {"2^3^2", "64"},
    {"1E+20+1E+20+1E+20", "3E+20"},
    {":sqrt(4*4)+1", "5"},
    {"1.000,5+1", "1001.5", 3},
    // brackets: the first ")" decides which message comes first
    {")2(", "Missing right bracket ')' !"},
    {"(1))", "Missing left bracket '(' !"},
    {"(2/0", "Missing right bracket ')' !"},
    {"(2/0))", "Cannot divide by zero!"},
    // operators
    {"-8^0,5", "Root of a negative number!", 2},
    {"-8^:sqrt2", "Root of a negative number!"},
    {"10+50%", "Syntax error!"},
    {"()", "Syntax error!"},
    // messages of function operands, the leftmost first
    {"1+:tan90", "<Infinite number>", 1},
    {"2+*:ln0", "Logarithm of a zero!"},
    {":ln0+:log-1", "Logarithm of a zero!"},
    {":dat5+:dat7+:datx", "No valid data!"}, // with 5 and 7 in the data series
    // faults of the arithmetic itself
    {"2*x", "Error: Not a number"},
    {"1E+200*1E+200", "Error: Overflow"},
    {"1E+999+1", "Error: Overflow"},
    {"-8^1E-1", "Error: Invalid operation"},
};

TEST(ArithmeticTest, GivesValueInFinalPatternOrMessage) {
    for (const Row& row : kRows) {
        const Settings& settings = kSettings[row.settings];
        const std::optional<double> value = readNumber(row.expected, '.');
        const auto expected = value ? evaluatorText(*value, settings.separator) : row.expected;
        EXPECT_EQ(checked(settings, row.text), expected) << row.text;
    }
}

// The deepest nesting a line can hold reduces (the speed of long lines is measured in bench/).
TEST(ArithmeticTest, DeepestNestingReduces) {
    EngineState state;
    const std::string text = test::repeated("(", 16383) + "1" + test::repeated(")", 16383);
    EXPECT_EQ(evaluateArithmetic(state, text), evaluatorText(1, '.'));
}

// Functions: the operands that begin with ":" or end with "!".
enum Unit : std::int16_t { R, D, G }; // radians, degrees, grads

struct FunctionRow {
    const char* operand;
    std::int16_t unit;
    // A number as the engine writes it (15 significant digits, "."), so that a special angle
    // must give exactly 0 or 1, not a residue such as 1.2E-16; or the message.
    const char* expected;
    char separator = '.';
};

// The previous result is -16 and the memory 0.25 in every row.
constexpr FunctionRow kFunctionRows[] = {
    // special angles, after reducing by whole periods
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
    // every other spelling, each found among the names that share its first letter
    {":arccos1", D, "0"},
    {":acot1", D, "45"},
    {":arccot1", R, "0.785398163397448"},
    {":asin1", D, "90"},
    {":atan1", D, "45"},
    {":arctan-1", D, "-45"},
    {":atg0", D, "0"},
    {":aln0", R, "1"},
    {":exp0", R, "1"},
    {":int-2.5", R, "-3"},
    {":log1000", R, "3"},
    {":ppm5", R, "0.000005"},
    {":ran0", R, "0"},
    {":sgn-3", R, "-1"},
    {":sqr6.25", R, "2.5"},
    {":tg45", D, "1"},
    {":sinh1", R, "Syntax error!"},
    {":a1", R, "Syntax error!"},
    {":z1", R, "Syntax error!"},
    // names run up to the first digit, "-" or "(" and are compared exactly
    {":pi", R, "Syntax error!"},
    {":sin.5", R, "Syntax error!"},
    {":SIN30", R, "Syntax error!"},
    // chains run right to left; named values are spliced only behind a token
    {":sqrt:abs-2,25", R, "1.5", ','},
    {":abs:ans", R, "16"},
    {":sqrt:mem", R, "0.5"},
    {":ans", R, "Syntax error!"},
    // an inner message is spliced as text and the outer token fails on it
    {":sin:sqrt-4", R, "Error: Not a number"},
    {":sin:acos2", D, "Syntax error!"},
};

TEST(FunctionTest, GivesNumberOrMessage) {
    for (const FunctionRow& row : kFunctionRows) {
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
            const double value = std::get<double>(evaluateFunction(state, ":ran10"));
            EXPECT_TRUE(value >= 0 && value < 10) << value;
            seen.insert(value);
        }
        EXPECT_GT(seen.size(), 90u);
    }
}

// Written with "." as decimal separator and "," as group separator; the comma settings swap
// the two.
constexpr std::string_view kTrickyTexts[] = {
    // signs, exponents (also written back), grouping, stray characters
    "-2^-2", "2E+5E+5", "1E+*2", "1.7E+308+1.7E+308", "1,234.5*2", "12,34+1", "2 3", "1..2",
    // brackets in every error order
    "(1))(", "()2", "2(3)", "(1)E+5", "(2(1/0)",
    // operators at bracket ends, doubled, and the order of reduction
    "(*2)", "2+*3", "-8^2^0.5", "2^-2^0.5", "0^-1", "-8^1,000",
    // function values next to operators are used as their number text
    "-8^:atan1", ":sqrt2^99", "-8^:atan1E+20", ":abs1.7976931348623157E+308",
    ":alog308.254715559916", "2+:ans", "(5!)!", ":sin3!", "2:sin30", ":sinx1",
    // messages from functions, data entries before and after them
    "(:ln0)/0", ":ln0+(2", ":dat5+:datx", ":dat5^:dat2/0", "2/0*:dat5", ":dat1,5+1", ":dat(1+1)"};

// Random texts from the evaluator's input grammar: signed numbers with decimals, grouping and
// exponents, the five operators, brackets (now and then empty or unclosed), function tokens,
// chains and named values, factorials, and now and then a character inserted or deleted.
struct TextGenerator {
    std::mt19937 random;
    char separator;
    int budget = 0;

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <typename List> auto pick(const List& from) {
        return std::data(from)[between(0, static_cast<int>(std::size(from)) - 1)];
    }

    std::string digits(int low, int high) {
        std::string out;
        for (int n = between(low, high); n > 0; --n) {
            out += static_cast<char>('0' + between(0, 9));
        }
        return out;
    }

    std::string number() {
        std::string out = (chance(0.25) ? "-" : "") + digits(1, 3);
        out += chance(0.05) ? groupSeparatorFor(separator) + digits(3, 3) : "";
        out += chance(0.3) ? separator + digits(0, 4) : "";
        out += chance(0.12) ? (chance(0.5) ? "E+" : "E-") + digits(1, chance(0.1) ? 3 : 2) : "";
        return out;
    }

    std::string operand(int depth) {
        static constexpr std::string_view kNames[] = {":sin",  ":cos",  ":tan", ":cot",  ":sqrt",
                                                      ":ln",   ":dat",  ":abs", ":alog", ":asin",
                                                      ":acos", ":atan", ":ran", ":xyz"};
        --budget;
        const int kind = between(0, 11);
        if (kind <= 5 || (kind >= 8 && depth >= 4)) {
            return number();
        }
        if (kind == 6) {
            std::string out(pick(kNames));
            out += chance(0.3) ? pick(kNames) : ""sv;
            return out + (chance(0.15) ? std::string(pick(std::array{":pi"sv, ":ans"sv, ":mem"sv}))
                                       : number());
        }
        if (kind == 7) {
            return std::to_string(between(0, chance(0.1) ? 200 : 12)) + "!";
        }
        std::string out(kind == 8 ? pick(kNames) : chance(0.2) ? "-1*"sv : ""sv);
        out += "(" + (chance(0.05) ? "" : expression(depth + 1));
        return out + (chance(0.05) ? "" : ")");
    }

    std::string expression(int depth) {
        std::string out = operand(depth);
        while (budget > 0 && chance(0.7)) {
            out += pick("^/*%++"sv);
            out += operand(depth);
        }
        return out;
    }

    std::string next() {
        budget = between(1, 30);
        std::string text = expression(0);
        for (int n = chance(0.25) ? between(1, 3) : 0; n > 0; --n) {
            const auto at = static_cast<std::size_t>(between(0, static_cast<int>(text.size())));
            const bool erase = chance(0.5) && at < text.size();
            text.replace(at, erase ? 1 : 0,
                         erase ? "" : std::string(1, pick("()()^*/%+-E!:x .,e0"sv)));
        }
        return text;
    }
};

class ArithmeticReferenceTest : public testing::TestWithParam<Settings> {};

// Among the generated texts both numbers and messages must be common, so that the comparison
// covers the value paths and the failure paths. The first mismatch ends the run.
TEST_P(ArithmeticReferenceTest, TrickyAndGeneratedTextsAgree) {
    const bool comma = GetParam().separator == ',';
    for (const std::string_view written : kTrickyTexts) {
        std::string text(written);
        for (char& ch : text) {
            ch = comma && ch == '.' ? ',' : comma && ch == ',' ? '.' : ch;
        }
        checked(GetParam(), text);
    }
    for (const unsigned seed : {20240u, 31337u, 4242u, 77u}) {
        TextGenerator generator{std::mt19937(seed), GetParam().separator};
        int numbers = 0;
        for (int i = 0; i < 5000 && !HasFailure(); ++i) {
            numbers += readsAsNumber(checked(GetParam(), generator.next()), GetParam().separator);
        }
        EXPECT_GT(numbers, 1000) << "seed " << seed;
        EXPECT_LT(numbers, 4000) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(All, ArithmeticReferenceTest, testing::ValuesIn(kSettings),
                         test::kRowName);

} // namespace
} // namespace zolvan
