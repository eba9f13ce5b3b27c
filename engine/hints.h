#pragma once
// Hints: one short sentence for each sign that a line was probably not what was meant, with the
// value of the likely meaning where there is one. A hint never changes a result: the sentences
// are worked out on copies of the engine state, after the line ran.

#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

struct EngineState;

// `state` is the engine state right after calculateExpression ran `typedLine` (the line as
// typed, trimmed). Returns the sentences in a fixed order, none when the line shows no sign:
// two formula masses multiplied; a blank or a decimal point inside a hydrate; two lower-case
// letters read as an element that are also a compound; a function name typed in capitals;
// characters the reading dropped.
std::vector<std::string> lineHints(const EngineState& state, std::string_view typedLine);

} // namespace zolvan
