#pragma once
// The one UTF-8 decoder of zolvan-cli. It accepts only well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF. The input filter and both output writers read text through
// it, so what one accepts the others accept too.

#include <cstddef>
#include <string>
#include <string_view>

namespace zolvan::cli {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One step through a text: the code point at its start and the bytes it takes. An ill-formed
// sequence is `valid == false` with `length` the bytes of its longest well-formed beginning (at
// least 1), so that each such piece stands for one U+FFFD.
struct Utf8Step {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

// `text` must not be empty.
Utf8Step decodeUtf8(std::string_view text);

// Appends the UTF-8 form of a code point (a scalar value: no surrogate, at most U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// The text with every ill-formed piece replaced by U+FFFD; well-formed text comes back as it was.
std::string wellFormedUtf8(std::string_view text);

} // namespace zolvan::cli
