#include "engine/element_table.h"

#include "engine/engine_state.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace zolvan {
namespace {

struct LookupRow {
    const char* name;
    std::string_view symbol;
    std::int16_t decimalsBefore;
    double weight;
    std::int16_t decimalsAfter;
};

std::string lookupName(const testing::TestParamInfo<LookupRow>& info) {
    return info.param.name;
}

class AtomicWeightTest : public testing::TestWithParam<LookupRow> {};

TEST_P(AtomicWeightTest, ReturnsWeightAndLowersDecimals) {
    EngineState state;
    state.ElementDecimals = GetParam().decimalsBefore;
    EXPECT_EQ(atomicWeight(state, GetParam().symbol), GetParam().weight);
    EXPECT_EQ(state.ElementDecimals, GetParam().decimalsAfter);
}

INSTANTIATE_TEST_SUITE_P(Elements, AtomicWeightTest,
                         testing::Values(LookupRow{"Hydrogen", "H", 10, 1.00794, 5},
                                         LookupRow{"Oxygen", "O", 10, 15.9994, 4},
                                         LookupRow{"SodiumCountsHiddenZero", "Na", 10, 22.98977, 6},
                                         LookupRow{"CobaltCountsHiddenZeros", "Co", 10, 58.9332, 6},
                                         LookupRow{"TinCountsHiddenZero", "Sn", 10, 118.71, 3},
                                         LookupRow{"FluorineSevenDecimals", "F", 10, 18.9984032, 7},
                                         LookupRow{"LeadOneDecimal", "Pb", 10, 207.2, 1},
                                         LookupRow{"TechnetiumWhole", "Tc", 10, 98, 0},
                                         LookupRow{"Einsteinium", "Es", 10, 252, 0},
                                         LookupRow{"Uranium", "U", 10, 238.0289, 4},
                                         LookupRow{"LastRow", "Mt", 10, 268, 0},
                                         LookupRow{"NeverRaisesDecimals", "Na", 2, 22.98977, 2},
                                         LookupRow{"EqualDecimalsKept", "O", 4, 15.9994, 4}),
                         lookupName);

INSTANTIATE_TEST_SUITE_P(NoElement, AtomicWeightTest,
                         testing::Values(LookupRow{"TwoLetterUnknown", "Xx", 10, 0, 0},
                                         LookupRow{"LowerCaseCobalt", "co", 10, 0, 0},
                                         LookupRow{"LowerCaseHydrogen", "h", 10, 0, 0},
                                         LookupRow{"UpperCaseCarbonMonoxide", "CO", 10, 0, 0},
                                         LookupRow{"Empty", "", 10, 0, 0},
                                         LookupRow{"ExponentMark", "E", 10, 0, 0},
                                         LookupRow{"ThreeLetters", "Hex", 10, 0, 0},
                                         LookupRow{"TrailingBlank", "H ", 10, 0, 0},
                                         LookupRow{"NotALetter", "1", 10, 0, 0}),
                         lookupName);

TEST(AtomicWeightOrderTest, TwoElementsLeaveTheSmallerCountInEitherOrder) {
    struct Pair {
        std::string_view first, second;
        std::int16_t expected;
    };
    for (const Pair& pair : {Pair{"H", "O", 4}, Pair{"O", "H", 4}, Pair{"Pb", "F", 1},
                             Pair{"F", "Pb", 1}, Pair{"Xx", "H", 0}}) {
        EngineState state;
        atomicWeight(state, pair.first);
        atomicWeight(state, pair.second);
        EXPECT_EQ(state.ElementDecimals, pair.expected) << pair.first << " " << pair.second;
    }
}

TEST(ElementTableTest, EveryRowIsFoundByItsOwnSymbol) {
    const auto table = elementTable();
    ASSERT_EQ(table.size(), 109u);
    std::set<std::string_view> symbols;
    for (const Element& row : table) {
        EngineState state;
        EXPECT_EQ(atomicWeight(state, row.symbol), row.weight) << row.symbol;
        EXPECT_EQ(state.ElementDecimals, row.decimals) << row.symbol;
        EXPECT_TRUE(symbols.insert(row.symbol).second) << "duplicate " << row.symbol;
        // Formula expansion writes this text in place of the symbol.
        EXPECT_EQ(row.weightText, numberText(row.weight, '.')) << row.symbol;
    }
}

TEST(ElementTableTest, RowsFollowAtomicNumberOrder) {
    const auto table = elementTable();
    const std::pair<std::size_t, std::string_view> known[] = {
        {1, "H"}, {2, "He"}, {6, "C"}, {26, "Fe"}, {43, "Tc"}, {79, "Au"}, {92, "U"}, {109, "Mt"}};
    for (const auto& [number, symbol] : known) {
        EXPECT_EQ(table[number - 1].symbol, symbol);
    }
}

std::int16_t decimalsShown(double weight) {
    const std::string text = numberText(weight, '.');
    const auto dot = text.find('.');
    return static_cast<std::int16_t>(dot == std::string::npos ? 0 : text.size() - dot - 1);
}

TEST(ElementTableTest, DecimalsColumnCoversThePrintedWeight) {
    const std::set<std::string_view> hiddenZeros = {"Na", "Mg", "Sc", "Co", "As", "Kr",
                                                    "Rh", "Sn", "Sb", "Te", "Dy"};
    for (const Element& row : elementTable()) {
        const std::int16_t shown = decimalsShown(row.weight);
        if (hiddenZeros.contains(row.symbol)) {
            EXPECT_GT(row.decimals, shown) << row.symbol;
        } else {
            EXPECT_EQ(row.decimals, shown) << row.symbol;
        }
        EXPECT_EQ(row.decimals == 0, row.weight == std::floor(row.weight)) << row.symbol;
    }
}

} // namespace
} // namespace zolvan
