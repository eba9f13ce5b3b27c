#include "engine/formula_expansion.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zolvan {
namespace {

struct ExpansionRow {
    const char* name;
    const char* text;
    const char* expected;
    std::int16_t decimals; // ElementDecimals afterwards; 10 when no element was met
};

std::string expansionName(const testing::TestParamInfo<ExpansionRow>& info) {
    return info.param.name;
}

class ExpansionTest : public testing::TestWithParam<ExpansionRow> {};

TEST_P(ExpansionTest, WritesArithmetic) {
    EngineState state;
    state.ElementDecimals = 3; // a previous line's count must not leak into this one
    state.NormalizedLine = GetParam().text;
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), GetParam().expected);
    EXPECT_EQ(state.ElementDecimals, GetParam().decimals);
    EXPECT_FALSE(state.UnknownSymbolFlag);
    EXPECT_EQ(state.NormalizedLine, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ExpansionTest,
    testing::Values(
        ExpansionRow{"Water", "H2O", "1.00794*2+15.9994", 4},
        ExpansionRow{"GroupWithCount", "Ca(OH)2", "40.078+(15.9994+1.00794)*2", 3},
        ExpansionRow{"SumOfFormulas", "2*(H2O)+(NaCl)", "2*(1.00794*2+15.9994)+(22.98977+35.4527)",
                     4},
        ExpansionRow{"HydrateAsProduct", "(CuSO4)*5*(H2O)",
                     "(63.546+32.066+15.9994*4)*5*(1.00794*2+15.9994)", 3},
        ExpansionRow{"HydrateAsSum", "(CuSO4)+5*(H2O)",
                     "(63.546+32.066+15.9994*4)+5*(1.00794*2+15.9994)", 3},
        ExpansionRow{"MultiDigitCounts", "C6H12O6", "12.0107*6+1.00794*12+15.9994*6", 4},
        ExpansionRow{"CurlyBracketsBecomeRound", "{H2O}2", "(1.00794*2+15.9994)*2", 4},
        ExpansionRow{"SquareBracketsBecomeRound", "[NaCl]2", "(22.98977+35.4527)*2", 4},
        ExpansionRow{"BracketAfterCount", "H2(O)", "1.00794*2+(15.9994)", 4},
        ExpansionRow{"DecimalCountAfterBracket", "(H)2.5", "(1.00794)*2.5", 5},
        ExpansionRow{"OperatorEndsFormula", "NaCl*2", "22.98977+35.4527*2", 4},
        ExpansionRow{"Einsteinium", "Es", "252", 0},
        ExpansionRow{"ErbiumStartsWithE", "Er2", "167.26*2", 2},
        ExpansionRow{"WholeNumberElementGivesNoDecimals", "Tc2O7", "98*2+15.9994*7", 0}),
    expansionName);

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ExpansionTest,
    testing::Values(ExpansionRow{"NoUpperCaseFirstPassOnly", "2+3", "2+3", 10},
                    ExpansionRow{"Subtraction", "5-3", "5+-3", 10},
                    ExpansionRow{"SubtractBracket", "5-(2)", "5+-1*(2)", 10},
                    ExpansionRow{"SubtractSquareBracket", "5-[2]", "5+-1*(2)", 10},
                    ExpansionRow{"LeadingNegatedBracket", "-(2)", "-1*(2)", 10},
                    ExpansionRow{"LeadingSign", "-5+3", "-5+3", 10},
                    ExpansionRow{"SignAfterOperator", "2*-3", "2*-3", 10},
                    ExpansionRow{"SubtractAfterBracket", "(2)-3", "(2)+-3", 10},
                    ExpansionRow{"ExponentIsNoElement", "2E-5", "2E-5", 10},
                    ExpansionRow{"ExponentWithElement", "2E-5*H", "2E-5*1.00794", 5},
                    ExpansionRow{"BracketsJoinedInsideBrackets", "(2)(3)", "(2)+(3)", 10},
                    ExpansionRow{"Empty", "", "", 10}),
    expansionName);

INSTANTIATE_TEST_SUITE_P(
    Tokens, ExpansionTest,
    testing::Values(ExpansionRow{"Pi", ":pi*2", "3.14159265358979*2", 10},
                    ExpansionRow{"FunctionCopied", ":sin30", ":sin30", 10},
                    ExpansionRow{"FunctionNegativeArgument", ":sin-30", ":sin-30", 10},
                    ExpansionRow{"FunctionBracketArgument", ":sqrt(2)", ":sqrt(2)", 10},
                    ExpansionRow{"FunctionSquareBracketArgument", ":ln[2]", ":ln(2)", 10},
                    ExpansionRow{"FunctionOfFormula", ":log(NaCl)", ":log(22.98977+35.4527)", 4},
                    ExpansionRow{"FunctionAfterFormula", "H2*:cos0", "1.00794*2*:cos0", 5},
                    ExpansionRow{"SubtractFunction", "2-:sin30", "2+-1*:sin30", 10},
                    ExpansionRow{"NegateFunction", "-:sin30", "-1*:sin30", 10},
                    ExpansionRow{"FunctionWithoutArgument", "2+:ran", "2+:ran", 10},
                    ExpansionRow{"LoneColonAtEnd", "2+:", "2+:", 10}),
    expansionName);

// Named values are spliced as numbers; every number is written with the decimal separator.
struct ValueRow {
    const char* name;
    const char* text;
    const char* ansText;
    double memory;
    char separator;
    const char* expected;
};

std::string valueName(const testing::TestParamInfo<ValueRow>& info) {
    return info.param.name;
}

class NamedValueTest : public testing::TestWithParam<ValueRow> {};

TEST_P(NamedValueTest, SplicesValues) {
    EngineState state;
    state.AnsText = GetParam().ansText;
    state.MemoryValue = GetParam().memory;
    state.DecimalSeparator = GetParam().separator;
    state.NormalizedLine = GetParam().text;
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NamedValueTest,
    testing::Values(ValueRow{"AnswerAsTyped", ":ans*2", "-2.5", 0, '.', "-2.5*2"},
                    ValueRow{"AnswerWithExponent", ":ans+1", "1E+20", 0, '.', "1E+20+1"},
                    ValueRow{"EmptyAnswer", "2+:ans", "", 0, '.', "2+"},
                    ValueRow{"AnswerSubtracted", "5-:ans", "2", 0, '.', "5+-1*2"},
                    ValueRow{"AnswerBesideFormula", "H+:ans", "2", 0, '.', "1.00794+2"},
                    ValueRow{"Memory", ":mem+1", "", 0.1, '.', "0.1+1"},
                    ValueRow{"LargeMemory", ":mem", "", 1e20, '.', "1E+20"},
                    ValueRow{"MemoryWithComma", ":mem*2", "", 2.5, ',', "2,5*2"},
                    ValueRow{"PiWithComma", ":pi", "", 0, ',', "3,14159265358979"},
                    ValueRow{"WeightsWithComma", "H2O", "", 0, ',', "1,00794*2+15,9994"},
                    ValueRow{"CommaCountInFormula", "(H)2,5", "", 0, ',', "(1,00794)*2,5"}),
    valueName);

// Letter-case correction rewrites the canonical text and starts again.
struct CorrectionRow {
    const char* name;
    const char* text;
    const char* expected;
    const char* normalizedAfter;
    bool unknown;
    const char* symbol; // UnknownSymbol afterwards when `unknown`
};

std::string correctionName(const testing::TestParamInfo<CorrectionRow>& info) {
    return info.param.name;
}

class CaseCorrectionTest : public testing::TestWithParam<CorrectionRow> {};

TEST_P(CaseCorrectionTest, CorrectsOrReportsTheSymbol) {
    EngineState state;
    state.NormalizedLine = GetParam().text;
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), GetParam().expected);
    EXPECT_EQ(state.NormalizedLine, GetParam().normalizedAfter);
    EXPECT_EQ(state.UnknownSymbolFlag, GetParam().unknown);
    if (GetParam().unknown) {
        EXPECT_EQ(state.UnknownSymbol, GetParam().symbol);
        EXPECT_EQ(state.ElementDecimals, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corrected, CaseCorrectionTest,
    testing::Values(
        CorrectionRow{"OneLetterTakesNextAsSecond", "ZN", "65.39", "Zn", false, ""},
        CorrectionRow{"ManganeseFromCapitals", "MNO4", "54.938049+15.9994*4", "MnO4", false, ""},
        CorrectionRow{"TwoLettersReadAsTwoSymbols", "Cn", "12.0107+14.00674", "CN", false, ""},
        CorrectionRow{"TwoLettersInBrackets", "2+(Bb)", "2+(10.811+10.811)", "2+(BB)", false, ""},
        CorrectionRow{"TwoCorrectionsInOneLine", "(ZN)*(Cn)", "(65.39)*(12.0107+14.00674)",
                      "(Zn)*(CN)", false, ""},
        CorrectionRow{"TwiceAtOnePosition", "ZNo", "65.39+15.9994", "ZnO", false, ""}),
    correctionName);

INSTANTIATE_TEST_SUITE_P(
    Unknown, CaseCorrectionTest,
    testing::Values(CorrectionRow{"OneLetterAlone", "Q", "", "Q", true, "Q"},
                    CorrectionRow{"OneLetterAtEnd", "HQ", "", "HQ", true, "Q"},
                    CorrectionRow{"TwoLettersNoOneLetterElementFirst", "Xx", "", "Xx", true, "Xx"},
                    CorrectionRow{"NothingToLowerSpendsTheBound", "Q2", "", "Q2", true, "Q"},
                    CorrectionRow{"FirstOccurrenceAlreadyCorrect", "ZnZ", "", "ZnZ", true, "Z"}),
    correctionName);

TEST(CaseCorrectionTest, SymbolFromTheLastAnswerCannotBeCorrected) {
    EngineState state;
    state.AnsText = std::string(msg::SyntaxError);
    state.NormalizedLine = "H+:ans";
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), "");
    EXPECT_TRUE(state.UnknownSymbolFlag);
    EXPECT_EQ(state.UnknownSymbol, "Sy");
    EXPECT_EQ(state.NormalizedLine, "H+:ans");
}

TEST(CaseCorrectionTest, SpentBoundDoesNotCarryOverToTheNextLine) {
    EngineState state;
    state.NormalizedLine = "Q2";
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), "");
    state.UnknownSymbolFlag = false; // the calculate command clears it after showing it
    state.NormalizedLine = "ZN";
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), "65.39");
    EXPECT_FALSE(state.UnknownSymbolFlag);
}

TEST(CaseCorrectionTest, WorksOnATextOtherThanTheStateLine) {
    EngineState state;
    std::string text = "ZN";
    EXPECT_EQ(expandChemFormula(state, text), "65.39");
    EXPECT_EQ(text, "Zn");
    EXPECT_EQ(state.NormalizedLine, "Zn");
}

TEST(CaseCorrectionTest, ManyCorrectionsGiveTheArithmeticOfTheCorrectedText) {
    EngineState state;
    state.NormalizedLine = "Ch3Ch2Ch2Ch2Ch2Ch2Ch2Ch2Ch2Ch3"; // decane typed in lower case
    const std::string result = expandChemFormula(state, state.NormalizedLine);
    EXPECT_FALSE(state.UnknownSymbolFlag);
    EXPECT_EQ(state.NormalizedLine, "CH3CH2CH2CH2CH2CH2CH2CH2CH2CH3");

    EngineState corrected;
    corrected.NormalizedLine = state.NormalizedLine;
    EXPECT_EQ(result, expandChemFormula(corrected, corrected.NormalizedLine));
    EXPECT_EQ(state.ElementDecimals, 4);
}

TEST(CaseCorrectionTest, CorrectionsOnAVeryLongLineEndAsUnknownSymbol) {
    std::string text;
    while (text.size() < 30000) {
        text += "(Cn)+";
    }
    text += "(H)";
    EngineState state;
    state.NormalizedLine = text;
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine), "");
    EXPECT_TRUE(state.UnknownSymbolFlag);
    EXPECT_EQ(state.UnknownSymbol, "Cn");
    EXPECT_TRUE(state.NormalizedLine.starts_with("(CN)+(CN)+"));
}

struct LengthRow {
    const char* name;
    std::string text;
    bool fault;
    std::string_view faultText;
};

std::string lengthName(const testing::TestParamInfo<LengthRow>& info) {
    return info.param.name;
}

std::string repeated(std::string_view unit, std::size_t length) {
    std::string text;
    while (text.size() < length) {
        text += unit;
    }
    text.resize(length);
    return text;
}

class LineLengthTest : public testing::TestWithParam<LengthRow> {};

TEST_P(LineLengthTest, LongTextsFaultWithoutUnknownSymbol) {
    EngineState state;
    state.NormalizedLine = GetParam().text;
    const std::string result = expandChemFormula(state, state.NormalizedLine);
    if (GetParam().fault) {
        EXPECT_EQ(result, GetParam().faultText);
    } else {
        EXPECT_FALSE(result.starts_with("Error: "));
    }
    EXPECT_FALSE(state.UnknownSymbolFlag);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LineLengthTest,
    testing::Values(
        LengthRow{"LongestArithmeticLine", repeated("1+", 32766), false, ""},
        LengthRow{"ArithmeticLineOneTooLong", repeated("1+", 32767), true, fault::LineTooLong},
        LengthRow{"FormulaLineTooLong", repeated("H2O+", 40000), true, fault::LineTooLong},
        LengthRow{"LongFormulaLine", repeated("H2+", 3000), false, ""},
        LengthRow{"ExpansionPastTheCounters", repeated("HO+", 30000), true, fault::OutOfRange}),
    lengthName);

} // namespace
} // namespace zolvan
