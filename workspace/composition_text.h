#pragma once
// The composition of a line and its exact masses as texts: the rows of the table (a header and
// one row per element), the lines below it, and the same as tab-separated text for the
// clipboard and as a block for the command-line tool. It computes nothing itself.

#include "engine/composition.h"

#include <array>
#include <string>
#include <vector>

namespace zolvan {

using CompositionRow = std::array<std::string, 5>; // element, atoms, atomic weight, mass, percent

// The header ("Element", "Atoms", "Atomic weight", "Mass", "Mass %") and a row per element.
std::vector<CompositionRow> compositionRows(const Composition& composition, char separator);

// Rows as lines of aligned columns, `gap` blanks apart: the symbol to the left, the numbers to
// the right.
std::vector<std::string> alignedRows(const std::vector<CompositionRow>& rows, std::size_t gap);

// "Formula CuH10O9S", "Molar mass 249.6855 g/mol", the monoisotopic and nominal masses or the
// reason there are none, then one line per ion ("[M+H]+  249.94143").
std::vector<std::string> exactMassLines(const Composition& composition, char separator);

// The rows with a tab between cells and a line end after each row, then the mass lines.
std::string compositionTabText(const Composition& composition, char separator);

// The same, aligned in columns and indented by two blanks, for a terminal.
std::string compositionBlock(const Composition& composition, char separator);

} // namespace zolvan
