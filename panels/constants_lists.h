#pragma once
// The built-in constants lists, as name and value lines in pairs (name at an even position, its
// value line after it), and the reading of a user's constants file into lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

std::vector<std::string> siUnitsList();
std::vector<std::string> physicalConstantsList();
std::vector<std::string> siPrefixesList();

// The lines of a constants file as UTF-8: the bytes are read as UTF-8 when they are valid UTF-8
// and as Windows-1252 otherwise. A line ends at CR, CR LF or LF; a line end after the last line
// adds no empty line. At most kMaxConstantsLines lines of at most kMaxConstantsLineBytes bytes
// are kept, so that a huge or binary file cannot swamp the window: the rest is left unread.
inline constexpr std::size_t kMaxConstantsLines = 32767;
inline constexpr std::size_t kMaxConstantsLineBytes = 32767;
std::vector<std::string> constantsFileLines(std::string_view bytes);

// The base name of a path: after its last "/" up to the first "." after it; nothing when no "."
// follows the last "/".
std::optional<std::string> constantsBaseName(std::string_view path);

} // namespace zolvan
