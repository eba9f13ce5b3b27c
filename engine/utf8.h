#pragma once
// The one UTF-8 decoder and encoder. It accepts only well-formed UTF-8: no overlong forms, no
// surrogates, nothing above U+10FFFF. The normalizer, the hints, the text-file reader and
// zolvan-cli's input filter and writers read text through it, so what one accepts the others
// accept too.

#include <cstddef>
#include <string>
#include <string_view>

namespace zolvan {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One step through a text: the code point at its start and the bytes it takes. An ill-formed
// sequence is `valid == false` with `length` the bytes of its longest well-formed beginning (at
// least 1), so that each such piece stands for one U+FFFD, as the Unicode standard recommends.
struct Utf8Step {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

Utf8Step decodeMultiByteUtf8(std::string_view text);

// `text` must not be empty. ASCII, nearly every byte the engine reads, takes the inline path.
inline Utf8Step decodeUtf8(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < 0x80) {
        return {first, 1, true};
    }
    return decodeMultiByteUtf8(text);
}

// Appends the UTF-8 form of a code point (a scalar value: no surrogate, at most U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// The text with every ill-formed piece replaced by U+FFFD; well-formed text comes back as it was.
std::string wellFormedUtf8(std::string_view text);

bool isWellFormedUtf8(std::string_view text);

} // namespace zolvan
