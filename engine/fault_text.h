#pragma once
// Tells a result text that reports a fault from one that is an answer.

#include <string_view>

namespace zolvan {

// True for the engine's fault messages: syntax, brackets, ranges, unknown symbols, the
// statistics and square-equation refusals, and every "Error..." text. Numbers, empty texts and
// the root value "Complex number" are answers.
bool isFaultText(std::string_view text);

} // namespace zolvan
