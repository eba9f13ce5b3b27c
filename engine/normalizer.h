#pragma once
// Turns a typed line into the engine's canonical text: drops what is no part of an expression,
// writes function and value names as ":" tokens, settles the letter case of element symbols,
// joins the dotted parts of a hydrate into one formula unit and writes implicit multiplications
// out. It evaluates nothing.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zolvan {

struct EngineState;

// Returns the canonical text. Writes state.CalcKind (1 for ":sum", 2 for "X^2"),
// state.ElementPrecision and, for a square equation, clears state.ExpandedLine. Reads AnsText,
// DecimalSeparator and ThousandsSeparator. A line of 32,767 characters or more returns a fault
// text ("Error: ...") that the later stages reject.
std::string normalizeInput(EngineState& state, std::string text);

// The canonical text, or the fault that stopped the normalizer.
struct Canonical {
    std::string text;
    std::optional<std::string_view> fault;
    std::size_t formulaUnits = 0; // dotted parts read as one formula unit (CuSO4·5H2O)
};

// normalizeInput with its fault reported beside the text instead of as the text.
Canonical canonicalForm(EngineState& state, std::string_view text);

// The same, with the text written into the memory of `out` (which must not be state.AnsText),
// whose contents it replaces; the result's text stays empty. `out` is kept as it was on a fault.
Canonical canonicalForm(EngineState& state, std::string_view text, std::string& out);

// True for a name of the token vocabulary, in lower case, that takes an argument: every name
// but the values "ans", "mem" and "pi".
bool isFunctionName(std::string_view name);

} // namespace zolvan
