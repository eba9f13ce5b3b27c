#pragma once
// Count, sum, mean and sample standard deviation of a typed series (":sum(2+4+6)") or of the
// values collected with ":dat" (":sum" alone).

namespace zolvan {

struct EngineState;

// Reads state.NormalizedLine; writes ResultRows (0 sum, 1 mean, 2 deviation), NormalizedLine,
// DataValues/DataCount, and on every exit without statistics ResultText and CalcKind = -2.
void statisticsOfData(EngineState& state);

} // namespace zolvan
