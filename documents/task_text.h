#pragma once
// The text of task files: writing rows back. It opens and writes no files itself.

#include <string>
#include <string_view>

namespace zolvan {

// One task-file line: the entered line, and " = " with the result when the result is not empty.
std::string taskLine(std::string_view input, std::string_view result);

} // namespace zolvan
