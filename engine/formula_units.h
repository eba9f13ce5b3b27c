#pragma once
// Formula units written with dots, as hydrates are: the parts joined by a dot become one
// bracketed formula, so that CuSO4·5H2O weighs as one unit and a number in front counts whole
// units. The result uses only characters the engine reads anyway, so the canonical text reads
// back to the same value. It evaluates nothing.

#include <cstddef>
#include <string>

namespace zolvan {

// `text` is a rewritten line in which every hydrate dot is kUnitJoin. Between operators and
// brackets, parts joined by dots become one unit when every part is a formula with an optional
// leading count: CuSO4·5H2O gives (CuSO4(H2O)5), 2CuSO4·5H2O gives (CuSO4(H2O)5)2. Dots between
// parts that are not all formulas multiply, as "×" does (2·3 gives 2*3); a dot with nothing on
// one side is dropped. Returns the number of units formed.
std::size_t joinFormulaUnits(std::string& text);

} // namespace zolvan
