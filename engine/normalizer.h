#pragma once
// Turns a typed line into the engine's canonical text: drops what is no part of an expression,
// writes function and value names as ":" tokens, settles the letter case of element symbols and
// writes implicit multiplications out. It evaluates nothing.

#include <string>

namespace zolvan {

struct EngineState;

// Returns the canonical text. Writes state.CalcKind (1 for ":sum", 2 for "X^2"),
// state.ElementPrecision and, for a square equation, clears state.ExpandedLine. Reads AnsText,
// DecimalSeparator and ThousandsSeparator. A line of 32,767 characters or more returns a fault
// text ("Error: ...") that the later stages reject.
std::string normalizeInput(EngineState& state, std::string text);

} // namespace zolvan
