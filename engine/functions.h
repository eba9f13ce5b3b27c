#pragma once
// Applies function tokens (":sin30", chains such as ":sin:cos0") and the factorial ("5!").

#include <string>
#include <string_view>
#include <variant>

namespace zolvan {

struct EngineState;

// A number, or a message text (a domain message or a fault text).
using FunctionValue = std::variant<double, std::string>;

// Reads AngleUnit, AnsText, MemoryValue; ":dat" appends to DataValues/DataCount.
FunctionValue evaluateFunction(EngineState& state, std::string_view operand);

} // namespace zolvan
