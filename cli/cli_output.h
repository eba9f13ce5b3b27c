#pragma once
// The two output forms of zolvan-cli for one input line.

#include "workspace/workspace.h"

#include <string>

namespace zolvan::cli {

// The history pair as a task file writes it: input, " = ", result; the input alone when the
// result is empty. Appends to `out` without a line end.
void appendTaskLine(std::string& out, const LineReport& report);

// After a line whose value is the molar mass of formula material: a line end, then its
// composition table and exact masses, indented, without a final line end.
// `workspace` is the one the line ran in, right after it ran.
void appendCompositionBlock(std::string& out, const LineReport& report, const Workspace& workspace);

// One compact JSON object. `input` is the trimmed line; memory and the data count are read from
// the workspace after the line ran. Appends to `out` without a line end.
void appendJsonLine(std::string& out, const LineReport& report, const Workspace& workspace);

// One line "hint: ..." for each hint of the line, each ended by a line feed, for standard error.
void appendHintLines(std::string& out, const LineReport& report);

} // namespace zolvan::cli
