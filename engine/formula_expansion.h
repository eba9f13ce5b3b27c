#pragma once
// Turns canonical text into pure arithmetic: element symbols become atomic weights, counts
// become multiplications, subtraction becomes "+-", and ":ans", ":mem", ":pi" become numbers.

#include <string>

namespace zolvan {

struct EngineState;

// `text` is normally state.NormalizedLine itself: a case correction rewrites it (through
// normalizeInput) before the expansion starts again. Returns the arithmetic text, or an empty
// text with state.UnknownSymbolFlag raised and state.UnknownSymbol set when a symbol is no
// element and cannot be corrected. Sets state.ElementDecimals. A fault returns its text.
std::string expandChemFormula(EngineState& state, std::string& text);

} // namespace zolvan
