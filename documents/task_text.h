#pragma once
// The text of task files: reading bytes into lines and writing rows back. Reading accepts UTF-8,
// and Windows-1252 when the bytes are not valid UTF-8, with CR, CR LF or LF line ends. It opens
// and writes no files itself.

#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

// The bytes as UTF-8: unchanged when they are valid UTF-8, otherwise read as Windows-1252.
std::string decodeTaskText(std::string_view bytes);

// The lines of a decoded text. A line end at the very end of the text starts no further line;
// empty lines inside the text are kept.
std::vector<std::string> splitTaskLines(std::string_view text);

// One task-file line: the entered line, and " = " with the result when the result is not empty.
std::string taskLine(std::string_view input, std::string_view result);

} // namespace zolvan
