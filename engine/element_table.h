#pragma once
// The 109 chemical elements with their standard atomic weights and the decimals they are known to.

#include <cstdint>
#include <span>
#include <string_view>

namespace zolvan {

struct EngineState;

struct Element {
    std::string_view symbol;
    double weight;
    std::string_view weightText; // the weight as written in the table, with "." as separator
    std::int16_t decimals;
};

std::span<const Element> elementTable();

// Exact, case-sensitive lookup. Returns the weight, or 0 for no element. Lowers
// state.ElementDecimals to the element's count of decimals (0 for no element) when smaller.
double atomicWeight(EngineState& state, std::string_view symbol);

// The row of an element symbol (exact case), or nullptr; it changes no state.
const Element* findElement(std::string_view symbol);

// The same lookup giving the whole row, or nullptr for no element.
const Element* lookUpElement(EngineState& state, std::string_view symbol);

// The same lookup for a symbol given as its letters: `capital` is an upper-case letter and
// `second` a lower-case one, or '\0' for a one-letter symbol.
const Element* lookUpElement(EngineState& state, char capital, char second);

} // namespace zolvan
