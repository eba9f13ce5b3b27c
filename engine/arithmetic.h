#pragma once
// Evaluates pure arithmetic text by rewriting: innermost brackets first, inside them "^", "/",
// "*", "%", "+" in that order, each partial result written back as a number.

#include <string>
#include <string_view>
#include <variant>

namespace zolvan {

struct EngineState;

// Returns the value in the pattern "#0.000000000000e-000", an empty text for an empty input, or
// a message. Operands that begin with ":" or end with "!" go to evaluateFunction (which may
// append to the data series); nothing else of the state is written.
std::string evaluateArithmetic(EngineState& state, std::string_view text);

// The same evaluation with the value kept as a number: what the text in the final pattern reads
// back as (13 significant digits), or the text evaluateArithmetic gives when that is no number
// (an empty text or a message).
std::variant<double, std::string> evaluateArithmeticValue(EngineState& state,
                                                          std::string_view text);

} // namespace zolvan
