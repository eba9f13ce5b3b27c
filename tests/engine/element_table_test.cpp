#include "engine/element_table.h"

#include "engine/engine_state.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <tuple>

namespace zolvan {
namespace {

// Symbol, ElementDecimals before the lookup, the weight returned, ElementDecimals afterwards.
TEST(AtomicWeightTest, ReturnsWeightAndKeepsTheSmallerCount) {
    const std::tuple<std::string_view, std::int16_t, double, std::int16_t> rows[] = {
        {"Co", 10, 58.9332, 6}, // counts hidden zeros
        {"Pb", 10, 207.2, 1},
        {"Mt", 10, 268, 0}, // the last row, a whole-number weight
        // Two lookups leave the smaller count in either order: H has 5 decimals, O has 4.
        {"O", 5, 15.9994, 4},
        {"H", 4, 1.00794, 4},
        // No element: exact, case-sensitive match only.
        {"Xx", 10, 0, 0},
        {"co", 10, 0, 0},
        {"CO", 10, 0, 0},
        {"", 10, 0, 0},
    };
    for (const auto& [symbol, before, weight, after] : rows) {
        EngineState state;
        state.ElementDecimals = before;
        EXPECT_EQ(atomicWeight(state, symbol), weight) << symbol;
        EXPECT_EQ(state.ElementDecimals, after) << symbol;
    }
}

// Every row is found by its own symbol, and formula expansion writes its weight text. The count of
// decimals is what the printed weight shows, except in rows that count trailing zeros.
TEST(ElementTableTest, EveryRowIsFoundByItsOwnSymbol) {
    const std::set<std::string_view> hiddenZeros = {"Na", "Mg", "Sc", "Co", "As", "Kr",
                                                    "Rh", "Sn", "Sb", "Te", "Dy"};
    ASSERT_EQ(elementTable().size(), 109u);
    for (const Element& row : elementTable()) {
        EngineState state;
        EXPECT_EQ(atomicWeight(state, row.symbol), row.weight) << row.symbol;
        EXPECT_EQ(state.ElementDecimals, row.decimals) << row.symbol;
        EXPECT_EQ(row.weightText, numberText(row.weight, '.')) << row.symbol;
        const auto dot = row.weightText.find('.');
        const int shown = dot == std::string_view::npos ? 0 : row.weightText.size() - dot - 1;
        EXPECT_TRUE(hiddenZeros.contains(row.symbol) ? row.decimals > shown : row.decimals == shown)
            << row.symbol;
    }
}

} // namespace
} // namespace zolvan
