#include "engine/format_number.h"

#include <gtest/gtest.h>

namespace zolvan {
namespace {

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

INSTANTIATE_TEST_SUITE_P(
    Modes, FormatNumberTest,
    testing::Values(
        FormatRow{"AutomaticIsGeneralNumber", "1.801528000000e001", 0, "00", false, 10, '.',
                  "18.01528"},
        FormatRow{"ScientificWithThreeDigits", "1234.5678", 1, "000", false, 10, '.', "1.235 E+03"},
        FormatRow{"FixedWithoutSeparator", "1234.5678", 2, "000", false, 10, '.', "1234.568"},
        FormatRow{"FixedWithSeparatorIsStandard", "1234.5678", 2, "000", true, 10, '.', "1,234.57"},
        FormatRow{"StandardInCommaLocale", "1234,5678", 2, "000", true, 10, ',', "1.234,57"},
        FormatRow{"ScientificIgnoresSeparatorSetting", "1234.5678", 1, "0", true, 10, '.',
                  "1.2 E+03"},
        FormatRow{"MolecularWeightKeepsElementDecimals", "9.447303000000e001", 3, "0000", false, 4,
                  '.', "94.4730"},
        FormatRow{"MolecularWeightWithoutElementIsGeneral", "9.447303000000e001", 3, "0000000000",
                  false, 10, '.', "94.47303"},
        FormatRow{"ZeroDecimalElementRoundsWhole", "2.345000000000e002", 3, "", false, 0, '.',
                  "235"},
        FormatRow{"MessagePassesInAutomatic", "Syntax error!", 0, "00", false, 10, '.',
                  "Syntax error!"},
        FormatRow{"MessagePassesInScientific", "Syntax error!", 1, "00", false, 10, '.',
                  "Syntax error!"},
        FormatRow{"MessagePassesInFixed", "Syntax error!", 2, "00", true, 10, '.', "Syntax error!"},
        FormatRow{"EmptyStaysEmpty", "", 2, "00", false, 10, '.', ""},
        FormatRow{"DotTextIsNoNumberInCommaLocale", "1.5", 2, "00", false, 10, ',', "1.5"},
        FormatRow{"UnknownModeIsGeneral", "2.500000000000e000", 7, "00", false, 10, '.', "2.5"}),
    [](const testing::TestParamInfo<FormatRow>& info) { return info.param.name; });

} // namespace
} // namespace zolvan
