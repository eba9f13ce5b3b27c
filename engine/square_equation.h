#pragma once
// Solves a*x^2 + b*x + c = 0 read from the canonical text.

namespace zolvan {

struct EngineState;

// Reads state.NormalizedLine, rewrites it as the tidy equation ("2x^2 - 3x + 1 = 0") and leaves
// the roots in ResultRows[0] (x1) and ResultRows[1] (x2), or "Complex number" in both. A fault
// sets ResultText to its text and CalcKind to -1.
void solveSquareEquation(EngineState& state);

} // namespace zolvan
