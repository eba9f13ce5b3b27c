#pragma once
// Evaluates pure arithmetic text by rewriting: innermost brackets first, inside them "^", "/",
// "*", "%", "+" in that order, each partial result written back as a number.

#include <string>
#include <string_view>

namespace zolvan {

struct EngineState;

// Returns the value in the pattern "#0.000000000000e-000", an empty text for an empty input, or
// a message. Operands that begin with ":" or end with "!" go to evaluateFunction (which may
// append to the data series); nothing else of the state is written.
std::string evaluateArithmetic(EngineState& state, std::string_view text);

} // namespace zolvan
