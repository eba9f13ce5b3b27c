#include "engine/format_number.h"
#include "engine/number_text.h"

#include "engine_test.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace zolvan {
namespace {

struct TextRow {
    const char* name;
    double value;
    char separator;
    const char* plain;     // numberText
    const char* evaluator; // evaluatorText
};

class NumberTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(NumberTextTest, PlainAndEvaluatorForms) {
    const auto& row = GetParam();
    EXPECT_EQ(numberText(row.value, row.separator), row.plain);
    EXPECT_EQ(evaluatorText(row.value, row.separator), row.evaluator);
    // Written into a string that holds text already: a longer text on the heap is replaced
    // whole, and a short one is kept in front when appended to.
    std::string replaced(80, '#');
    assignNumberText(replaced, row.value, row.separator);
    EXPECT_EQ(replaced, row.plain);
    std::string appended = "x = ";
    appendNumberText(appended, row.value, row.separator);
    EXPECT_EQ(appended, std::string("x = ") + row.plain);
}

const TextRow kTexts[] = {
    {"NegativeZero", -0.0, '.', "0", "0.000000000000e000"},
    {"FifteenDigitsStayPlain", 123456789012345.0, '.', "123456789012345", "1.234567890123e014"},
    {"ExponentFifteenSwitches", 1e15, '.', "1E+15", "1.000000000000e015"},
    {"MillionthsStayPlain", 5e-6, '.', "0.000005", "5.000000000000e-006"},
    {"SixteenDecimals", 0.0123456789012345, ',', "1,23456789012345E-02", "1,234567890123e-002"},
    {"CarryToNextPower", 9.99999999999999, '.', "9.99999999999999", "1.000000000000e001"},
    {"HalfRoundsToEvenDown", 100000000000000.5, '.', "100000000000000", "1.000000000000e014"},
    {"HalfRoundsToEvenUp", 100000000000001.5, '.', "100000000000002", "1.000000000000e014"},
    {"SumNoiseIsRoundedAway", 0.1 + 0.2, ',', "0,3", "3,000000000000e-001"},
    // Beyond the exact scaling: a subnormal is written with its shortest digits, not the
    // binary value's own (4.49599737715534E-322).
    {"SubnormalShortest", 4.5e-322, '.', "4.5E-322", "4.500000000000e-322"},
    {"HugeRounded", 7.257415615307994e306, '.', "7.25741561530799E+306", "7.257415615308e306"},
};
INSTANTIATE_TEST_SUITE_P(Values, NumberTextTest, testing::ValuesIn(kTexts), test::kRowName);

// Text, decimal separator, grouping allowed, the value read (nullopt: no number).
TEST(ReadNumber, ReadsOnlyWholeNumberTexts) {
    constexpr std::optional<double> no;
    const std::tuple<const char*, char, bool, std::optional<double>> rows[] = {
        {"  -3.5 ", '.', false, -3.5},
        {".5", '.', false, 0.5},
        {"5.", '.', false, 5},
        {"2,5", ',', false, 2.5},
        {"2.5", ',', false, no},
        {"1,234.5", '.', true, 1234.5},
        {"1,234.5", '.', false, no},
        {",5", '.', true, no},
        {"", '.', false, no},
        {"-", '.', false, no},
        {"1E", '.', false, no},
        {"E5", '.', false, no},
        {"1.2.3", '.', false, no},
        {"inf", '.', false, no},
        {"1E-999", '.', false, 0},
        {"-1E999", '.', false, -HUGE_VAL}, // an infinity, which callers turn into a fault
    };
    for (const auto& [text, separator, grouping, value] : rows) {
        EXPECT_EQ(readNumber(text, separator, grouping), value) << text;
    }
    EXPECT_FALSE(readsAsNumber("1E999", '.'));
}

// The extent of the number a text starts with, by the parts allowed; the readers and the
// solution and "#fix" commands all find their numbers so.
TEST(ScanNumber, FindsWhereTheNumberEnds) {
    const std::tuple<const char*, NumberSyntax, std::size_t> rows[] = {
        {"-2.5e-3 mL", {}, 7},
        {"5E", {}, 1},
        {"5e+x", {}, 1},
        {".5g", {}, 2},
        {"5.", {}, 2},
        {"1.2.3", {}, 3},
        {"+", {}, 0},
        {"E5", {}, 0},
        {"-5", {.sign = false}, 0},
        {"2E3", {.exponent = false}, 1},
        {"1,234.5", {.grouping = true}, 7},
        {",5", {.grouping = true}, 0},
    };
    for (const auto& [text, syntax, length] : rows) {
        EXPECT_EQ(scanNumber(text, '.', syntax).length, length) << text;
    }
}

// The quick paths of both conversions must agree with the general ones on every value: the
// text is the value rounded to 15 digits, and reading gives the correctly rounded double. The
// values of the texts, found without writing them, are those read back. The shortest text is
// to_chars' own.
TEST(NumberText, QuickPathsAgreeWithCorrectRounding) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<long long> mantissa(-999999999999999, 999999999999999);
    std::uniform_int_distribution<int> places(0, 20);
    std::uniform_int_distribution<std::uint64_t> bits;
    // Where to_chars turns from fixed to scientific notation, and ties between the two.
    for (const double v : {0.0, -0.0, 1e5, 1e6, 2e6, 123e4, 1e-4, 1e-5, 12e-5, -0.5, 1e21, 1e100}) {
        std::string shortest;
        appendShortestText(shortest, v);
        char expected[32];
        const auto end = std::to_chars(expected, expected + sizeof expected, v).ptr;
        EXPECT_EQ(shortest, std::string_view(expected, end));
    }
    for (int i = 0; i < 200000; ++i) {
        const double decimal =
            static_cast<double>(mantissa(random)) / std::pow(10.0, places(random));
        const auto anyValue = std::bit_cast<double>(bits(random));
        const char separator = i % 2 == 0 ? ',' : '.';
        for (const double v : {decimal, anyValue}) {
            if (!std::isfinite(v)) {
                continue;
            }
            char rounded[40];
            std::snprintf(rounded, sizeof rounded, "%.14e", v);
            const std::string text = numberText(v, separator);
            const bool plainWithDecimals =
                text.find(separator) != std::string::npos && text.find('E') == std::string::npos;
            EXPECT_FALSE(plainWithDecimals && text.back() == '0') << text;
            const auto back = readNumber(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(*back, std::strtod(rounded, nullptr)) << text << " " << rounded;
            EXPECT_EQ(numberTextValue(v), *back) << text;
            const std::string evaluator = evaluatorText(v, separator);
            EXPECT_EQ(evaluatorTextValue(v), readNumber(evaluator, separator)) << evaluator;
            std::string shortest;
            appendShortestText(shortest, v);
            const auto end = std::to_chars(rounded, rounded + sizeof rounded, v).ptr;
            EXPECT_EQ(shortest, std::string_view(rounded, end)) << rounded;
        }
    }
}

// The values of 15- and 13-digit texts are what reading the correctly rounded text gives, at
// every decimal exponent: on the carry into a new digit, at the ends of the double range, and
// just beside the halves between two decimals, where the scaled value of a large or small
// magnitude (no exact power of ten) must be known closely enough to round the right way.
TEST(NumberText, TextValuesAgreeWithReadingTheRoundedText) {
    const auto expectAsRead = [](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%.14e", v);
        EXPECT_EQ(numberTextValue(v), std::strtod(text, nullptr)) << text;
        if (std::isfinite(numberTextValue(v))) {
            EXPECT_EQ(readNumber(numberText(v, '.'), '.'), numberTextValue(v)) << text;
        }
        std::snprintf(text, sizeof text, "%.12e", v);
        EXPECT_EQ(evaluatorTextValue(v), std::strtod(text, nullptr)) << text;
        EXPECT_EQ(evaluatorTextValueOfResult(v), evaluatorTextValue(numberTextValue(v))) << text;
    };
    for (const double v : {999999999999999.7, -999999999999999.5, 9999999999999.97, 9999999999999.5,
                           99999999999999.5, 999999999999995.0, -0.0, 12.0, 0.99999999999999997,
                           1.7976931348623157e308, 1.79769313486231e308, 9.99999999999999e307,
                           0x1p1000, 0x1p-900, 1e-290, 2.2250738585072014e-308, 4.9e-324}) {
        expectAsRead(v);
    }
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<long long> mantissa(100000000000000, 999999999999999);
    std::uniform_int_distribution<long long> thirteenDigits(1000000000000, 9999999999999);
    std::uniform_int_distribution<int> lastTwo(48, 52);
    for (int exponent = -320; exponent <= 308; ++exponent) {
        for (int i = 0; i < 100; ++i) {
            char text[40];
            // Beside a half of the 15th digit, and 15 digits beside a half of the 13th.
            std::snprintf(text, sizeof text, "%lld5e%d", mantissa(random), exponent - 15);
            const double half = std::strtod(text, nullptr);
            std::snprintf(text, sizeof text, "%lld%02de%d", thirteenDigits(random), lastTwo(random),
                          exponent - 14);
            const double fifteen = std::strtod(text, nullptr);
            for (const double v :
                 {half, std::nextafter(half, 0.0), std::nextafter(half, HUGE_VAL), fifteen,
                  std::nextafter(fifteen, 0.0), std::nextafter(fifteen, HUGE_VAL)}) {
                if (std::isfinite(v)) {
                    expectAsRead(v);
                    expectAsRead(-v);
                }
            }
        }
    }
}

// Mode 0 automatic, 1 scientific, 2 fixed (standard with the 1000 separator), 3 molecular
// weight (fixed at the element decimals when an element was met). The fixed and scientific
// patterns round the value's 15-digit decimal form, halves away from zero.
struct FormatRow {
    const char* name;
    const char* value;
    std::int16_t mode;
    const char* digits;
    bool thousands;
    std::int16_t elementDecimals;
    char separator;
    const char* expected;
};

class FormatNumberTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberTest, ChoosesThePatternByMode) {
    const auto& r = GetParam();
    EXPECT_EQ(formatNumber(r.value, r.mode, r.digits, r.thousands, r.elementDecimals, r.separator),
              r.expected);
}

const FormatRow kFormats[] = {
    {"AutomaticIsGeneral", "1.801528000000e001", 0, "00", false, 10, '.', "18.01528"},
    {"FixedTieRoundsAwayFromZero", "-2.675", 2, "00", false, 10, '.', "-2.68"},
    {"FixedCarriesIntoNewDigit", "9.9996", 2, "000", false, 10, '.', "10.000"},
    {"FixedWithoutDecimalsDropsSeparator", "2.5", 2, "", false, 10, '.', "3"},
    {"FixedSmallNegativeIsPlainZero", "-0.001", 2, "00", false, 10, '.', "0.00"},
    {"SeparatorMakesFixedStandard", "-1234567.891", 2, "", true, 10, '.', "-1,234,567.89"},
    {"StandardCarriesInComma", "999,999", 2, "", true, 10, ',', "1.000,00"},
    {"ScientificIgnoresSeparator", "1234.5678", 1, "0", true, 10, '.', "1.2 E+03"},
    {"ScientificCarriesIntoNextPower", "9.9996", 1, "000", false, 10, '.', "1.000 E+01"},
    {"ScientificZero", "0", 1, "00", false, 10, '.', "0.00 E+00"},
    {"ScientificThreeExponentDigits", "-1E-200", 1, "0", false, 10, '.', "-1.0 E-200"},
    {"WeightKeepsElementDecimals", "9.447303000000e001", 3, "0000", false, 4, '.', "94.4730"},
    {"WeightWithoutElementIsGeneral", "9.447303000000e001", 3, "000", false, 10, '.', "94.47303"},
    {"MessagePasses", "Syntax error!", 2, "00", true, 10, '.', "Syntax error!"},
    {"OverflowPasses", "1E999", 1, "00", false, 10, '.', "1E999"},
    {"DotTextIsNoNumberInComma", "1.5", 2, "00", false, 10, ',', "1.5"},
    {"UnknownModeIsGeneral", "2.500000000000e000", 7, "00", false, 10, '.', "2.5"},
    // A text already in the general form is kept; any other is written again.
    {"GeneralKeepsItsOwnForm", "-0.0125", 0, "00", false, 10, '.', "-0.0125"},
    {"GeneralDropsTrailingZeros", "2,50", 0, "00", false, 10, ',', "2,5"},
    {"GeneralDropsLeadingZeros", "007", 0, "00", false, 10, '.', "7"},
    {"GeneralWritesNegativeZeroAsZero", "-0", 0, "00", false, 10, '.', "0"},
    {"GeneralAddsZeroBeforeSeparator", ".5", 3, "00", false, 10, '.', "0.5"},
    {"GeneralDropsLoneSeparator", "5.", 0, "00", false, 10, '.', "5"},
    {"GeneralRoundsSixteenDigits", "0.1000000000000001", 0, "00", false, 10, '.', "0.1"},
    {"GeneralReadsBlanksAround", " 2.50 ", 0, "00", false, 10, '.', "2.5"},
    {"FixedReadsBlanksAround", " -2.5", 2, "00", false, 10, '.', "-2.50"},
    {"FixedPlainDecimal", "94.47303", 3, "0000", false, 4, '.', "94.4730"},
    {"ScientificExponentForm", "2.5E-3", 1, "00", false, 10, '.', "2.50 E-03"},
};
INSTANTIATE_TEST_SUITE_P(Modes, FormatNumberTest, testing::ValuesIn(kFormats), test::kRowName);

// fixedText written over an earlier text: nothing of that text is left, whichever way the
// digits are found (one 64-bit integer, or the general decimal for large values).
TEST(FixedText, ReplacesTheTextItIsWrittenInto) {
    const std::tuple<double, int, std::string> rows[] = {
        {94.47303, 4, "94.4730"},
        {-0.001, 2, "0.00"},
        {2.5, 0, "3"},
        {1e20, 2, "100000000000000000000.00"},
        {-1.5e300, 0, "-15" + std::string(299, '0')},
        {std::numeric_limits<double>::infinity(), 2, "Error: Overflow"},
    };
    for (const auto& [value, decimals, expected] : rows) {
        for (const std::size_t earlier : {3, 400}) {
            std::string text(earlier, '#');
            assignFixedText(text, value, decimals, '.');
            EXPECT_EQ(text, expected) << value << " over " << earlier;
            EXPECT_EQ(fixedText(value, decimals, '.'), expected) << value;
        }
    }
}

} // namespace
} // namespace zolvan
