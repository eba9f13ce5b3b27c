#include "engine/formula_expansion.h"

#include "engine/engine_state.h"
#include "engine/fault.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zolvan {
namespace {

// `decimals` is ElementDecimals afterwards (10 when no element was met); `unknown` the symbol
// that could not be corrected ("" for none); `after` the canonical text after case correction
// (nullptr when it stays as it was).
struct ExpansionRow {
    const char* name;
    const char* text;
    const char* expected;
    int decimals;
    const char* unknown = "";
    const char* after = nullptr;
    const char* answer = "5";
    double memory = 0;
    char separator = '.';
};

class ExpansionTest : public testing::TestWithParam<ExpansionRow> {};

TEST_P(ExpansionTest, WritesArithmeticOrReportsTheSymbol) {
    const ExpansionRow& row = GetParam();
    EngineState state;
    state.ElementDecimals = 3; // a previous line's count must not leak into this one
    state.AnsText = row.answer;
    state.MemoryValue = row.memory;
    state.DecimalSeparator = row.separator;
    state.NormalizedLine = row.text;
    const Expansion expansion = expandChemFormula(state, state.NormalizedLine);
    EXPECT_EQ(expansion.arithmetic, row.expected);
    EXPECT_FALSE(expansion.fault.has_value());
    EXPECT_EQ(state.ElementDecimals, row.decimals);
    EXPECT_EQ(state.UnknownSymbolFlag, *row.unknown != '\0');
    if (state.UnknownSymbolFlag) {
        EXPECT_EQ(state.UnknownSymbol, row.unknown);
    }
    EXPECT_EQ(state.NormalizedLine, row.after != nullptr ? row.after : row.text);
}

const ExpansionRow kRows[] = {
    {"MultiDigitCounts", "C6H12O6", "12.0107*6+1.00794*12+15.9994*6", 4},
    {"CurlyBracketsBecomeRound", "{H2O}2", "(1.00794*2+15.9994)*2", 4},
    {"OperatorEndsFormula", "NaCl*2", "22.98977+35.4527*2", 4},
    {"Einsteinium", "Es", "252", 0},
    {"Subtraction", "5-3", "5+-3", 10},
    {"SubtractBracket", "5-(2)", "5+-1*(2)", 10},
    {"LeadingNegatedBracket", "-(2)", "-1*(2)", 10},
    {"SignAfterOperator", "2*-3", "2*-3", 10},
    {"ExponentWithElement", "2E-5*H", "2E-5*1.00794", 5},
    {"BracketsJoinedInsideBrackets", "(2)(3)", "(2)+(3)", 10},
    {"Pi", ":pi*2", "3.14159265358979*2", 10},
    {"FunctionNegativeArgument", ":sin-30", ":sin-30", 10},
    {"FunctionSquareBracketArgument", ":ln[2]", ":ln(2)", 10},
    {"FunctionOfFormula", ":log(NaCl)", ":log(22.98977+35.4527)", 4},
    {"SubtractFunction", "2-:sin30", "2+-1*:sin30", 10},
    {"LoneColonAtEnd", "2+:", "2+:", 10},
    {"AnswerAsTyped", ":ans*2", "-2.5*2", 10, "", nullptr, "-2.5"},
    {"MemoryWithComma", ":mem*2", "2,5*2", 10, "", nullptr, "", 2.5, ','},
    {"CommaWeightsAndCount", "(H)2,5", "(1,00794)*2,5", 5, "", nullptr, "", 0, ','},
    {"OneLetterTakesNextAsSecond", "ZN", "65.39", 2, "", "Zn"},
    {"TwoLettersReadAsTwoSymbols", "Cn", "12.0107+14.00674", 4, "", "CN"},
    {"TwoCorrectionsInOneLine", "(ZN)*(Cn)", "(65.39)*(12.0107+14.00674)", 2, "", "(Zn)*(CN)"},
    {"TwiceAtOnePosition", "ZNo", "65.39+15.9994", 2, "", "ZnO"},
    {"OneLetterAtEnd", "HQ", "", 0, "Q"},
    {"TwoLettersNoOneLetterElementFirst", "Xx", "", 0, "Xx"},
    {"NothingToLowerSpendsTheBound", "Q2", "", 0, "Q"},
    {"FirstOccurrenceAlreadyCorrect", "ZnZ", "", 0, "Z"},
    {"SymbolFromTheLastAnswer", "H+:ans", "", 0, "Sy", nullptr, "Syntax error!"},
};

INSTANTIATE_TEST_SUITE_P(Texts, ExpansionTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaseCorrectionTest, SpentBoundDoesNotCarryOverToTheNextLine) {
    EngineState state;
    state.NormalizedLine = "Q2";
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine).arithmetic, "");
    state.UnknownSymbolFlag = false; // the calculate command clears it after showing it
    state.NormalizedLine = "ZN";
    EXPECT_EQ(expandChemFormula(state, state.NormalizedLine).arithmetic, "65.39");
    EXPECT_FALSE(state.UnknownSymbolFlag);
}

// The text is the unit repeated up to `length` characters; `fault` is the expected fault, or
// nullopt when the expansion ends without one.
struct LengthRow {
    const char* name;
    std::string_view unit;
    std::size_t length;
    std::optional<std::string_view> fault;
    bool unknown;
};

class LineLengthTest : public testing::TestWithParam<LengthRow> {};

TEST_P(LineLengthTest, LongTextsEndInTime) {
    EngineState state;
    while (state.NormalizedLine.size() < GetParam().length) {
        state.NormalizedLine += GetParam().unit;
    }
    state.NormalizedLine.resize(GetParam().length);
    const Expansion expansion = expandChemFormula(state, state.NormalizedLine);
    EXPECT_EQ(expansion.fault, GetParam().fault);
    if (expansion.fault || GetParam().unknown) {
        EXPECT_EQ(expansion.arithmetic, "");
    }
    EXPECT_EQ(state.UnknownSymbolFlag, GetParam().unknown);
}

const LengthRow kLengths[] = {
    {"LongestArithmeticLine", "1+", 32766, std::nullopt, false},
    {"ArithmeticLineOneTooLong", "1+", 32767, fault::LineTooLong, false},
    {"FormulaLineTooLong", "H2O+", 40000, fault::LineTooLong, false},
    {"ExpansionPastTheCounters", "HO+", 30000, fault::OutOfRange, false},
    // Every correction restarts the expansion: thousands of them end as an unknown symbol.
    {"ManyCorrectionsEndAsUnknownSymbol", "(Cn)+", 30000, std::nullopt, true},
};

INSTANTIATE_TEST_SUITE_P(Lengths, LineLengthTest, testing::ValuesIn(kLengths),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolvan
