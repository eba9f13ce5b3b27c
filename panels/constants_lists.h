#pragma once
// The built-in constants lists, as name and value lines in pairs (name at an even position, its
// value line after it), and the limits and tab caption of a user's constants file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

std::vector<std::string> siUnitsList();
std::vector<std::string> physicalConstantsList();
std::vector<std::string> siPrefixesList();

// A constants file gives at most kMaxConstantsLines lines of at most kMaxConstantsLineBytes
// bytes, so that a huge or binary file cannot swamp the window: the rest is left unread.
inline constexpr std::size_t kMaxConstantsLines = 32767;
inline constexpr std::size_t kMaxConstantsLineBytes = 32767;

// The base name of a path: after its last "/" up to the first "." after it; nothing when no "."
// follows the last "/".
std::optional<std::string> constantsBaseName(std::string_view path);

} // namespace zolvan
