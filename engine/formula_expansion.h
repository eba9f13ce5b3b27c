#pragma once
// Turns canonical text into pure arithmetic: element symbols become atomic weights, counts
// become multiplications, subtraction becomes "+-", and ":ans", ":mem", ":pi" become numbers.

#include "engine/arithmetic.h"

#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

struct EngineState;

// What the expansion made of a line: the arithmetic text, or the fault that stopped it. Only a
// fault stops the calculation; an arithmetic text that merely begins like a fault text (a last
// answer that was one) still goes to the evaluator.
struct Expansion {
    std::string arithmetic;
    std::optional<std::string_view> fault;
    KnownNumbers weights; // the atomic weights written, for the evaluator
};

// `text` is normally state.NormalizedLine itself: a case correction rewrites it (through
// normalizeInput) before the expansion starts again. Returns the arithmetic text, or an empty
// text with state.UnknownSymbolFlag raised and state.UnknownSymbol set when a symbol is no
// element and cannot be corrected. Sets state.ElementDecimals.
Expansion expandChemFormula(EngineState& state, std::string& text);

// The same, writing the arithmetic text into the memory of `arithmetic` (another string than
// `text`), whose contents it replaces; the result's text stays empty. A caller that hands in the
// last line's text spares an allocation and a move per line.
Expansion expandChemFormula(EngineState& state, std::string& text, std::string& arithmetic);

} // namespace zolvan
