#pragma once
// Text files as users have them: bytes read as UTF-8 when they are valid UTF-8 and as
// Windows-1252 otherwise, with CR, CR LF or LF line ends.

#include <string>
#include <string_view>
#include <vector>

namespace zolvan {

// The bytes as UTF-8: unchanged when they are valid UTF-8, otherwise read as Windows-1252.
std::string decodeText(std::string_view bytes);

// The lines of a decoded text. A line end at the very end of the text starts no further line;
// empty lines inside the text are kept.
std::vector<std::string> splitLines(std::string_view text);

} // namespace zolvan
