#pragma once
// The engine's entry: one input line through all stages to a result text.

namespace zolvan {

struct EngineState;

// Reads InputLine, CalcKind, ShowSeparators; writes NormalizedLine, ExpandedLine, ResultText,
// the previous-value fields (only when CalcKind is 0 on entry) and, through the stages,
// CalcKind, ElementPrecision, ElementDecimals, UnknownSymbolFlag/UnknownSymbol, ResultRows.
// Never throws: every failure ends up as text in ResultText.
void calculateExpression(EngineState& state);

} // namespace zolvan
