#include "engine/element_table.h"
#include "engine/formula_expansion.h"

#include "engine_test.h"

#include <tuple>

namespace zolvan {
namespace {

// The count of decimals only ever goes down within a line: H has 5 decimals, O has 4. A symbol
// that is no element (the match is exact and case-sensitive) gives 0 with 0 decimals.
TEST(AtomicWeightTest, KeepsTheSmallerCountAndMatchesExactly) {
    EngineState state;
    EXPECT_EQ(atomicWeight(state, "O"), 15.9994);
    EXPECT_EQ(atomicWeight(state, "H"), 1.00794);
    EXPECT_EQ(state.ElementDecimals, 4);
    for (const std::string_view symbol : {"Xx", "co", ""}) {
        EXPECT_EQ(atomicWeight(state, symbol), 0) << symbol;
    }
    EXPECT_EQ(state.ElementDecimals, 0);
}

// Every row is found by its own symbol, and formula expansion writes its weight text.
TEST(ElementTableTest, EveryRowIsFoundByItsOwnSymbol) {
    for (const Element& row : elementTable()) {
        EngineState state;
        EXPECT_EQ(atomicWeight(state, row.symbol), row.weight) << row.symbol;
        EXPECT_EQ(state.ElementDecimals, row.decimals) << row.symbol;
        EXPECT_EQ(row.weightText, numberText(row.weight, '.')) << row.symbol;
        EXPECT_EQ(readNumber(row.weightText, '.'), row.weight) << row.symbol; // the evaluator's
    }
}

// A symbol given as its letters finds the row its text finds, and keeps the same decimals.
TEST(ElementTableTest, LettersFindTheRowTheirSymbolFinds) {
    for (char capital = 'A'; capital <= 'Z'; ++capital) {
        for (const char second : std::string_view("\0abcdefghijklmnopqrstuvwxyz", 27)) {
            const char letters[2] = {capital, second};
            const std::string_view symbol(letters, second == '\0' ? 1 : 2);
            EngineState byText;
            EngineState byLetters;
            EXPECT_EQ(lookUpElement(byLetters, capital, second), lookUpElement(byText, symbol))
                << symbol;
            EXPECT_EQ(byLetters.ElementDecimals, byText.ElementDecimals) << symbol;
        }
    }
}

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
    char separator = '.';
};

class ExpansionTest : public testing::TestWithParam<ExpansionRow> {};

TEST_P(ExpansionTest, WritesArithmeticOrReportsTheSymbol) {
    const ExpansionRow& row = GetParam();
    EngineState state;
    state.NormalizedLine = row.text;
    state.AnsText = row.answer;
    state.ElementDecimals = 3; // a previous line's count must not leak into this one
    state.MemoryValue = 2.5;
    state.DecimalSeparator = row.separator;
    EngineState again = state;
    const Expansion expansion = expandChemFormula(state, state.NormalizedLine);
    EXPECT_EQ(expansion.arithmetic, row.expected);
    EXPECT_FALSE(expansion.fault.has_value());
    EXPECT_EQ(state.ElementDecimals, row.decimals);
    EXPECT_EQ(state.UnknownSymbolFlag ? state.UnknownSymbol : "", row.unknown);
    EXPECT_EQ(state.NormalizedLine, row.after != nullptr ? row.after : row.text);
    // Written into the memory of an earlier line's longer text: none of it is left.
    std::string into(100, '#');
    EXPECT_FALSE(expandChemFormula(again, again.NormalizedLine, into).fault.has_value());
    EXPECT_EQ(into, row.expected);
}

// The memory holds 2.5 in every row.
const ExpansionRow kRows[] = {
    {"MultiDigitCounts", "C6H12O6", "12.0107*6+1.00794*12+15.9994*6", 4},
    {"CurlyBracketsBecomeRound", "{H2O}2", "(1.00794*2+15.9994)*2", 4},
    {"OperatorEndsFormula", "NaCl*2", "22.98977+35.4527*2", 4},
    {"Subtraction", "5-3", "5+-3", 10},
    {"LeadingNegatedBracket", "-(2)", "-1*(2)", 10},
    {"ExponentWithElement", "2E-5*H", "2E-5*1.00794", 5},
    {"BracketsJoinedInsideBrackets", "(2)(3)", "(2)+(3)", 10},
    {"FunctionNegativeArgument", ":sin-30", ":sin-30", 10},
    {"FunctionOfFormula", ":log(NaCl)", ":log(22.98977+35.4527)", 4},
    {"SubtractFunction", "2-:sin30", "2+-1*:sin30", 10},
    {"LoneColonAtEnd", "2+:", "2+:", 10},
    {"AnswerAsTyped", ":ans*2", "-2.5*2", 10, "", nullptr, "-2.5"},
    // Capitals that tokens bring in are symbols only in a line that has symbols of its own.
    {"AnswerCapitalsStayWithoutSymbols", ":ans*2", "Cl*2", 10, "", nullptr, "Cl"},
    {"AnswerCapitalsAreSymbolsBeforeASymbol", ":ans+H", "35.4527+1.00794", 4, "", nullptr, "Cl"},
    {"FunctionTextCapitalStaysWithoutSymbols", ":sinH(2)", ":sinH(2)", 10},
    {"FunctionTextCapitalIsASymbolBeforeASymbol", ":sinH(2)+O", ":sin1.00794(2)+15.9994", 4},
    {"MemoryWithComma", ":mem*2", "2,5*2", 10, "", nullptr, "", ','},
    {"CommaWeightsAndCount", "(H)2,5", "(1,00794)*2,5", 5, "", nullptr, "", ','},
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

INSTANTIATE_TEST_SUITE_P(Texts, ExpansionTest, testing::ValuesIn(kRows), test::kRowName);

// Long lines end in time. The line is the unit repeated up to `length` characters; `fault` is
// the expected fault, `unknown` whether the line ends as an unknown symbol.
TEST(ExpansionTest, LongLinesEndInTime) {
    const std::tuple<std::string_view, std::size_t, std::optional<std::string_view>, bool> rows[] =
        {
            {"1+", 32766, std::nullopt, false}, // the longest line
            {"1+", 32767, fault::LineTooLong, false},
            {"HO+", 30000, fault::OutOfRange, false}, // the expansion grows past the counters
            // Every correction restarts the expansion: thousands of them end as an unknown symbol.
            {"(Cn)+", 30000, std::nullopt, true},
        };
    for (const auto& [unit, length, fault, unknown] : rows) {
        EngineState state;
        state.NormalizedLine = test::repeated(unit, length);
        state.NormalizedLine.resize(length);
        const Expansion expansion = expandChemFormula(state, state.NormalizedLine);
        EXPECT_EQ(expansion.fault, fault) << unit << length;
        EXPECT_EQ(expansion.arithmetic.empty(), fault || unknown) << unit << length;
        EXPECT_EQ(state.UnknownSymbolFlag, unknown) << unit << length;
    }
}

} // namespace
} // namespace zolvan
