#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

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
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(TextRow{"NegativeZero", -0.0, '.', "0", "0.000000000000e000"},
                    TextRow{"MolecularWeight", 18.01528, ',', "18,01528", "1,801528000000e001"},
                    TextRow{"RoundsAtFifteenDigits", 1.0 / 3.0, '.', "0.333333333333333",
                            "3.333333333333e-001"},
                    TextRow{"SumHidesBinaryNoise", 0.1 + 0.2, '.', "0.3", "3.000000000000e-001"},
                    TextRow{"FifteenIntegerDigitsStayPlain", 123456789012345.0, '.',
                            "123456789012345", "1.234567890123e014"},
                    TextRow{"ExponentFifteenSwitches", 1e15, '.', "1E+15", "1.000000000000e015"},
                    TextRow{"LargestFactorial", 7.257415615307994e306, '.', "7.25741561530799E+306",
                            "7.257415615308e306"},
                    TextRow{"PartsPerMillionStayPlain", 5e-6, '.', "0.000005",
                            "5.000000000000e-006"},
                    TextRow{"TinyUsesExponent", -1.2246063538832e-16, '.', "-1.2246063538832E-16",
                            "-1.224606353883e-016"},
                    TextRow{"SixteenDecimalsUseExponent", 0.0123456789012345, ',',
                            "1,23456789012345E-02", "1,234567890123e-002"},
                    TextRow{"RoundingCarriesIntoNextPower", 9.99999999999999, '.',
                            "9.99999999999999", "1.000000000000e001"}),
    [](const auto& info) { return info.param.name; });

struct PatternRow {
    const char* name;
    double value;
    int decimals;
    char separator;
    const char* fixed;
    const char* scientific;
};

class PatternTest : public testing::TestWithParam<PatternRow> {};

TEST_P(PatternTest, FixedAndScientificPatterns) {
    const auto& row = GetParam();
    EXPECT_EQ(fixedText(row.value, row.decimals, row.separator), row.fixed);
    EXPECT_EQ(scientificText(row.value, row.decimals, row.separator), row.scientific);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PatternTest,
    testing::Values(PatternRow{"ThreeDecimals", 1234.5678, 3, ',', "1234,568", "1,235 E+03"},
                    PatternRow{"NoDecimalsDropsSeparator", 2.5, 0, '.', "3", "3 E+00"},
                    PatternRow{"DecimalTieRoundsAwayFromZero", -2.675, 2, '.', "-2.68",
                               "-2.68 E+00"},
                    PatternRow{"CarryIntoNewDigit", 9.9996, 3, '.', "10.000", "1.000 E+01"},
                    PatternRow{"SmallNegativeIsPlainZero", -0.001, 2, '.', "0.00", "-1.00 E-03"},
                    PatternRow{"Zero", 0.0, 2, '.', "0.00", "0.00 E+00"},
                    PatternRow{"FarBelowRoundingPlace", 0.0004, 2, '.', "0.00", "4.00 E-04"},
                    PatternRow{"ThreeExponentDigits", 1e-200, 1, '.', "0.0", "1.0 E-200"}),
    [](const auto& info) { return info.param.name; });

TEST(StandardText, GroupsThousandsWithTheOtherSeparator) {
    EXPECT_EQ(standardText(1234.5678, '.'), "1,234.57");
    EXPECT_EQ(standardText(1234.5678, ','), "1.234,57");
    EXPECT_EQ(standardText(-1234567.891, '.'), "-1,234,567.89");
    EXPECT_EQ(standardText(999.999, '.'), "1,000.00");
}

struct ReadRow {
    const char* text;
    char separator;
    bool grouping;
    bool reads;
    double value;
};

TEST(ReadNumber, ReadsOnlyWholeNumberTexts) {
    const ReadRow rows[] = {
        {"5.000000000000e000", '.', false, true, 5},
        {"2.5E-07", '.', false, true, 2.5e-7},
        {"  -3.5 ", '.', false, true, -3.5},
        {".5", '.', false, true, 0.5},
        {"5.", '.', false, true, 5},
        {"2,5", ',', false, true, 2.5},
        {"2.5", ',', false, false, 0},
        {"1,234.5", '.', true, true, 1234.5},
        {"1.234,5", ',', true, true, 1234.5},
        {"1,234.5", '.', false, false, 0},
        {",5", '.', true, false, 0},
        {"", '.', false, false, 0},
        {"-", '.', false, false, 0},
        {"1E", '.', false, false, 0},
        {"E5", '.', false, false, 0},
        {"1.2.3", '.', false, false, 0},
        {"inf", '.', false, false, 0},
        {"Syntax error!", '.', false, false, 0},
        {"1E-999", '.', false, true, 0},
        {"-123456789012345", '.', false, true, -123456789012345.0},
    };
    for (const auto& row : rows) {
        const auto value = readNumber(row.text, row.separator, row.grouping);
        ASSERT_EQ(value.has_value(), row.reads) << row.text;
        if (row.reads) {
            EXPECT_DOUBLE_EQ(*value, row.value) << row.text;
        }
    }
}

TEST(ReadNumber, OverflowReadsAsInfinityButNotAsANumber) {
    const auto value = readNumber("-1E999", '.');
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(std::isinf(*value) && *value < 0);
    EXPECT_FALSE(readsAsNumber("1E999", '.'));
}

TEST(NumberText, RoundTripsThroughReadNumber) {
    for (const char separator : {'.', ','}) {
        for (const double v : {0.1, 123.456, -9.87654321e-9, 6.02214076e23, 1.0 / 7.0}) {
            const auto back = readNumber(numberText(v, separator), separator);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
        }
    }
}

} // namespace
} // namespace zolvan

namespace zolvan {
namespace {

// The quick paths of both conversions must agree with the general ones on every value: the
// text is the value rounded to 15 digits, and reading gives the correctly rounded double.
TEST(NumberText, QuickPathsAgreeWithCorrectRounding) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<long long> mantissa(-999999999999999, 999999999999999);
    std::uniform_int_distribution<int> places(0, 20);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        const double decimal =
            static_cast<double>(mantissa(random)) / std::pow(10.0, places(random));
        double anyValue = 0.0;
        const std::uint64_t raw = bits(random);
        std::memcpy(&anyValue, &raw, sizeof anyValue);
        for (const double v : {decimal, anyValue}) {
            if (!std::isfinite(v)) {
                continue;
            }
            std::array<char, 40> rounded{};
            std::snprintf(rounded.data(), rounded.size(), "%.14e", v);
            const std::string text = numberText(v, ',');
            const bool plainWithDecimals =
                text.find(',') != std::string::npos && text.find('E') == std::string::npos;
            EXPECT_FALSE(plainWithDecimals && text.back() == '0') << text;
            const auto back = readNumber(text, ',');
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(*back, std::strtod(rounded.data(), nullptr)) << text << " " << rounded.data();
        }
    }
}

} // namespace
} // namespace zolvan
