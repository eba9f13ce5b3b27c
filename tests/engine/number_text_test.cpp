#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zolvan {
namespace {

struct TextRow {
    const char* name;
    double value;
    char separator;
    const char* expected;
};

std::string rowName(const testing::TestParamInfo<TextRow>& info) {
    return info.param.name;
}

class NumberTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(NumberTextTest, WritesPlainOrExponentForm) {
    EXPECT_EQ(numberText(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(
        TextRow{"Zero", 0.0, '.', "0"}, TextRow{"NegativeZero", -0.0, '.', "0"},
        TextRow{"Integer", 42.0, '.', "42"}, TextRow{"MolecularWeight", 18.01528, '.', "18.01528"},
        TextRow{"CommaSeparator", 18.01528, ',', "18,01528"},
        TextRow{"Negative", -2.5, '.', "-2.5"},
        TextRow{"RoundsAtFifteenDigits", 1.0 / 3.0, '.', "0.333333333333333"},
        TextRow{"SumHidesBinaryNoise", 0.1 + 0.2, '.', "0.3"},
        TextRow{"FifteenIntegerDigitsStayPlain", 123456789012345.0, '.', "123456789012345"},
        TextRow{"ExponentFifteenSwitches", 1e15, '.', "1E+15"},
        TextRow{"Large", 1e20, '.', "1E+20"},
        TextRow{"LargestFactorial", 7.257415615307994e306, '.', "7.25741561530799E+306"},
        TextRow{"PartsPerMillionStayPlain", 5e-6, '.', "0.000005"},
        TextRow{"TinyUsesExponent", 1.2246063538832e-16, '.', "1.2246063538832E-16"},
        TextRow{"SixteenDecimalsUseExponent", 0.0123456789012345, ',', "1,23456789012345E-02"},
        TextRow{"NineNinesRoundUp", 0.9999999999999999, '.', "1"}),
    rowName);

class EvaluatorTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(EvaluatorTextTest, WritesTwelveDecimalsAndThreeExponentDigits) {
    EXPECT_EQ(evaluatorText(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EvaluatorTextTest,
    testing::Values(TextRow{"Five", 5.0, '.', "5.000000000000e000"},
                    TextRow{"Zero", 0.0, '.', "0.000000000000e000"},
                    TextRow{"NegativeSmall", -0.00125, '.', "-1.250000000000e-003"},
                    TextRow{"Comma", 94.47303, ',', "9,447303000000e001"},
                    TextRow{"HugeExponent", 1e300, '.', "1.000000000000e300"},
                    TextRow{"RoundsUpIntoNextPower", 9.9999999999999, '.', "1.000000000000e001"}),
    rowName);

struct PatternRow {
    const char* name;
    double value;
    int decimals;
    char separator;
    const char* fixed;
    const char* scientific;
};

class PatternTest : public testing::TestWithParam<PatternRow> {};

TEST_P(PatternTest, FixedPattern) {
    const auto& row = GetParam();
    EXPECT_EQ(fixedText(row.value, row.decimals, row.separator), row.fixed);
}

TEST_P(PatternTest, ScientificPattern) {
    const auto& row = GetParam();
    EXPECT_EQ(scientificText(row.value, row.decimals, row.separator), row.scientific);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PatternTest,
    testing::Values(
        PatternRow{"ThreeDecimals", 1234.5678, 3, '.', "1234.568", "1.235 E+03"},
        PatternRow{"Comma", 1234.5678, 3, ',', "1234,568", "1,235 E+03"},
        PatternRow{"NoDecimalsDropsSeparator", 2.5, 0, '.', "3", "3 E+00"},
        PatternRow{"DecimalTieRoundsAwayFromZero", 2.675, 2, '.', "2.68", "2.68 E+00"},
        PatternRow{"NegativeTie", -2.675, 2, '.', "-2.68", "-2.68 E+00"},
        PatternRow{"CarryIntoNewDigit", 9.9996, 3, '.', "10.000", "1.000 E+01"},
        PatternRow{"SmallNegativeRoundsToPlainZero", -0.001, 2, '.', "0.00", "-1.00 E-03"},
        PatternRow{"Zero", 0.0, 2, '.', "0.00", "0.00 E+00"},
        PatternRow{"HalfRoundsUpFromBelowUnit", 0.5, 0, '.', "1", "5 E-01"},
        PatternRow{"FarBelowRoundingPlace", 0.0004, 2, '.', "0.00", "4.00 E-04"},
        PatternRow{"MolecularWeight", 94.47303, 4, '.', "94.4730", "9.4473 E+01"},
        PatternRow{"TwelveDecimals", 1.0 / 3.0, 12, '.', "0.333333333333", "3.333333333333 E-01"},
        PatternRow{"ExponentHasThreeDigitsWhenNeeded", 1e-200, 1, '.', "0.0", "1.0 E-200"}),
    [](const testing::TestParamInfo<PatternRow>& info) { return info.param.name; });

TEST(StandardText, GroupsThousandsWithTheOtherSeparator) {
    EXPECT_EQ(standardText(1234.5678, '.'), "1,234.57");
    EXPECT_EQ(standardText(1234.5678, ','), "1.234,57");
    EXPECT_EQ(standardText(-1234567.891, '.'), "-1,234,567.89");
    EXPECT_EQ(standardText(999.999, '.'), "1,000.00");
    EXPECT_EQ(standardText(12.0, '.'), "12.00");
}

struct ReadRow {
    const char* name;
    const char* text;
    char separator;
    bool grouping;
    bool reads;
    double value;
};

class ReadNumberTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberTest, ReadsOnlyWholeNumberTexts) {
    const auto& row = GetParam();
    const auto value = readNumber(row.text, row.separator, row.grouping);
    ASSERT_EQ(value.has_value(), row.reads) << row.text;
    if (row.reads) {
        EXPECT_DOUBLE_EQ(*value, row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadNumberTest,
    testing::Values(ReadRow{"Integer", "42", '.', false, true, 42},
                    ReadRow{"EvaluatorPattern", "5.000000000000e000", '.', false, true, 5},
                    ReadRow{"NegativeExponent", "2.5E-07", '.', false, true, 2.5e-7},
                    ReadRow{"PlusExponent", "1E+20", '.', false, true, 1e20},
                    ReadRow{"BlanksAround", "  -3.5 ", '.', false, true, -3.5},
                    ReadRow{"LeadingSeparator", ".5", '.', false, true, 0.5},
                    ReadRow{"TrailingSeparator", "5.", '.', false, true, 5},
                    ReadRow{"CommaSeparator", "2,5", ',', false, true, 2.5},
                    ReadRow{"DotIsNoCommaSeparator", "2.5", ',', false, false, 0},
                    ReadRow{"GroupedWhenAllowed", "1,234.5", '.', true, true, 1234.5},
                    ReadRow{"GroupedCommaLocale", "1.234,5", ',', true, true, 1234.5},
                    ReadRow{"GroupingNotAllowed", "1,234.5", '.', false, false, 0},
                    ReadRow{"GroupCannotLead", ",5", '.', true, false, 0},
                    ReadRow{"Empty", "", '.', false, false, 0},
                    ReadRow{"SignAlone", "-", '.', false, false, 0},
                    ReadRow{"SeparatorAlone", ".", '.', false, false, 0},
                    ReadRow{"ExponentWithoutDigits", "1E", '.', false, false, 0},
                    ReadRow{"ExponentWithoutMantissa", "E5", '.', false, false, 0},
                    ReadRow{"Message", "Syntax error!", '.', false, false, 0},
                    ReadRow{"TwoSeparators", "1.2.3", '.', false, false, 0},
                    ReadRow{"InnerBlank", "1 2", '.', false, false, 0},
                    ReadRow{"Infinity", "inf", '.', false, false, 0},
                    ReadRow{"TinyUnderflowsToZero", "1E-999", '.', false, true, 0}),
    [](const testing::TestParamInfo<ReadRow>& info) { return info.param.name; });

TEST(ReadNumber, OverflowReadsAsInfinityButNotAsANumber) {
    const auto value = readNumber("-1E999", '.');
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(std::isinf(*value) && *value < 0);
    EXPECT_FALSE(readsAsNumber("1E999", '.'));
}

TEST(NumberText, RoundTripsThroughReadNumber) {
    const double values[] = {0.1, 123.456, -9.87654321e-9, 6.02214076e23, 1.0 / 7.0};
    for (const char separator : {'.', ','}) {
        for (const double v : values) {
            const auto back = readNumber(numberText(v, separator), separator);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
        }
    }
}

} // namespace
} // namespace zolvan
